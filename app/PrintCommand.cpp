#include "platform/Program.h"
#include "app/PrintCommand.h"

#include "app/UserSettings.h"
#include "app/BufferReuse.h"
#include "app/OutputProgress.h"
#include "app/PrintJob.h"
#include "app/Shell.h"
#include "arrange/Arrange.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

PrintPlan::Range rangeOf(QPrinter::PrintRange range)
{
    switch (range) {
    case QPrinter::Selection: return PrintPlan::Range::Selection;
    case QPrinter::PageRange: return PrintPlan::Range::PageRange;
    case QPrinter::CurrentPage: return PrintPlan::Range::CurrentPage;
    default: return PrintPlan::Range::AllPages;
    }
}

} // namespace

namespace PrintCommand {

QAbstractPrintDialog::PrintDialogOptions dialogOptions()
{
    // Printing into a PDF file and collating copies are choices of the
    // dialog itself on this platform: without them it offers no file and
    // hides the collation box.
    return QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange
           | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCurrentPage
           | QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies;
}

void run(QWidget *window, QPrinter &printer, Arrange &arrange, UserSettings &st)
{
    const int n = arrange.pageCount();
    if (n == 0)
        return;
    const QList<int> selection = arrange.selectedPageIndexes();
    QPrintDialog dialog(&printer, window);

    // A saved printer that is gone gives way to the one the printer had.
    const QString remembered = printer.printerName();
    if (!st.page.printerName.isEmpty()) {
        printer.setPrinterName(st.page.printerName);
        if (!printer.isValid()) {
            printer.setPrinterName(remembered);
            st.page.printerName = remembered;
        }
    }
    const PrintPlan::Paper paper = PrintPlan::paperFor(st.page.pageSetup);
    PrintJob::setUp(printer, paper);

    dialog.setMinMax(1, n);
    dialog.setOptions(dialogOptions());
    if (dialog.exec() != QDialog::Accepted)
        return;
    st.page.printerName = printer.printerName();
    printer.setPageSize(PrintPlan::pageSizeFor(paper));

    PrintPlan::Choice choice;
    choice.range = rangeOf(printer.printRange());
    choice.fromPage = printer.fromPage();
    choice.toPage = printer.toPage();
    choice.selection = selection;
    choice.currentPage = arrange.currentPageIndex();
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    const QList<int> pages = PrintPlan::pages(choice, n);
    if (pages.isEmpty()) {
        if (choice.range == PrintPlan::Range::CurrentPage)
            QMessageBox::information(window, Program::name(),
                                     QObject::tr("There is no current page to print."));
        return;
    }
    QVector<QList<int>> jobs =
        PrintPlan::jobs(pages, printer.copyCount(), printer.collateCopies(), st.page.printJobMax);
    if (!printer.outputFileName().isEmpty())
        jobs = PrintPlan::oneJob(jobs);

    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    int total = 0;
    for (const QList<int> &job : jobs)
        total += job.size();
    const BufferReuse reuse;
    OutputProgress progress(window, total);
    const PrintJob::Result result = PrintJob::print(
        printer, arrange.document().pages, jobs, [&progress](int done, int all, int index) {
            return progress.step(done, QObject::tr("Printing page %1 (%2 of %3)").arg(index + 1).arg(done + 1).arg(all));
        },
        arrange.renderOptions());
    QApplication::restoreOverrideCursor();
    if (result.failed)
        QMessageBox::warning(window, Program::name(),
                             QObject::tr("The printer %1 could not start a print job.").arg(printer.printerName()));
}

} // namespace PrintCommand
