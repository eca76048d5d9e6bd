#pragma once

#include <QString>
#include <QHash>
#include <QStringList>
#include <QVector>

#include "library/ColourTarget.h"
#include <functional>

#include "library/ImageSource.h"
#include "library/IconItem.h"
#include "formats/OrderPacker.h"
#include "platform/Outcome.h"

class QFileInfo;
struct PageSetup;
struct RenderOptions;
struct UserSettings;
class Document;
class ArrangeEngine;
struct Page;

// The command line. Plain paths open in the main window as always; the
// options write the pages of the given images without a window:
//
//   velmora --export-jpeg BASE [options] IMAGE...   BASE001.jpg, BASE002.jpg, ...
//   velmora --print-pdf FILE [options] IMAGE...     one PDF through the print code
//   velmora --print PRINTER [--copies N] [options] IMAGE...   a system printer
//   velmora --save OUT.vm2 [options] IMAGE...       a project with the images inside
//   velmora --list IN.vm2                           the project as JSON
//
// In place of the images a saved project may be given: its pages are written
// as they are (no new arrangement, the copies inside it stand in for moved
// or deleted photographs; page and layout options do not apply, --quality
// does), and --save writes it again as File - Save As does.
//
// --stamp-date, --stamp-file-name and --logo FILE print the date taken, the
// file name and a logo on every photograph (at their default place and
// size); --no-credit leaves the credit line off; --cut-guides adds trim
// marks beside the photographs. --output-profile FILE.icc converts the
// photographs to that printer profile (and embeds it in JPEG files) instead
// of sRGB or the paper's profile from the settings, with --intent perceptual,
// relative, saturation or absolute. A photograph that will print below 150 ppi
// is named in a warning on standard error (the run still succeeds); one
// that cannot be read at all is named and the run fails. Pages without a
// photograph are left out unless --empty-pages asks for them.
//
// An order packs prints of several sizes and counts onto the fewest sheets,
// a gutter apart (--gutter, 2 mm unless given), each sheet cuttable with
// straight cuts: --order FILE.csv reads lines PHOTO,WIDTHxHEIGHT,COUNT
// (sizes in the unit, photographs relative to the file's folder);
// --package SxL:N[,SxL:N...] orders every IMAGE in each size and count.
//
// The images are laid out as the arrange command lays them ("Add Images") on
// the stored page setup and layout, changed by the options; nothing is
// written back to the settings.
class CommandLine
{
public:
    enum class Mode { Window, Help, Version, Output, Error };

    // True when `args` (without the program name) hold one of the options
    // before a "--"; otherwise they are paths for the window.
    static bool hasOptions(const QStringList &args);
    // The paths for the window: `args` without the first "--".
    static QStringList windowPaths(const QStringList &args);

    // Parses `args` (without the program name).
    void parse(const QStringList &args);
    Mode mode() const { return m_mode; }
    QString error() const { return m_error; }
    QString helpText() const { return m_help; }
    QString exportBase() const { return m_exportBase; }
    QString pdfFile() const { return m_pdfFile; }
    QString printerName() const { return m_printer; }
    QStringList images() const { return m_images; }
    // True when the last failure was an unusable argument (exit code 2).
    bool unusableArguments() const { return m_unusableArguments; }
    QString saveFile() const { return m_saveFile; }
    // The input is one saved project instead of images.
    bool projectInput() const;
    // The input is an order (--order or --package).
    bool orderInput() const;

    // Applies the options to the values read from the settings: page setup,
    // crop rule, quality, and the layout as template. False with error().
    // The chosen layout becomes `document`'s template.
    bool configure(UserSettings &state, Document &document);
    // Lays the images out into `document`; false with error() when an image
    // cannot be read.
    bool arrange(Document &document, const UserSettings &state);
    // Reads the project given as input, makes its page setup the one in
    // force and its pages (and copies) the document's; false with error().
    bool openProject(UserSettings &state, Document &document);
    // False when a photograph of the pages cannot be read: each is named on
    // standard error, the last as the failure.
    bool photographsReadable(const Document &document);

    // The whole run without a window, on the user's stored settings:
    // parses `args`, then prints the help or version, or configures,
    // arranges and writes. One line per page written on standard output,
    // errors on standard error. Returns the exit code: 0 done, 1 failed,
    // 2 unusable arguments.
    static int execute(const QStringList &args);

private:
    bool fail(const QString &message);
    // Reads --output-profile and --intent; false with error() when the
    // profile cannot be used or the intent has no such name.
    bool parseColour(const QString &profileFile, const QString &intent);
    // The colours the pages go out in: the profile given, else the paper's.
    ColourTarget colourTarget(const UserSettings &st) const;
    // A failure caused by what the user typed.
    bool refuse(const QString &message);
    // Whether the file of `info` can be laid out as an image; a failure says
    // why not (missing, not a plain file, not an image, too large by its
    // header).
    static Outcome checkImageFile(const QFileInfo &info);
    // A line on standard error about something the run goes on without.
    static void warn(const QString &message);
    bool chooseLayout(UserSettings &state, Document &document);
    // "WxH" with two numbers above zero.
    static bool parsePair(const QString &text, double &a, double &b);
    // The paper without frames as the template of an order's pages, and
    // the order read and checked against its printable area.
    bool chooseOrderPage(UserSettings &state, Document &document);
    bool readOrder(const Page &base, int scale);
    // One print of the order, checked: `where` names the line or value.
    bool addPrint(const QString &where, const QString &photo, const QString &size, const QString &count,
                  const Page &base, int scale);
    bool arrangeOrder(Document &document, const UserSettings &state);
    // Lays the pages out through `lay` on an engine set up as the options
    // say, then checks every photograph was read; `rows` is the selection
    // list saved with the pages.
    bool fillPages(Document &document, const UserSettings &state, const QVector<IconItem> &rows,
                   const std::function<void(ArrangeEngine &)> &lay);
    // The credit line, the stamp and the logo as the options say.
    bool configureOverlays(UserSettings &state);
    // --quality, when given, becomes the JPEG quality in force.
    bool applyQuality(UserSettings &state);
    // False with error() when an output file lies in a missing folder or
    // names something other than a plain file (a pipe, a folder, a device).
    bool outputsReachable();
    // The indices of the pages that go out: those holding a photograph, or
    // every page with --empty-pages.
    QList<int> outputPages(const Document &document) const;
    bool exportPages(const Document &document, int quality, const RenderOptions &options);
    bool printPdf(const Document &document, const PageSetup &setup, const RenderOptions &options);
    bool printOn(const Document &document, const PageSetup &setup, int jobMax, const RenderOptions &options);
    bool saveProject(const UserSettings &state, const Document &document);
    // The selection rows as the window saves them once its panel has read
    // the photographs: state, size as shown, turn, date taken, use count;
    // taken from the frames of `pages`, which read each file.
    static QVector<IconItem> rowsAsRead(QVector<IconItem> rows, const QVector<Page> &pages);
    bool listProject();

    Mode m_mode = Mode::Window;
    QString m_error;
    QString m_help;
    QString m_exportBase;
    QString m_pdfFile;
    QString m_printer;
    int m_copies = 1;
    QString m_paper;
    QString m_unit;
    QString m_margins;
    QString m_photoSize;
    QString m_layout;
    QString m_quality;
    bool m_landscape = false;
    bool m_borderless = false;
    bool m_fit = false;
    bool m_noCredit = false;
    bool m_cutGuides = false;
    bool m_emptyPages = false;
    bool m_stampDate = false;
    bool m_stampFileName = false;
    QString m_logo;
    QString m_order;
    QString m_package;
    QString m_gutter;
    qint32 m_gutterLength = 200; // hundredths of a millimetre
    QVector<OrderPrint> m_prints;
    QStringList m_images;
    bool m_unusableArguments = false;
    QString m_saveFile;
    bool m_list = false;
    QVector<IconItem> m_rows; // the selection list a saved project carries
    ColourTarget m_colour;
    bool m_profileGiven = false;
    bool m_intentGiven = false;
};
