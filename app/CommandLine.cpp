#include "app/CommandLine.h"

#include "formats/Rounding.h"
#include "app/UserSettings.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "arrange/ArrangeEngine.h"
#include "formats/LayoutCatalogue.h"
#include "formats/PaperCatalogue.h"
#include "library/DecodeGate.h"
#include "library/IconItem.h"
#include "library/HeifExif.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
#include "platform/Outcome.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char *const UnreadImage = QT_TRANSLATE_NOOP("QObject", "A photograph cannot be read, so no pages were made.");
const char *const UnreadLogo = QT_TRANSLATE_NOOP("QObject", "The logo picture cannot be read, so no pages were made.");

// Options that take a value, then the switches.
const char *const valueOptions[] = {"export-jpeg", "print-pdf", "print",   "copies", "paper", "unit",
                                    "margins",     "photo-size", "layout", "quality", "logo",  "save",
                                    "output-profile", "intent", "order", "package", "gutter"};
const char *const switchOptions[] = {"landscape",  "borderless", "fit",  "help", "help-all", "version",
                                     "no-credit", "stamp-date", "stamp-file-name", "list", "cut-guides",
                                     "empty-pages"};

bool isOption(const QString &arg)
{
    if (arg == QLatin1String("-h") || arg == QLatin1String("-?") || arg == QLatin1String("-v"))
        return true;
    if (!arg.startsWith(QLatin1String("--")))
        return false;
    // Any other "--name" too, but the toolkit's own window options: a
    // mistyped option is reported, not opened as a file (a file of that
    // name follows a "--").
    static const QStringList toolkit = {QStringLiteral("platform"), QStringLiteral("platformtheme"),
                                        QStringLiteral("plugin"), QStringLiteral("style"), QStringLiteral("stylesheet"),
                                        QStringLiteral("reverse"), QStringLiteral("session"), QStringLiteral("display"),
                                        QStringLiteral("geometry"), QStringLiteral("qwindowgeometry"),
                                        QStringLiteral("qwindowtitle"), QStringLiteral("qwindowicon")};
    return arg.size() > 2 && !toolkit.contains(arg.mid(2).section(QLatin1Char('='), 0, 0));
}

// Why `info` names no file to read.
QString missingReason(const QFileInfo &info)
{
    return info.isDir() ? QObject::tr("It is a folder; give the image files in it") : QObject::tr("No such file");
}

// The page-setup fields hold at most 1000 of the unit.
constexpr double MaximumLength = 1000;

bool withinLimit(double a, double b) { return a <= MaximumLength && b <= MaximumLength; }

// Lays the named paper's sides out for the setup's orientation.
void setNamedPaper(PageSetup &d, int index)
{
    d.paperSize = index;
    const double s = PaperCatalogue::shortSide(index, d.unit);
    const double l = PaperCatalogue::longSide(index, d.unit);
    d.width = d.orientation == 0 ? s : l;
    d.height = d.orientation == 0 ? l : s;
}

} // namespace

bool CommandLine::parsePair(const QString &text, double &a, double &b)
{
    static const QRegularExpression pair(QStringLiteral("^\\s*([0-9]*\\.?[0-9]+)\\s*[xX]\\s*([0-9]*\\.?[0-9]+)\\s*$"));
    const QRegularExpressionMatch m = pair.match(text);
    if (!m.hasMatch())
        return false;
    a = m.captured(1).toDouble();
    b = m.captured(2).toDouble();
    return a > 0 && b > 0;
}

bool CommandLine::hasOptions(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            return false;
        if (isOption(arg))
            return true;
    }
    return false;
}

QStringList CommandLine::windowPaths(const QStringList &args)
{
    QStringList paths = args;
    paths.removeOne(QStringLiteral("--"));
    return paths;
}

bool CommandLine::projectInput() const
{
    return m_images.size() == 1 && Shell::isProjectPath(m_images.first());
}

Outcome CommandLine::checkImageFile(const QFileInfo &info)
{
    // A pipe or a device could be read for ever, a folder not at all.
    if (!info.isFile())
        return Outcome::failure(UnreadImage, info.exists() && !info.isDir() ? QObject::tr("Not a regular file")
                                                                              : missingReason(info));
    QImageReader reader(info.filePath());
    if (!reader.canRead())
        return Outcome::failure(UnreadImage, reader.errorString());
    // The header tells the size before a pixel is read; a HEIF's or AVIF's
    // reader tells it only by decoding the picture, its container does not.
    QFile file(info.filePath());
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.peek(12) : QByteArray();
    QByteArray bytes;
    const QSize size = isIsoMediaFile(head.constData(), head.size()) && ImageSource::readPlainFile(info.filePath(), bytes)
                           ? declaredSize(bytes)
                           : reader.size();
    if (qint64(size.width()) * size.height() > MaxImagePixels)
        return Outcome::failure(UnreadImage, faultText(DecodeFault::TooLarge, size));
    // Nor is one whose reader would hold more than a decoding may take.
    if (decodingBytes(reader, size, size, QSize(1, 1)) > DecodeGate::Budget)
        return Outcome::failure(UnreadImage, faultText(DecodeFault::OverBudget, size));
    return Outcome();
}

bool CommandLine::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool CommandLine::refuse(const QString &message)
{
    m_unusableArguments = true;
    return fail(message);
}

void CommandLine::warn(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(QObject::tr("Warning: %1").arg(message)));
    std::fflush(stderr);
}

void CommandLine::parse(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("Lays photographs out on printed pages. Without options, the "
                                                 "paths given open in the window (projects and images)."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export-jpeg"),
                                          QObject::tr("Write the pages as JPEG files BASE001.jpg, BASE002.jpg, ..."),
                                          QStringLiteral("BASE"));
    const QCommandLineOption pdfOption(QStringLiteral("print-pdf"), QObject::tr("Print the pages to the PDF file FILE."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption printOption(QStringLiteral("print"),
                                         QObject::tr("Print the pages on the system printer PRINTER."),
                                         QStringLiteral("PRINTER"));
    const QCommandLineOption copiesOption(QStringLiteral("copies"),
                                          QObject::tr("Copies to print, each a print job of its own."),
                                          QStringLiteral("N"));
    const QCommandLineOption paperOption(
        QStringLiteral("paper"),
        QObject::tr("Paper: a catalogue paper by its first word (A4, Letter, ...) or WIDTHxHEIGHT in the unit."),
        QStringLiteral("NAME"));
    const QCommandLineOption unitOption(QStringLiteral("unit"), QObject::tr("Unit of lengths: mm, cm or in."),
                                        QStringLiteral("UNIT"));
    const QCommandLineOption landscapeOption(QStringLiteral("landscape"), QObject::tr("Landscape paper."));
    const QCommandLineOption borderlessOption(QStringLiteral("borderless"), QObject::tr("Print without margins."));
    const QCommandLineOption marginsOption(QStringLiteral("margins"), QObject::tr("All four margins, in the unit."),
                                           QStringLiteral("N"));
    const QCommandLineOption sizeOption(QStringLiteral("photo-size"),
                                       QObject::tr("Lay the photographs out upright in frames SxL, in the unit."),
                                       QStringLiteral("SxL"));
    const QCommandLineOption layoutOption(QStringLiteral("layout"),
                                          QObject::tr("The layout of the catalogue named NAME, user layouts included."),
                                          QStringLiteral("NAME"));
    const QCommandLineOption fitOption(QStringLiteral("fit"),
                                       QObject::tr("Show whole photographs with white bands instead of filling the frames."));
    const QCommandLineOption qualityOption(QStringLiteral("quality"), QObject::tr("JPEG quality, 0 to 100."),
                                           QStringLiteral("Q"));
    const QCommandLineOption noCreditOption(QStringLiteral("no-credit"),
                                            QObject::tr("Leave the credit line off the photographs."));
    const QCommandLineOption stampDateOption(QStringLiteral("stamp-date"),
                                             QObject::tr("Print the date each photograph was taken on it."));
    const QCommandLineOption stampNameOption(QStringLiteral("stamp-file-name"),
                                             QObject::tr("Print the file name of each photograph on it."));
    const QCommandLineOption guidesOption(
        QStringLiteral("cut-guides"),
        QObject::tr("Draw trim marks beside the photographs, continuing their edges, for cutting the prints."));
    const QCommandLineOption emptyOption(QStringLiteral("empty-pages"),
                                         QObject::tr("Write and print pages without photographs as well."));
    const QCommandLineOption logoOption(QStringLiteral("logo"),
                                        QObject::tr("Print the picture FILE (PNG or JPEG) on every photograph."),
                                        QStringLiteral("FILE"));
    parser.addOptions({exportOption, pdfOption, printOption, copiesOption, paperOption, unitOption, landscapeOption, borderlessOption,
                       marginsOption, sizeOption, layoutOption, fitOption, qualityOption, noCreditOption,
                       stampDateOption, stampNameOption, logoOption, guidesOption, emptyOption});
    const QCommandLineOption saveOption(QStringLiteral("save"),
                                        QObject::tr("Save the pages as the project FILE, with copies of the images inside."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QObject::tr("Print the project given as JSON on standard output."));
    const QCommandLineOption profileOption(
        QStringLiteral("output-profile"),
        QObject::tr("Convert the photographs to the ICC profile FILE (a printer on its paper) and, in JPEG files, embed it."),
        QStringLiteral("FILE"));
    const QCommandLineOption intentOption(
        QStringLiteral("intent"),
        QObject::tr("Rendering intent of the conversion: perceptual, relative (with black-point compensation, the "
                    "default), saturation or absolute."),
        QStringLiteral("INTENT"));
    const QCommandLineOption orderOption(
        QStringLiteral("order"),
        QObject::tr("Pack the order FILE.csv onto the fewest sheets: lines PHOTO,WIDTHxHEIGHT,COUNT, sizes in the "
                    "unit, photographs relative to the file's folder."),
        QStringLiteral("FILE"));
    const QCommandLineOption packageOption(
        QStringLiteral("package"),
        QObject::tr("Pack every IMAGE in each size and count, as in 10x15:2,9x13:4 (sizes in the unit)."),
        QStringLiteral("SxL:N"));
    const QCommandLineOption gutterOption(QStringLiteral("gutter"),
                                          QObject::tr("Space between the prints of an order, in the unit (2 mm unless given)."),
                                          QStringLiteral("N"));
    parser.addOptions({saveOption, listOption, profileOption, intentOption, orderOption, packageOption, gutterOption});
    parser.addPositionalArgument(QStringLiteral("IMAGE"),
                                 QObject::tr("Image files to lay out, or one saved project (.vm2)."),
                                 QStringLiteral("IMAGE..."));
    m_help = parser.helpText();

    m_mode = Mode::Error;
    // Single-dash words such as -platform or -reverse are the toolkit's
    // options in the window; the output run takes none of them (it picks
    // its own platform) and would misread them as letters.
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (arg.size() > 2 && arg.startsWith(QLatin1Char('-')) && !arg.startsWith(QLatin1String("--"))) {
            m_error = QObject::tr("Unknown option %1: options are written with two dashes; the toolkit's own "
                                  "options are not taken with the output options.")
                          .arg(arg);
            return;
        }
    }
    if (!parser.parse(QStringList{QStringLiteral("velmora")} + args)) {
        m_error = parser.errorText();
        return;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        m_mode = Mode::Help;
        return;
    }
    if (parser.isSet(versionOption)) {
        m_mode = Mode::Version;
        return;
    }
    m_exportBase = parser.value(exportOption);
    m_pdfFile = parser.value(pdfOption);
    m_printer = parser.value(printOption);
    if (parser.isSet(copiesOption)) {
        bool ok = false;
        m_copies = parser.value(copiesOption).toInt(&ok);
        if (!ok || m_copies < 1) {
            m_error = QObject::tr("Copies must be a whole number of one or more: %1.").arg(parser.value(copiesOption));
            return;
        }
    }
    m_paper = parser.value(paperOption);
    m_unit = parser.value(unitOption);
    m_margins = parser.value(marginsOption);
    m_photoSize = parser.value(sizeOption);
    m_layout = parser.value(layoutOption);
    m_quality = parser.value(qualityOption);
    m_landscape = parser.isSet(landscapeOption);
    m_borderless = parser.isSet(borderlessOption);
    m_fit = parser.isSet(fitOption);
    m_noCredit = parser.isSet(noCreditOption);
    m_cutGuides = parser.isSet(guidesOption);
    m_emptyPages = parser.isSet(emptyOption);
    m_stampDate = parser.isSet(stampDateOption);
    m_stampFileName = parser.isSet(stampNameOption);
    m_logo = parser.value(logoOption);
    if (parser.isSet(logoOption) && m_logo.isEmpty()) {
        m_error = QObject::tr("The name of the logo file is empty.");
        return;
    }
    m_images = parser.positionalArguments();
    m_saveFile = parser.value(saveOption);
    if (!parseColour(parser.isSet(profileOption) ? parser.value(profileOption) : QString(),
                     parser.isSet(intentOption) ? parser.value(intentOption) : QString()))
        return;
    if ((parser.isSet(profileOption) || parser.isSet(intentOption)) && !parser.isSet(exportOption)
        && !parser.isSet(pdfOption) && !parser.isSet(printOption)) {
        m_error = QObject::tr("--output-profile and --intent apply to --export-jpeg, --print-pdf and --print.");
        return;
    }
    m_list = parser.isSet(listOption);
    m_order = parser.value(orderOption);
    m_package = parser.value(packageOption);
    m_gutter = parser.value(gutterOption);
    if (m_list) {
        if (m_images.size() != 1 || !projectInput()) {
            m_error = QObject::tr("--list takes one project file.");
            return;
        }
        m_mode = Mode::Output;
        return;
    }
    if (!parser.isSet(exportOption) && !parser.isSet(pdfOption) && !parser.isSet(printOption)
        && !parser.isSet(saveOption)) {
        m_error = QObject::tr("Give --export-jpeg BASE, --print-pdf FILE, --print PRINTER or --save FILE with these options.");
        return;
    }
    if ((parser.isSet(exportOption) && m_exportBase.isEmpty()) || (parser.isSet(pdfOption) && m_pdfFile.isEmpty())
        || (parser.isSet(printOption) && m_printer.isEmpty()) || (parser.isSet(saveOption) && m_saveFile.isEmpty())) {
        m_error = QObject::tr("The name of the output is empty.");
        return;
    }
    if (parser.isSet(copiesOption) && !parser.isSet(printOption)) {
        m_error = QObject::tr("--copies applies to --print only: a PDF or JPEG file is written once.");
        return;
    }
    if (!m_photoSize.isEmpty() && !m_layout.isEmpty()) {
        m_error = QObject::tr("Give either --photo-size or --layout, not both.");
        return;
    }
    if ((parser.isSet(orderOption) && m_order.isEmpty()) || (parser.isSet(packageOption) && m_package.isEmpty())) {
        m_error = QObject::tr("The order is empty.");
        return;
    }
    if (orderInput() && (!m_photoSize.isEmpty() || !m_layout.isEmpty())) {
        m_error = QObject::tr("An order makes its own pages: give neither --photo-size nor --layout with it.");
        return;
    }
    if (!orderInput() && parser.isSet(gutterOption)) {
        m_error = QObject::tr("--gutter applies to --order and --package only.");
        return;
    }
    if (!m_order.isEmpty() && m_package.isEmpty() && !m_images.isEmpty()) {
        m_error = QObject::tr("The order file names its photographs: give images with --package only.");
        return;
    }
    if (!m_package.isEmpty() && m_images.isEmpty()) {
        m_error = QObject::tr("--package needs the images to print.");
        return;
    }
    if (m_images.isEmpty() && m_order.isEmpty()) {
        m_error = QObject::tr("No images given.");
        return;
    }
    if ((m_images.size() > 1 || orderInput())
        && std::any_of(m_images.cbegin(), m_images.cend(), Shell::isProjectPath)) {
        m_error = QObject::tr("A project is given alone, without images or other projects.");
        return;
    }
    m_mode = Mode::Output;
}

bool CommandLine::parseColour(const QString &profileFile, const QString &intent)
{
    if (!intent.isEmpty() && !intentFromName(intent, &m_colour.intent)) {
        m_error = QObject::tr("Unknown rendering intent %1: give perceptual, relative, saturation or absolute.").arg(intent);
        return false;
    }
    m_intentGiven = !intent.isEmpty();
    if (profileFile.isEmpty())
        return true;
    QString problem;
    m_colour.profile = ColourProfile::fromFile(profileFile, &problem);
    if (m_colour.profile.isNull()) {
        m_error = QObject::tr("The output profile %1 cannot be used: %2").arg(profileFile, problem);
        return false;
    }
    m_profileGiven = true;
    return true;
}

ColourTarget CommandLine::colourTarget(const UserSettings &st) const
{
    if (m_profileGiven)
        return m_colour;
    // The paper's own profile, perhaps with another intent.
    ColourTarget target = st.page.paperColour().target();
    if (m_intentGiven)
        target.intent = m_colour.intent;
    return target;
}

bool CommandLine::configure(UserSettings &st, Document &document)
{
    PageSetup d = st.page.pageSetup;
    if (!m_unit.isEmpty()) {
        const QString u = m_unit.toLower();
        const int unit = u == QLatin1String("mm") ? PageSetup::Millimetre
                         : u == QLatin1String("cm") ? PageSetup::Centimetre
                         : u == QLatin1String("in") ? PageSetup::Inch
                                                     : -1;
        if (unit < 0)
            return refuse(QObject::tr("Unknown unit %1: use mm, cm or in.").arg(m_unit));
        if (unit != d.unit) {
            for (double *v : {&d.top, &d.bottom, &d.left, &d.right, &d.width, &d.height})
                *v = PaperCatalogue::convert(*v, d.unit, unit);
            d.unit = unit;
            if (d.paperSize > 0)
                setNamedPaper(d, d.paperSize);
        }
    }
    if (!m_paper.isEmpty()) {
        double w = 0, h = 0;
        if (parsePair(m_paper, w, h)) {
            if (!withinLimit(w, h))
                return refuse(QObject::tr("Paper %1 is too large: each side can be at most %2 of the unit.")
                                  .arg(m_paper).arg(MaximumLength));
            d.paperSize = 0;
            d.width = w;
            d.height = h;
            d.orientation = w > h ? 1 : 0;
        } else {
            int found = 0;
            for (int i = 1; i < PaperCatalogue::Count && !found; ++i)
                if (PaperCatalogue::label(i, d.unit).section(QLatin1Char(' '), 0, 0).compare(m_paper, Qt::CaseInsensitive) == 0)
                    found = i;
            if (!found)
                return refuse(QObject::tr("Unknown paper %1: give a catalogue paper such as A4 or Letter, or "
                                          "WIDTHxHEIGHT in the unit.").arg(m_paper));
            setNamedPaper(d, found);
        }
    }
    if (m_landscape) {
        d.orientation = 1;
        if (d.width < d.height)
            std::swap(d.width, d.height);
    }
    if (m_borderless)
        d.borderless = true;
    if (!m_margins.isEmpty()) {
        bool ok = false;
        const double m = m_margins.toDouble(&ok);
        if (!ok || !std::isfinite(m) || m < 0)
            return refuse(QObject::tr("Margins must be a number of zero or more: %1.").arg(m_margins));
        // Margins that meet leave nothing to print on.
        if (2 * m >= qMin(d.width, d.height))
            return refuse(QObject::tr("Margins of %1 leave no printable area on a paper of %2 x %3.")
                              .arg(m_margins).arg(d.width).arg(d.height));
        d.top = d.bottom = d.left = d.right = m;
    }
    if (!applyQuality(st))
        return false;
    st.adoptPageSetup(d);
    st.layout.autoCropEnabled = !m_fit;
    if (!configureOverlays(st))
        return false;
    return orderInput() ? chooseOrderPage(st, document) : chooseLayout(st, document);
}

bool CommandLine::configureOverlays(UserSettings &st)
{
    // The switches put the stamp and the logo at their default place and
    // size, whatever the window's last Stamp or Logo command stored.
    if (m_noCredit)
        st.page.printCredit = false;
    if (m_cutGuides)
        st.page.cutGuides = true;
    if (m_stampDate || m_stampFileName) {
        st.stamp = StampDefaults();
        st.stamp.printDateStamp = m_stampDate;
        st.stamp.printFileName = m_stampFileName;
    }
    if (m_logo.isEmpty())
        return true;
    const QFileInfo info(m_logo);
    Outcome read = checkImageFile(info).told(UnreadLogo);
    if (read && decodeImage(ImageSource().bytes(m_logo)).isNull())
        read = Outcome::failure(UnreadLogo, QObject::tr("The file is not an image"));
    if (!read)
        return fail(read.readMessage(m_logo));
    st.logo = LogoDefaults();
    st.logo.printLogo = true;
    st.logo.fileName = info.absoluteFilePath();
    return true;
}

bool CommandLine::applyQuality(UserSettings &st)
{
    if (m_quality.isEmpty())
        return true;
    bool ok = false;
    const int q = m_quality.toInt(&ok);
    if (!ok || q < 0 || q > 100)
        return refuse(QObject::tr("JPEG quality must be a whole number from 0 to 100: %1.").arg(m_quality));
    st.exports.jpegQuality = q;
    return true;
}

bool CommandLine::chooseLayout(UserSettings &st, Document &document)
{
    LayoutCatalogue catalogue;
    LayoutCatalogue::Source source;
    source.setup = st.page.pageSetup;
    source.sizes = st.page.pageSetup.unit == PageSetup::Inch ? st.page.sizesIN : st.page.sizesMM;
    source.placingClosely = st.layout.placingClosely;
    source.paperName = st.page.paperName;
    source.unitSuffix = st.page.unitSuffix;
    source.documentsFolder = st.layout.documentsFolder;
    // Only the layout asked for is made: a photo size given here needs only
    // its own grid (neither the stored sizes' grids nor the layout files are
    // made or read), a layout named here or remembered only the entries of
    // that name. All of them are made only to list them after a wrong name.
    const QString wanted = m_layout.trimmed();
    if (!m_photoSize.isEmpty()) {
        source.sizes.clear();
        source.userLayouts = false;
        catalogue.build(source);
    } else if (!m_layout.isEmpty()) {
        catalogue.build(source, [&](const QString &name) {
            return name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
        });
    } else {
        // The first entry of the remembered name is the one taken.
        const QString remembered = st.layout.pageFormatName;
        bool found = false;
        catalogue.build(source, [&](const QString &name) {
            if (found || !LayoutCatalogue::matchesRemembered(name, remembered))
                return false;
            return found = true;
        });
    }
    for (const QString &problem : catalogue.problems())
        warn(problem);
    if (!catalogue.usable())
        return refuse(QObject::tr("The printable area of this paper is too small: no layout can be offered."));

    Page layout;
    if (!m_photoSize.isEmpty()) {
        double s = 0, l = 0;
        if (!parsePair(m_photoSize, s, l))
            return refuse(QObject::tr("Photo size must be SHORTxLONG, two numbers above zero: %1.").arg(m_photoSize));
        if (!withinLimit(s, l))
            return refuse(QObject::tr("Photo size %1 is too large: each side can be at most %2 of the unit.")
                              .arg(m_photoSize).arg(MaximumLength));
        const Page &base = catalogue.base();
        const int scale = catalogue.unitScale();
        layout = catalogue.uprightGrid(base.printableWidth(), base.printableHeight(), roundHalfUp(qMin(s, l) * scale),
                                       roundHalfUp(qMax(s, l) * scale));
        if (layout.frames.isEmpty())
            return refuse(QObject::tr("Photos of %1 do not fit on the paper %2.").arg(m_photoSize, st.page.paperName));
    } else if (!m_layout.isEmpty()) {
        for (const Page &entry : catalogue.entries()) {
            if (entry.title.trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
                layout = entry;
                break;
            }
        }
        QStringList names;
        if (layout.frames.isEmpty()) {
            // The grids by name alone, without their frames; the layout
            // files read, so that only those this paper can use are named.
            QStringList grids;
            LayoutCatalogue::Source sizesOnly = source;
            sizesOnly.userLayouts = false;
            catalogue.build(sizesOnly, [&](const QString &name) {
                grids << name.trimmed();
                return false;
            });
            const int fixed = catalogue.entries().size();
            LayoutCatalogue::Source filesOnly = source;
            filesOnly.sizes.clear();
            catalogue.build(filesOnly);
            for (int i = 0; i < catalogue.entries().size(); ++i) {
                names << catalogue.entries().at(i).title.trimmed();
                if (i + 1 == fixed)
                    names << grids;
            }
        }
        if (layout.frames.isEmpty())
            return refuse(QObject::tr("Unknown layout %1. Layouts for the paper %2:\n%3")
                            .arg(m_layout, st.page.paperName, names.join(QLatin1Char('\n'))));
    } else {
        layout = catalogue.entries().value(catalogue.currentRow(st.layout.pageFormatName));
        if (layout.frames.isEmpty())
            return refuse(QObject::tr("No layout fits the paper %1.").arg(st.page.paperName));
    }
    for (PhotoFrame &f : layout.frames)
        f.applyDefaults(st.stamp, st.logo, true);
    document.templatePage = layout;
    return true;
}

QVector<IconItem> CommandLine::rowsAsRead(QVector<IconItem> rows, const QVector<Page> &pages)
{
    // The frames read each photograph as they were filled: its size as it is
    // shown, its turn and the date it was taken.
    QHash<QString, const PhotoFrame *> shown;
    QHash<QString, int> uses;
    for (const Page &page : pages)
        for (const PhotoFrame &f : page.frames)
            if (!f.isEmpty() && ++uses[f.fileName] == 1)
                shown.insert(f.fileName, &f);
    for (IconItem &row : rows) {
        row.useCount = uses.value(row.fileName);
        const PhotoFrame *f = shown.value(row.fileName);
        if (!f || f->cache.preview.isNull())
            continue;
        row.state = IconItem::State::Decoded;
        row.imageWidth = f->imageWidth;
        row.imageHeight = f->imageHeight;
        row.rotation = f->rotation;
        row.shotTime = f->shotTime;
    }
    return rows;
}

bool CommandLine::arrange(Document &document, const UserSettings &st)
{
    if (orderInput())
        return arrangeOrder(document, st);
    QVector<IconItem> items;
    for (const QString &path : m_images) {
        const QFileInfo info(path);
        if (const Outcome read = checkImageFile(info); !read)
            return fail(read.readMessage(path));
        // The dates as the image lists take them: a photograph without a
        // date of its own is stamped with its file's date, as in the window.
        items << IconsModel::itemFromFile(info);
    }
    return fillPages(document, st, items, [&](ArrangeEngine &engine) { engine.arrangeAll(items); });
}

bool CommandLine::fillPages(Document &document, const UserSettings &st, const QVector<IconItem> &rows,
                            const std::function<void(ArrangeEngine &)> &lay)
{
    ArrangeEngine engine(document);
    ArrangeOptions options;
    options.autoCrop = st.layout.autoCropEnabled;
    options.stamp = st.stamp;
    options.logo = st.logo;
    // The pages are drawn from the files themselves: a preview only needs to
    // tell the photograph's shape, so thousands of photos stay cheap.
    options.previewWidthLimit = 64;
    engine.setOptions(options);
    lay(engine);
    m_rows = rowsAsRead(rows, document.pages());
    return photographsReadable(document);
}

bool CommandLine::photographsReadable(const Document &document)
{
    // Every photograph that cannot be read is named, each once; a damaged
    // one is printed as far as it goes, and named too.
    QSet<QString> named;
    QString unreadable;
    for (const Page &page : document.pages())
        for (const PhotoFrame &f : page.frames) {
            if (f.isEmpty() || (!f.cache.preview.isNull() && !isDamage(f.cache.fault)) || named.contains(f.fileName))
                continue;
            named.insert(f.fileName);
            const QString reason = faultText(f.cache.fault, QSize(f.imageWidth, f.imageHeight));
            if (!f.cache.preview.isNull()) {
                warn(QStringLiteral("%1: %2.").arg(f.fileName, reason));
                continue;
            }
            if (!unreadable.isEmpty())
                warn(unreadable);
            unreadable = Outcome::failure(UnreadImage, reason.isEmpty() ? QObject::tr("The image cannot be decoded") : reason)
                             .readMessage(f.fileName);
        }
    return unreadable.isEmpty() || fail(unreadable);
}
