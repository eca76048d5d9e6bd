#pragma once

#include "arrange/RenderOptions.h"

#include "app/PrintPlan.h"
#include "platform/Outcome.h"

#include <QList>
#include <QRectF>
#include <QVector>

#include <functional>

class QPrinter;
struct Page;

// Printing pages on a QPrinter: the printer set-up from the page setup and
// the drawing of print jobs. No dialogs; the print command and the command
// line share it.
namespace PrintJob {

// The resolutions pages are printed at (dots per inch): the highest the
// printer offers up to the maximum, never under the minimum.
constexpr int MinimumResolution = 600;
constexpr int MaximumResolution = 1200;

// The resolution for a printer offering `supported`.
int resolutionFor(const QList<int> &supported);

// Paper size, margins (full page when borderless), orientation, resolution
// and document name.
void setUp(QPrinter &printer, const PrintPlan::Paper &paper);

// Where the printable part of `page` lies for a painter on `printer`, in
// the painter's coordinates, at its true size and place on the paper.
QRectF pageArea(const QPrinter &printer, const Page &page);

// Called before each page is drawn with the number of pages done so far,
// the number of pages in all jobs and the 0-based index of the page about to
// be drawn; returning false cancels the printing.
using Progress = std::function<bool(int done, int total, int pageIndex)>;

struct Result
{
    int pagesPrinted = 0; // pages of the jobs handed over complete
    int jobsSent = 0;
    bool cancelled = false;
    Outcome outcome; // a job that could not be started or finished says why
};

// Prints `jobs` (lists of indices into `pages`): each job is begun, its
// pages drawn one to a sheet, and handed over whole (see PrintOutput); a
// cancelled or failed job leaves nothing behind and ends the printing (a
// failure is logged). The
// printer's copy count is 1 while it prints (every copy is one of the jobs)
// and is restored afterwards.
Result print(QPrinter &printer, const QVector<Page> &pages, const QVector<QList<int>> &jobs,
             const Progress &progress = Progress(), const RenderOptions &options = RenderOptions());

} // namespace PrintJob
