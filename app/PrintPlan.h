#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QVector>

struct PageSetup;

// What gets printed and how the printer is set up, without a printer: the
// paper from the page setup, the chosen pages in print order and their
// division into print jobs.
namespace PrintPlan {

// The paper handed to the printer.
struct Paper
{
    QSizeF sizeMm;             // portrait order: width is the short side
    QPageSize::PageSizeId named = QPageSize::Custom; // the catalogue paper, Custom for a typed size
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool fullPage = false;     // borderless
    QMarginsF marginsMm;       // zero when borderless
};

// The page setup as the printer gets it. For landscape the record holds the
// paper as laid on the page; the printer gets it in portrait order with the
// long side truncated to whole millimetres.
Paper paperFor(const PageSetup &setup);

// The page size to set on the printer for `paper`: the named size when the
// millimetres are exactly those of a standard size, a custom size otherwise.
QPageSize pageSizeFor(const Paper &paper);

enum class Range { AllPages, Selection, PageRange, CurrentPage };

// The print dialog's page set: every page, or the odd or even page numbers.
enum class PageSet { All, Odd, Even };
PageSet pageSetFrom(const QString &text); // "odd", "even", anything else all

struct Choice
{
    Range range = Range::AllPages;
    int fromPage = 0; // 1-based as the print dialog gives them; 0 = not set
    int toPage = 0;
    QList<int> selection; // 0-based rows in selection order
    int currentPage = -1; // 0-based, -1 when there is none
    bool lastPageFirst = false;
    // The dialog's free-text pages ("1-3,5,7-", 1-based; empty = no limit)
    // and page set; they narrow the chosen pages, which keep their order.
    QString pageRanges;
    PageSet pageSet = PageSet::All;
};

// 0-based page indices in the order they are printed. A current page that
// does not exist, a range starting after the last page or ending before it
// starts give nothing; a range end past the last page is clipped. Page
// ranges without a valid page number give nothing.
QList<int> pages(const Choice &choice, int pageCount);

// The print jobs, each a list of 0-based page indices, for `copies` copies
// of `pages` with at most `jobMax` pages a job (values under 1 count as 1).
// Every copy is a job of its own. Collated, each copy runs through all pages
// and is split into jobs; not collated, each run of at most `jobMax` pages is
// printed `copies` times before the next run starts. No copies, no jobs.
QVector<QList<int>> jobs(const QList<int> &pages, int copies, bool collate, int jobMax);

// All jobs as one: printing into a file, where each new job would replace
// the file written by the one before.
QVector<QList<int>> oneJob(const QVector<QList<int>> &jobs);

} // namespace PrintPlan
