// The command line's output: settings read, pages laid out, then JPEG
// files and a PDF written through the export and print code.
#include "app/CommandLine.h"

#include "app/UserSettings.h"
#include "app/BufferReuse.h"
#include "app/JpegExport.h"
#include "app/PdfExport.h"
#include "app/PrintJob.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "arrange/Document.h"
#include "arrange/PrintResolution.h"
#include "app/OutputSpace.h"
#include "platform/Outcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>

namespace {

const char *const Unreachable = QT_TRANSLATE_NOOP("QObject", "The pages cannot be written to that place.");

void printLine(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

// A line "OUTPUT: page N" for each page as it is printed.
PrintJob::Progress pageLines(const QString &output)
{
    return [output](int, int, int index) {
        printLine(stdout, QStringLiteral("%1: %2").arg(output, QObject::tr("page %1").arg(index + 1)));
        return true;
    };
}

} // namespace

QList<int> CommandLine::outputPages(const Document &document) const
{
    // A project of thousands of empty pages would write gigabytes of white.
    QList<int> pages;
    for (int i : PrintPlan::pages(PrintPlan::Choice(), document.pageCount()))
        if (m_emptyPages || document.page(i).filledFrameCount() > 0)
            pages << i;
    return pages;
}

bool CommandLine::exportPages(const Document &document, int quality, const RenderOptions &options)
{
    const QString base = JpegExport::baseName(m_exportBase);
    const int digits = JpegExport::digitsFor(document.pageCount());
    const QList<int> pages = outputPages(document);
    const QString first = JpegExport::fileName(base, pages.value(0) + 1, digits);
    if (const Outcome room = OutputSpace::check(first, OutputSpace::jpegBytes(document.pages(), pages)); !room)
        return fail(room.writeMessage(first));
    for (int i : pages) {
        const QString file = JpegExport::fileName(base, i + 1, digits);
        if (const Outcome written = JpegExport::exportPage(document.page(i), file, quality, options); !written)
            return fail(written.writeMessage(file));
        printLine(stdout, file);
    }
    return true;
}

bool CommandLine::outputsReachable()
{
    // Checked before the images are read, which may take long.
    const QString firstPage = JpegExport::fileName(JpegExport::baseName(m_exportBase), 1);
    for (const QString &file : {m_exportBase.isEmpty() ? QString() : firstPage, m_pdfFile}) {
        if (file.isEmpty())
            continue;
        const QFileInfo target(file);
        // Opening a pipe to write waits for a reader that may never come.
        if (target.exists() && !target.isFile())
            return fail(Outcome::failure(Unreachable, QObject::tr("Not a regular file")).writeMessage(file));
        if (!target.absoluteDir().exists())
            return fail(Outcome::failure(Unreachable, QObject::tr("No such folder")).writeMessage(file));
    }
    return true;
}

bool CommandLine::printPdf(const Document &document, const PageSetup &setup, const RenderOptions &options)
{
    const QString title = PdfExport::title(projectInput() ? m_images.first() : QString(), m_pdfFile);
    const QList<int> pages = outputPages(document);
    if (const Outcome room = OutputSpace::check(m_pdfFile, OutputSpace::pdfBytes(document.pages(), pages)); !room)
        return fail(room.writeMessage(m_pdfFile));
    const Outcome written = PdfExport::write(m_pdfFile, title, document.pages(), pages, setup, options,
                                             pageLines(m_pdfFile));
    if (!written)
        return fail(written.text());
    return true;
}

bool CommandLine::printOn(const Document &document, const PageSetup &setup, int jobMax,
                          const RenderOptions &options)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPrinterName(m_printer);
    if (!printer.isValid() || printer.printerName() != m_printer)
        return fail(QObject::tr("Unknown printer %1.").arg(m_printer));
    PrintJob::setUp(printer, PrintPlan::paperFor(setup));
    const QVector<QList<int>> jobs = PrintPlan::jobs(outputPages(document), m_copies, true, jobMax);
    const PrintJob::Result result = PrintJob::print(printer, document.pages(), jobs, pageLines(m_printer), options);
    if (!result.outcome)
        return fail(result.outcome.text());
    return true;
}

int CommandLine::execute(const QStringList &args)
{
    UserSettings st;
    QSettings settings(Settings::organisation(), Settings::application());
    settings.beginGroup(QStringLiteral("/Settings"));
    Settings::readStartValues(settings, st);
    Settings::readValues(settings, st);
    settings.endGroup();
    st.layout.documentsFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Velmora/");

    QTranslator translator;
    if (!st.shell.language.isEmpty()
        && translator.load(QStringLiteral("Velmora_") + st.shell.language,
                           Shell::dataFolder(QCoreApplication::applicationDirPath(), QStringLiteral("Translations"))))
        QCoreApplication::installTranslator(&translator);

    CommandLine line;
    line.parse(args);
    switch (line.mode()) {
    case Mode::Help:
        printLine(stdout, line.helpText().trimmed());
        return 0;
    case Mode::Version:
        printLine(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion());
        return 0;
    case Mode::Output:
        break;
    default:
        printLine(stderr, line.error());
        printLine(stderr, QObject::tr("Run with --help for the options."));
        return 2;
    }
    if (line.m_list) {
        if (line.listProject())
            return 0;
        printLine(stderr, line.m_error);
        return 1;
    }
    const BufferReuse reuse;
    Document document;
    bool ok = line.projectInput() ? line.outputsReachable() && line.openProject(st, document)
                                  : line.configure(st, document) && line.outputsReachable() && line.arrange(document, st);
    // The credit option as the settings and --no-credit left it.
    RenderOptions options;
    options.printFrame = st.page.printFrame;
    options.creditText = st.page.printCredit ? RenderOptions::creditFor(st.shell.language) : QString();
    options.source = document.source;
    options.cutGuides = st.page.cutGuides;
    options.colour = line.colourTarget(st);
    // Pages that go out name their photographs of low resolution.
    const bool printed = !line.m_exportBase.isEmpty() || !line.m_pdfFile.isEmpty() || !line.m_printer.isEmpty();
    if (ok && printed && line.outputPages(document).isEmpty())
        ok = line.fail(QObject::tr("No page holds a photograph; --empty-pages writes them all."));
    if (ok && printed)
        for (const QString &warning : PrintResolution::warnings(document.pages()))
            printLine(stderr, warning);
    ok = ok && (line.m_saveFile.isEmpty() || line.saveProject(st, document))
         && (line.m_exportBase.isEmpty() || line.exportPages(document, st.exports.jpegQuality, options))
         && (line.m_pdfFile.isEmpty() || line.printPdf(document, st.page.pageSetup, options))
         && (line.m_printer.isEmpty() || line.printOn(document, st.page.pageSetup, st.page.printJobMax, options));
    if (!ok) {
        printLine(stderr, line.m_error);
        return line.unusableArguments() ? 2 : 1;
    }
    return 0;
}
