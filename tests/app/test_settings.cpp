// The settings store: defaults of a fresh store, the exact keys, and a
// round trip of every value through a real settings file.
#include "app/UserSettings.h"
#include "app/Settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void freshStoreGivesDefaults();
    void pageFormatKeyIsCyrillic();
    void roundTripOfEveryValue();
    void writesEveryKey();
    void storedValuesOfOtherLengths();
    void pathDefaultsComeFromStandardLocations();

private:
    QTemporaryDir dir;
    QString iniPath(const QString &name) const { return dir.filePath(name + QStringLiteral(".ini")); }
};

void TestSettings::freshStoreGivesDefaults()
{
    QSettings s(iniPath("fresh"), QSettings::IniFormat);
    UserSettings st;
    st.shell.language = QStringLiteral("xx");
    s.beginGroup("/Settings");
    Settings::readStartValues(s, st);
    Settings::readValues(s, st);
    s.endGroup();

    QVERIFY(st.shell.language.isEmpty());
    QCOMPARE(st.thumbs.iconWidth, 100);
    QCOMPARE(st.thumbs.iconHeight, 90);
    QVERIFY(st.thumbs.iconKeep);
    // A4 portrait in millimetres with 5 mm margins.
    QCOMPARE(st.page.pageSetup, PageSetup());
    QCOMPARE(st.page.pageSetup.paperSize, 7);
    QCOMPARE(st.page.pageSetup.width, 210.0);
    QCOMPARE(st.page.pageSetup.top, 5.0);
    QCOMPARE(st.layout.unitScale, 100);
    QCOMPARE(st.page.paperName, QStringLiteral("A4 210x297 mm"));
    QCOMPARE(st.page.sizesMM.size(), 36);
    QCOMPARE(st.page.sizesIN.size(), 25);
    QVERIFY(st.options.showAtStartup);
    QCOMPARE(st.exports.jpegQuality, 80);
    QCOMPARE(st.exports.exportMode, ExportMode::AllPages);
    QCOMPARE(st.exports.exportFrom, 1);
    QCOMPARE(st.page.printJobMax, 5);
    QVERIFY(st.page.printFrame);
    QVERIFY(st.layout.addImagesMode);
    QVERIFY(st.layout.autoCropEnabled);
    QVERIFY(!st.layout.placingClosely);
    QCOMPARE(st.layout.addPageCount, 1);
    QVERIFY(st.outsideCrop);
    QCOMPARE(st.stamp.allPageDateStamp, 1);
    QCOMPARE(st.stamp.font, QStringLiteral("Courier,10,-1,5,75,0,0,0,0,0"));
    QVERIFY(!st.stamp.color.isValid());
    QCOMPARE(st.logo.size, 5.0f);
    QCOMPARE(st.options.dialogWidth, 0);
}

void TestSettings::pageFormatKeyIsCyrillic()
{
    {
        QSettings s(iniPath("latin"), QSettings::IniFormat);
        s.setValue("/Settings/PageFormatName", "written with a Latin P");
        s.setValue(QStringLiteral("/Settings/\u0420ageFormatName"), "");
        s.remove(QStringLiteral("/Settings/\u0420ageFormatName"));
    }
    QSettings s(iniPath("latin"), QSettings::IniFormat);
    UserSettings st;
    s.beginGroup("/Settings");
    Settings::readValues(s, st);
    QVERIFY(st.layout.pageFormatName.isEmpty());

    st.layout.pageFormatName = QStringLiteral(" 100x150 mm");
    Settings::writeValues(s, st);
    s.endGroup();
    s.sync();
    QVERIFY(s.allKeys().contains(QStringLiteral("Settings/\u0420ageFormatName")));
    QCOMPARE(s.value("Settings/PageFormatName").toString(), QStringLiteral("written with a Latin P"));
}

void TestSettings::roundTripOfEveryValue()
{
    UserSettings a;
    a.shell.language = "ru";
    a.thumbs = {150, 120, false};
    a.page.pageSetup.unit = PageSetup::Inch;
    a.page.pageSetup.orientation = 1;
    a.page.pageSetup.paperSize = 6;
    a.page.pageSetup.borderless = true;
    a.page.pageSetup.width = 11;
    a.page.pageSetup.height = 8.5;
    a.page.pageSetup.left = 0.25;
    a.page.sizesMM = {PhotoSizeSelect{100, 150, true, false}, PhotoSizeSelect{160, 110, false, true}};
    a.page.sizesIN = {PhotoSizeSelect{4, 6, true, true}};
    a.options.editorPath = "/usr/bin/gimp";
    a.page.printerName = "Office";
    a.shell.fotoPath = "/photos";
    a.shell.projectPath = "/projects";
    a.options.showAtStartup = false;
    a.layout.pageFormatName = "4x6 in";
    a.layout.addImagesMode = false;
    a.layout.autoCropEnabled = false;
    a.layout.placingClosely = true;
    a.layout.addPageCount = 3;
    a.outsideCrop = false;
    a.page.printJobMax = 12;
    a.page.printFrame = false;
    a.page.printCredit = false;
    a.stamp = {true, true, 2, "Sans,12,-1,5,50,0,0,0,0,0", QColor(10, 20, 30), 5};
    a.logo = {true, 2, 1, 7.5f, 1.25f, 2.5f, "/logo.png"};
    a.options.dialogWidth = 900;
    a.options.dialogHeight = 700;
    a.exports.jpegQuality = 95;
    a.exports.exportMode = ExportMode::PageRange;
    a.exports.exportFrom = 4;

    {
        QSettings s(iniPath("roundtrip"), QSettings::IniFormat);
        s.beginGroup("/Settings");
        Settings::writeLanguage(s, a);
        Settings::writeValues(s, a);
        s.endGroup();
    }
    QSettings s(iniPath("roundtrip"), QSettings::IniFormat);
    UserSettings b;
    s.beginGroup("/Settings");
    Settings::readStartValues(s, b);
    Settings::readValues(s, b);
    QCOMPARE(b.shell.language, a.shell.language);
    QCOMPARE(b.thumbs.iconWidth, 150);
    QCOMPARE(b.thumbs.iconKeep, false);
    QCOMPARE(b.page.pageSetup, a.page.pageSetup);
    QCOMPARE(b.layout.unitScale, 2540);
    QCOMPARE(b.page.sizesMM, a.page.sizesMM);
    QCOMPARE(b.page.sizesIN, a.page.sizesIN);
    QCOMPARE(b.options.editorPath, a.options.editorPath);
    QCOMPARE(b.page.printerName, a.page.printerName);
    QCOMPARE(b.shell.fotoPath, a.shell.fotoPath);
    QCOMPARE(b.shell.projectPath, a.shell.projectPath);
    QCOMPARE(b.options.showAtStartup, false);
    QCOMPARE(b.layout.pageFormatName, a.layout.pageFormatName);
    QCOMPARE(b.layout.addImagesMode, false);
    QCOMPARE(b.layout.autoCropEnabled, false);
    QCOMPARE(b.layout.placingClosely, true);
    QCOMPARE(b.layout.addPageCount, 3);
    QCOMPARE(b.outsideCrop, false);
    QCOMPARE(b.page.printJobMax, 12);
    QCOMPARE(b.page.printFrame, false);
    QCOMPARE(b.page.printCredit, false);
    QCOMPARE(b.stamp.printFileName, true);
    QCOMPARE(b.stamp.printDateStamp, true);
    QCOMPARE(b.stamp.allPageDateStamp, 2);
    QCOMPARE(b.stamp.font, a.stamp.font);
    QCOMPARE(b.stamp.color, a.stamp.color);
    QCOMPARE(b.stamp.position, 5);
    QCOMPARE(b.logo.printLogo, true);
    QCOMPARE(b.logo.horizontal, 2);
    QCOMPARE(b.logo.vertical, 1);
    QCOMPARE(b.logo.size, 7.5f);
    QCOMPARE(b.logo.posX, 1.25f);
    QCOMPARE(b.logo.posY, 2.5f);
    QCOMPARE(b.logo.fileName, a.logo.fileName);
    QCOMPARE(b.options.dialogWidth, 900);
    QCOMPARE(b.options.dialogHeight, 700);
    QCOMPARE(b.exports.jpegQuality, 95);
    QCOMPARE(b.exports.exportMode, ExportMode::PageRange);
    QCOMPARE(b.exports.exportFrom, 4);
}

void TestSettings::writesEveryKey()
{
    QSettings s(iniPath("keys"), QSettings::IniFormat);
    s.beginGroup("/Settings");
    const UserSettings defaults;
    Settings::writeLanguage(s, defaults);
    Settings::writeValues(s, defaults);
    s.endGroup();
    const QStringList expected = {
        "Language", "PageSettings", "PhotoSizesMM", "PhotoSizesIN", "EditFileName", "IconsWidth",
        "IconsHeight", "IconsKeep", "PrinterName", "FotoPath", "ProjectPath", "ShowStart",
        QStringLiteral("\u0420ageFormatName"), "AddImagesOrPages", "AutoCrop", "PlacingClosely",
        "AddNPages", "OutsideCrop", "PrintJobMax", "PrintFrame", "PrintCredit", "PrintFileName", "PrintDateStamp",
        "AllPageDateStamp", "FontDateStamp", "ColorDateStamp", "PositionDateStamp", "PrintLogo",
        "HorizontalLogo", "VerticalLogo", "SizeLogo", "PosXLogo", "PosYLogo", "FileNameLogo",
        "DialWidth", "DialHeight", "QualityJPG", "ModeExportJPG", "ExportJPGot"};
    const QStringList keys = s.allKeys();
    for (const QString &k : expected)
        QVERIFY2(keys.contains(QStringLiteral("Settings/") + k), qPrintable(k));
    QCOMPARE(keys.size(), expected.size());
    QCOMPARE(s.value("Settings/PageSettings").toByteArray().size(), 64);
}

void TestSettings::storedValuesOfOtherLengths()
{
    QSettings s(iniPath("lengths"), QSettings::IniFormat);
    s.beginGroup("/Settings");
    PageSetup letter;
    letter.paperSize = 6;
    s.setValue("/PageSettings", letter.toBytes().left(63));
    QByteArray sizes = PhotoSizeSelect::listToBytes({PhotoSizeSelect{10, 15, false, true}});
    sizes.append("garbage"); // a tail shorter than a record
    s.setValue("/PhotoSizesMM", sizes);
    UserSettings st;
    Settings::readValues(s, st);
    QCOMPARE(st.page.pageSetup, PageSetup());
    QCOMPARE(st.page.sizesMM.size(), 1);
    QCOMPARE(st.page.sizesMM[0].longSide, 15.0);
    QCOMPARE(st.page.sizesIN.size(), 25);
}

void TestSettings::pathDefaultsComeFromStandardLocations()
{
    // Each test runs with its own HOME, which has exactly one documents
    // location.
    QVERIFY(!Settings::documentsDefault().isEmpty());
    QCOMPARE(PageSetup::unitScale(PageSetup::Inch), 2540);
    QCOMPARE(PageSetup::unitScale(PageSetup::Millimetre), 100);
    QCOMPARE(PageSetup::unitScale(PageSetup::Centimetre), 1000);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
