// The settings store: defaults of a fresh store, the exact keys, and a
// round trip of every value through a real settings file.
#include "app/UserSettings.h"
#include "app/Settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every stored value except the two folders, in one comparable list.
QVariantList stored(const UserSettings &u)
{
    return {u.shell.language, u.thumbs.iconWidth, u.thumbs.iconHeight, u.thumbs.iconKeep,
            u.page.pageSetup.toBytes(), u.layout.unitScale, PhotoSizeSelect::listToBytes(u.page.sizesMM),
            PhotoSizeSelect::listToBytes(u.page.sizesIN), u.options.editorPath, u.page.printerName,
            u.options.showAtStartup, u.layout.pageFormatName, u.layout.addImagesMode,
            u.layout.autoCropEnabled, u.layout.placingClosely, u.layout.addPageCount, u.outsideCrop,
            u.page.printJobMax, u.page.printFrame, u.page.printCredit, u.page.cutGuides, u.stamp.printFileName,
            u.stamp.printDateStamp, int(u.stamp.allPageDateStamp), u.stamp.font, u.stamp.color, int(u.stamp.position),
            u.logo.printLogo, int(u.logo.horizontal), int(u.logo.vertical), u.logo.size, u.logo.posX, u.logo.posY,
            u.logo.fileName, u.options.dialogWidth, u.options.dialogHeight, u.exports.jpegQuality,
            int(u.exports.exportMode), u.exports.exportFrom};
}

// A value other than the default in every field.
UserSettings changed()
{
    UserSettings a;
    a.shell.language = "ru";
    a.thumbs = {150, 120, false};
    PageSetup letter;
    letter.unit = PageSetup::Inch;
    letter.orientation = 1;
    letter.paperSize = 6;
    letter.borderless = true;
    letter.width = 11;
    letter.height = 8.5;
    letter.left = 0.25;
    a.adoptPageSetup(letter);
    a.page.sizesMM = {PhotoSizeSelect{100, 150, true, false}, PhotoSizeSelect{160, 110, false, true}};
    a.page.sizesIN = {PhotoSizeSelect{4, 6, true, true}};
    a.options = {"/usr/bin/gimp", false, 900, 700};
    a.page.printerName = "Office";
    a.shell.fotoPath = "/photos";
    a.shell.projectPath = "/projects";
    a.layout.pageFormatName = "4x6 in";
    a.layout.addImagesMode = a.layout.autoCropEnabled = false;
    a.layout.placingClosely = true;
    a.layout.addPageCount = 3;
    a.outsideCrop = a.page.printFrame = a.page.printCredit = false;
    a.page.cutGuides = true;
    a.page.printJobMax = 12;
    a.stamp = {true, true, ToolScope::AllPages, "Sans,12,-1,5,50,0,0,0,0,0", QColor(10, 20, 30), StampPosition::AcrossBottomRight};
    a.logo = {true, LogoPlace::End, LogoPlace::Centre, 7.5f, 1.25f, 2.5f, "/logo.png"};
    a.exports.jpegQuality = 95;
    a.exports.exportMode = ExportMode::PageRange;
    a.exports.exportFrom = 4;
    return a;
}

void read(QSettings &s, UserSettings &st)
{
    s.beginGroup("/Settings");
    Settings::readStartValues(s, st);
    Settings::readValues(s, st);
    s.endGroup();
}

void write(QSettings &s, const UserSettings &st)
{
    s.beginGroup("/Settings");
    Settings::writeLanguage(s, st);
    Settings::writeValues(s, st);
    s.endGroup();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString iniPath(const QString &name) const { return dir.filePath(name + QStringLiteral(".ini")); }

private Q_SLOTS:
    // What the reader falls back to is what the program starts with, and
    // it replaces whatever was there before.
    void freshStoreGivesDefaults()
    {
        QSettings s(iniPath("fresh"), QSettings::IniFormat);
        UserSettings st = changed();
        read(s, st);
        UserSettings expected;
        expected.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
        expected.page.sizesIN = PhotoSizeSelect::defaultInches();
        QCOMPARE(stored(st), stored(expected));
        QCOMPARE(st.page.paperName, QStringLiteral("A4 210x297 mm"));
        // Each test runs with its own HOME, which has exactly one documents
        // location.
        QVERIFY(!Settings::documentsDefault().isEmpty());
        QCOMPARE(st.shell.projectPath, Settings::documentsDefault());
    }

    void pageFormatKeyIsCyrillic()
    {
        {
            QSettings s(iniPath("latin"), QSettings::IniFormat);
            s.setValue("/Settings/PageFormatName", "written with a Latin P");
        }
        QSettings s(iniPath("latin"), QSettings::IniFormat);
        UserSettings st;
        read(s, st);
        QVERIFY(st.layout.pageFormatName.isEmpty());
        st.layout.pageFormatName = QStringLiteral(" 100x150 mm");
        write(s, st);
        s.sync();
        QVERIFY(s.allKeys().contains(QStringLiteral("Settings/\u0420ageFormatName")));
        QCOMPARE(s.value("Settings/PageFormatName").toString(), QStringLiteral("written with a Latin P"));
    }

    void roundTripOfEveryValue()
    {
        const UserSettings a = changed();
        {
            QSettings s(iniPath("roundtrip"), QSettings::IniFormat);
            write(s, a);
        }
        QSettings s(iniPath("roundtrip"), QSettings::IniFormat);
        UserSettings b;
        read(s, b);
        QCOMPARE(stored(b), stored(a));
        QCOMPARE(b.shell.fotoPath + b.shell.projectPath, a.shell.fotoPath + a.shell.projectPath);
    }

    void writesEveryKey()
    {
        QSettings s(iniPath("keys"), QSettings::IniFormat);
        write(s, UserSettings());
        const QStringList expected = {
            "Language", "PageSettings", "PhotoSizesMM", "PhotoSizesIN", "EditFileName", "IconsWidth",
            "IconsHeight", "IconsKeep", "PrinterName", "FotoPath", "ProjectPath", "ShowStart",
            QStringLiteral("\u0420ageFormatName"), "AddImagesOrPages", "AutoCrop", "PlacingClosely",
            "AddNPages", "OutsideCrop", "PrintJobMax", "PrintFrame", "PrintCredit", "CutGuides", "PrintFileName",
            "PrintDateStamp",
            "AllPageDateStamp", "FontDateStamp", "ColorDateStamp", "PositionDateStamp", "PrintLogo",
            "HorizontalLogo", "VerticalLogo", "SizeLogo", "PosXLogo", "PosYLogo", "FileNameLogo",
            "DialWidth", "DialHeight", "QualityJPG", "ModeExportJPG", "ExportJPGot"};
        const QStringList keys = s.allKeys();
        for (const QString &k : expected)
            QVERIFY2(keys.contains(QStringLiteral("Settings/") + k), qPrintable(k));
        QCOMPARE(keys.size(), expected.size());
        QCOMPARE(s.value("Settings/PageSettings").toByteArray().size(), 64);
    }

    void storedValuesOfOtherLengths()
    {
        QSettings s(iniPath("lengths"), QSettings::IniFormat);
        PageSetup letter;
        letter.paperSize = 6;
        s.setValue("/Settings/PageSettings", letter.toBytes().left(63));
        QByteArray sizes = PhotoSizeSelect::listToBytes({PhotoSizeSelect{10, 15, false, true}});
        sizes.append("garbage"); // a tail shorter than a record
        s.setValue("/Settings/PhotoSizesMM", sizes);
        s.setValue("/Settings/ModeExportJPG", 9);
        UserSettings st;
        read(s, st);
        QCOMPARE(st.page.pageSetup, PageSetup());
        QCOMPARE(st.page.sizesMM, QVector<PhotoSizeSelect>({PhotoSizeSelect{10, 15, false, true}}));
        QCOMPARE(st.page.sizesIN, PhotoSizeSelect::defaultInches());
        QCOMPARE(st.exports.exportMode, ExportMode::PageRange);
    }

    // Stored thumbnail sizes come into the range the options dialog offers.
    void thumbnailSizesComeIntoRange_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << QVariant(0) << 32;
        QTest::newRow("negative") << QVariant(-5) << 32;
        QTest::newRow("text") << QVariant("wide") << 32;
        QTest::newRow("huge") << QVariant(90000) << 500;
        QTest::newRow("fine") << QVariant(120) << 120;
    }
    void thumbnailSizesComeIntoRange()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        QSettings s(iniPath(QStringLiteral("thumbs_") + QTest::currentDataTag()), QSettings::IniFormat);
        s.setValue("/Settings/IconsWidth", stored);
        s.setValue("/Settings/IconsHeight", stored);
        UserSettings st;
        read(s, st);
        QCOMPARE(st.thumbs.iconWidth, expected);
        QCOMPARE(st.thumbs.iconHeight, expected);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
