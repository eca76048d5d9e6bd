#include "platform/Program.h"
#include "app/PrintJob.h"

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
    if (printer.resolution() < MinimumResolution)
        printer.setResolution(MinimumResolution);
    printer.setDocName(Program::name());
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
    for (const QList<int> &job : jobs) {
        QPainter painter;
        if (!painter.begin(&printer)) {
            result.failed = true;
            break;
        }
        bool first = true;
        for (int index : job) {
            if (progress && !progress(result.pagesPrinted, total, index)) {
                result.cancelled = true;
                break;
            }
            if (!first)
                printer.newPage();
            first = false;
            if (index >= 0 && index < pages.size()) {
                const Page &page = pages.at(index);
                PageRenderer::drawPage(painter, page, pageArea(printer, page), options);
            }
            ++result.pagesPrinted;
        }
        if (result.cancelled) {
            printer.abort();
            painter.end();
            break;
        }
        painter.end();
        ++result.jobsSent;
    }
    printer.setCopyCount(copies);
    return result;
}

} // namespace PrintJob
