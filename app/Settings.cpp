#include "app/Settings.h"

#include "app/AppLog.h"
#include "app/UserSettings.h"
#include "formats/IconSizeRule.h"
#include "formats/PaperCatalogue.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QString singleLocation(QStandardPaths::StandardLocation location)
{
    const QStringList list = QStandardPaths::standardLocations(location);
    return list.size() == 1 ? list.first() : QString();
}

// The key of the chosen page format begins with the Cyrillic capital ER
// (U+0420); stores written by every earlier version use exactly this key.
const QString pageFormatKey = QStringLiteral("/\u0420ageFormatName");

} // namespace

namespace Settings {

QString organisation() { return QStringLiteral("Tarnwick"); }
QString application() { return QStringLiteral("Velmora"); }

QString picturesDefault() { return singleLocation(QStandardPaths::PicturesLocation); }
QString documentsDefault() { return singleLocation(QStandardPaths::DocumentsLocation); }

void readStartValues(QSettings &s, UserSettings &st)
{
    st.shell.language = s.value("/Language", QString()).toString();
    // Stored sizes come into the range the options dialog offers: a
    // thumbnail of 0 or fewer pixels would make every image invisible.
    st.thumbs.iconWidth = qBound(IconSizeRule::Minimum, s.value("/IconsWidth", 100).toInt(), IconSizeRule::Maximum);
    st.thumbs.iconHeight = qBound(IconSizeRule::Minimum, s.value("/IconsHeight", 90).toInt(), IconSizeRule::Maximum);
    st.thumbs.iconKeep = s.value("/IconsKeep", true).toBool();
}

void readValues(QSettings &s, UserSettings &st)
{
    // A value that is not there gives the default without a word; a damaged
    // one gives it too, and is noted in the log.
    const QByteArray page = s.value("/PageSettings", QByteArray()).toByteArray();
    PageSetup setup;
    if (!page.isEmpty())
        PageSetup::fromBytes(page, setup).logged(lcApp(), "read setting", QStringLiteral("/PageSettings"));
    st.adoptPageSetup(setup);

    const QByteArray mm = s.value("/PhotoSizesMM", QByteArray()).toByteArray();
    st.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
    if (!mm.isEmpty())
        PhotoSizeSelect::listFromBytes(mm, st.page.sizesMM).logged(lcApp(), "read setting", QStringLiteral("/PhotoSizesMM"));
    const QByteArray in = s.value("/PhotoSizesIN", QByteArray()).toByteArray();
    st.page.sizesIN = PhotoSizeSelect::defaultInches();
    if (!in.isEmpty())
        PhotoSizeSelect::listFromBytes(in, st.page.sizesIN).logged(lcApp(), "read setting", QStringLiteral("/PhotoSizesIN"));

    st.options.editorPath = s.value("/EditFileName", QString()).toString();
    st.page.printerName = s.value("/PrinterName", QString()).toString();
    st.shell.photoFolder = s.value("/FotoPath", picturesDefault()).toString();
    st.shell.projectPath = s.value("/ProjectPath", documentsDefault()).toString();
    st.options.showAtStartup = s.value("/ShowStart", true).toBool();
    st.layout.pageFormatName = s.value(pageFormatKey, QString()).toString();
    st.layout.addImagesMode = s.value("/AddImagesOrPages", true).toBool();
    st.layout.autoCropEnabled = s.value("/AutoCrop", true).toBool();
    st.layout.placingClosely = s.value("/PlacingClosely", false).toBool();
    st.layout.addPageCount = s.value("/AddNPages", 1).toInt();
    st.outsideCrop = s.value("/OutsideCrop", true).toBool();
    st.page.printJobMax = s.value("/PrintJobMax", 5).toInt();
    st.page.paperColours = PaperColour::read(s);
    st.page.printFrame = s.value("/PrintFrame", true).toBool();
    st.page.printCredit = s.value("/PrintCredit", true).toBool();
    st.page.cutGuides = s.value("/CutGuides", false).toBool();
    st.stamp.printFileName = s.value("/PrintFileName", false).toBool();
    st.stamp.printDateStamp = s.value("/PrintDateStamp", false).toBool();
    st.stamp.allPageDateStamp = toolScopeFrom(s.value("/AllPageDateStamp", true).toInt());
    st.stamp.font = s.value("/FontDateStamp", QStringLiteral("Courier,10,-1,5,75,0,0,0,0,0")).toString();
    st.stamp.color = s.value("/ColorDateStamp", QColor()).value<QColor>();
    st.stamp.position = StampPosition(qBound(0, s.value("/PositionDateStamp", 0).toInt(), 7));
    st.logo.printLogo = s.value("/PrintLogo", false).toBool();
    st.logo.horizontal = logoPlaceFrom(s.value("/HorizontalLogo", 0).toInt());
    st.logo.vertical = logoPlaceFrom(s.value("/VerticalLogo", 0).toInt());
    st.logo.size = s.value("/SizeLogo", 5.0f).toFloat();
    st.logo.posX = s.value("/PosXLogo", 0.0f).toFloat();
    st.logo.posY = s.value("/PosYLogo", 0.0f).toFloat();
    st.logo.fileName = s.value("/FileNameLogo", QString()).toString();
    st.options.dialogWidth = s.value("/DialWidth", 0).toInt();
    st.options.dialogHeight = s.value("/DialHeight", 0).toInt();
    st.exports.jpegQuality = s.value("/QualityJPG", 80).toInt();
    const int mode = s.value("/ModeExportJPG", 0).toInt();
    st.exports.exportMode = mode >= 0 && mode <= 3 ? ExportMode(mode) : ExportMode::PageRange;
    st.exports.exportFrom = s.value("/ExportJPGot", 1).toInt();
}

void writeLanguage(QSettings &s, const UserSettings &st)
{
    s.setValue("/Language", st.shell.language);
}

void writeValues(QSettings &s, const UserSettings &st)
{
    s.setValue("/PageSettings", st.page.pageSetup.toBytes());
    s.setValue("/PhotoSizesMM", PhotoSizeSelect::listToBytes(st.page.sizesMM));
    s.setValue("/PhotoSizesIN", PhotoSizeSelect::listToBytes(st.page.sizesIN));
    s.setValue("/EditFileName", st.options.editorPath);
    s.setValue("/IconsWidth", st.thumbs.iconWidth);
    s.setValue("/IconsHeight", st.thumbs.iconHeight);
    s.setValue("/IconsKeep", st.thumbs.iconKeep);
    s.setValue("/PrinterName", st.page.printerName);
    s.setValue("/FotoPath", st.shell.photoFolder);
    s.setValue("/ProjectPath", st.shell.projectPath);
    s.setValue("/ShowStart", st.options.showAtStartup);
    s.setValue(pageFormatKey, st.layout.pageFormatName);
    s.setValue("/AddImagesOrPages", st.layout.addImagesMode);
    s.setValue("/AutoCrop", st.layout.autoCropEnabled);
    s.setValue("/PlacingClosely", st.layout.placingClosely);
    s.setValue("/AddNPages", st.layout.addPageCount);
    s.setValue("/OutsideCrop", st.outsideCrop);
    s.setValue("/PrintJobMax", st.page.printJobMax);
    PaperColour::write(s, st.page.paperColours);
    s.setValue("/PrintFrame", st.page.printFrame);
    s.setValue("/PrintCredit", st.page.printCredit);
    s.setValue("/CutGuides", st.page.cutGuides);
    s.setValue("/PrintFileName", st.stamp.printFileName);
    s.setValue("/PrintDateStamp", st.stamp.printDateStamp);
    s.setValue("/AllPageDateStamp", int(st.stamp.allPageDateStamp));
    s.setValue("/FontDateStamp", st.stamp.font);
    s.setValue("/ColorDateStamp", st.stamp.color);
    s.setValue("/PositionDateStamp", int(st.stamp.position));
    s.setValue("/PrintLogo", st.logo.printLogo);
    s.setValue("/HorizontalLogo", int(st.logo.horizontal));
    s.setValue("/VerticalLogo", int(st.logo.vertical));
    s.setValue("/SizeLogo", st.logo.size);
    s.setValue("/PosXLogo", st.logo.posX);
    s.setValue("/PosYLogo", st.logo.posY);
    s.setValue("/FileNameLogo", st.logo.fileName);
    s.setValue("/DialWidth", st.options.dialogWidth);
    s.setValue("/DialHeight", st.options.dialogHeight);
    s.setValue("/QualityJPG", st.exports.jpegQuality);
    s.setValue("/ModeExportJPG", int(st.exports.exportMode));
    s.setValue("/ExportJPGot", st.exports.exportFrom);
}

} // namespace Settings
