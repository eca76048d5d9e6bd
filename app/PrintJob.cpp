#include "platform/Program.h"
#include "app/PrintJob.h"

#include "app/AppLog.h"
#include "app/PrintOutput.h"
#include "app/Shell.h"
#include "formats/Page.h"
#include "arrange/PageRenderer.h"

#include <QPainter>
#include <QPrinter>

namespace PrintJob {

void setUp(QPrinter &printer, const PrintPlan::Paper &paper)
{
    printer.setFullPage(paper.fullPage);
    printer.setPageMargins(paper.marginsMm, QPageLayout::Millimeter);
    printer.setPageSize(PrintPlan::pageSizeFor(paper));
    printer.setPageOrientation(paper.orientation);
    // Pages are drawn at the printer's resolution: a low one would place the
    // frames to the nearest dot and hand the photographs over reduced to it.
    printer.setResolution(resolutionFor(printer.supportedResolutions()));
    printer.setDocName(Program::name());
}

int resolutionFor(const QList<int> &supported)
{
    int best = MinimumResolution;
    for (int dpi : supported)
        if (dpi <= MaximumResolution)
            best = qMax(best, dpi);
    return best;
}

QRectF pageArea(const QPrinter &printer, const Page &page)
{
    // The painter's origin is the paper's corner on a full page, else the
    // corner of the printer's printable area.
    const QPageLayout layout = printer.pageLayout();
    const QPointF origin = printer.fullPage() ? QPointF() : layout.paintRect(QPageLayout::Millimeter).topLeft();
    const double dotsPerMm = printer.resolution() / 25.4;
    const QRectF mm(page.left / 100.0 - origin.x(), page.top / 100.0 - origin.y(), page.printableWidth() / 100.0,
                    page.printableHeight() / 100.0);
    return QRectF(mm.topLeft() * dotsPerMm, mm.size() * dotsPerMm);
}

Result print(QPrinter &printer, const QVector<Page> &pages, const QVector<QList<int>> &jobs,
             const Progress &progress, const RenderOptions &options)
{
    Result result;
    int total = 0;
    for (const QList<int> &job : jobs)
        total += job.size();
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    int drawn = 0;
    for (const QList<int> &job : jobs) {
        PrintOutput output(printer);
        output.setColourConverted(!options.colour.isSrgb());
        QPrinter *device = output.device();
        QPainter painter;
        if (!device || !painter.begin(device)) {
            const char *sentence = printer.outputFileName().isEmpty() ? PrintOutput::Unprinted : PrintOutput::PdfUnwritten;
            result.outcome = device ? Outcome::failure(sentence, QObject::tr("The printer %1 could not start a print job.")
                                                                     .arg(printer.printerName()))
                                    : output.outcome();
            break;
        }
        bool first = true;
        for (int index : job) {
            if (progress && !progress(drawn, total, index)) {
                result.cancelled = true;
                break;
            }
            if (!first)
                device->newPage();
            first = false;
            if (index >= 0 && index < pages.size()) {
                const Page &page = pages.at(index);
                PageRenderer::drawPage(painter, page, pageArea(*device, page), options);
            }
            ++drawn;
        }
        if (result.cancelled) {
            device->abort();
            painter.end();
            output.discard();
            break;
        }
        if (!output.finish(painter.end())) {
            result.outcome = output.outcome();
            break;
        }
        result.pagesPrinted += job.size();
        ++result.jobsSent;
    }
    printer.setCopyCount(copies);
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    result.outcome.logged(lcApp(), "print to", target);
    return result;
}

} // namespace PrintJob
