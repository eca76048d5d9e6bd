// The settings store (the exact keys and a round trip of every value through
// a real settings file), the main window's project routing and paper check
// made without a window, and the image types the desktop entry offers.
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/UserSettings.h"
#include "formats/PageSetup.h"

#include <QFile>
#include <QImageReader>
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
    a.shell.photoFolder = "/photos";
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
        QCOMPARE(b.shell.photoFolder + b.shell.projectPath, a.shell.photoFolder + a.shell.projectPath);
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
    // A project is a file whose name ends in .vm2.
    void projectRouting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("project");
        QTest::newRow("plain") << "/a/holiday.vm2" << true;
        QTest::newRow("capitals") << "/a/X.VM2" << true;
        QTest::newRow("contained") << "/a/photo.vm2.jpg" << false;
        QTest::newRow("in a folder named like one") << "/a/old.vm2.d/photo.jpg" << false;
        QTest::newRow("backslashes") << "C:\\a\\old.vm2.d\\photo.jpg" << false;
        QTest::newRow("image") << "/a/photo.jpg" << false;
        QTest::newRow("near miss") << "/a/photo.vm3" << false;
    }

    void projectRouting()
    {
        QFETCH(QString, path);
        QFETCH(bool, project);
        QCOMPARE(Shell::isProjectPath(path), project);
    }

    // The main window's paper check, made without a window.
    void paperCheck_data()
    {
        // Layout printable area of A4 with 5 mm margins: 20000 x 28700.
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("borderless");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << 210.0 << 297.0 << false << true;
        QTest::newRow("1 mm wider") << 211.0 << 297.0 << false << true;
        QTest::newRow("1.05 mm wider") << 211.05 << 297.0 << false << false;
        QTest::newRow("3 mm narrower") << 207.0 << 297.0 << false << true;
        QTest::newRow("3.01 mm narrower") << 206.99 << 297.0 << false << false;
        QTest::newRow("3 mm shorter") << 210.0 << 294.0 << false << true;
        QTest::newRow("borderless A4") << 210.0 << 297.0 << true << false;
        QTest::newRow("Letter") << 215.9 << 279.4 << false << false;
    }

    void paperCheck()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, borderless);
        QFETCH(bool, matches);
        PageSetup d;
        d.width = width;
        d.height = height;
        d.borderless = borderless;
        QCOMPARE(Shell::paperMatches(d, 20000, 28700), matches);

        PageSetup inches;
        inches.unit = PageSetup::Inch;
        inches.width = 8.26;
        inches.height = 11.69;
        inches.left = inches.right = inches.top = inches.bottom = 0;
        int w = 0, h = 0;
        Shell::printableArea(inches, w, h);
        QCOMPARE(w, 20980); // 8.26 * 2540, truncated
        QCOMPARE(h, 29692);
    }

    // Every image type the desktop entry offers to open has a reader here
    // (TIFF and WebP, HEIF, AVIF, JPEG XL and camera RAW come from the image
    // format plug-ins the package depends on), and the project type is among them.
    void desktopEntryTypesAreReadable()
    {
        QFile entry(QStringLiteral(VELMORA_SOURCE_DIR "/resources/desktop/org.example.velmora.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList offered;
        while (!entry.atEnd()) {
            const QString line = QString::fromUtf8(entry.readLine()).trimmed();
            if (line.startsWith(QLatin1String("MimeType=")))
                offered = line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
        QVERIFY(offered.contains(QStringLiteral("application/x-velmora-project")));
        const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
        int images = 0;
        for (const QString &type : offered) {
            if (!type.startsWith(QLatin1String("image/")))
                continue;
            ++images;
            QVERIFY2(readable.contains(type.toLatin1()), qPrintable(type));
        }
        QCOMPARE(images, 21);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
