#include "platform/Program.h"
#include "app/PrintCommand.h"

#include "app/UserSettings.h"
#include "app/BufferReuse.h"
#include "app/LowResolutionQuestion.h"
#include "app/OutputProgress.h"
#include "app/PrintJob.h"
#include "app/PrintOutput.h"
#include "app/Shell.h"
#include "arrange/Arrange.h"

#include <QApplication>
#include <QCheckBox>
#include <QVBoxLayout>
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

// The program's own tab of the print dialog: the trim marks.
QWidget *velmoraTab(QWidget *dialog, bool cutGuides, QCheckBox *&box)
{
    auto *tab = new QWidget(dialog);
    tab->hide();
    tab->setObjectName(QStringLiteral("velmoraPrintTab"));
    tab->setWindowTitle(Program::name());
    box = new QCheckBox(QObject::tr("Trim marks for cutting"), tab);
    box->setObjectName(QStringLiteral("cutGuides"));
    box->setToolTip(QObject::tr("Short lines beside the photographs that continue their edges, "
                                "for cutting stacks of prints"));
    box->setChecked(cutGuides);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(box);
    layout->addStretch();
    return tab;
}

} // namespace

namespace PrintCommand {

PrintPlan::Choice choiceFrom(QPrinter &printer, const QList<int> &selection, int currentPage)
{
    PrintPlan::Choice choice;
    choice.range = rangeOf(printer.printRange());
    choice.fromPage = printer.fromPage();
    choice.toPage = printer.toPage();
    choice.selection = selection;
    choice.currentPage = currentPage;
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    // The dialog's free-text pages and page set are applied here, to the
    // whole document: left to the print service they would apply to each
    // job on its own.
    choice.pageRanges = PrintOutput::takeServiceOption(printer, QStringLiteral("page-ranges"));
    choice.pageSet = PrintPlan::pageSetFrom(PrintOutput::takeServiceOption(printer, QStringLiteral("page-set")));
    return choice;
}

QString cancelText(int pagesSent)
{
    return pagesSent == 0 ? QObject::tr("Printing was cancelled. Nothing was printed.")
                          : QObject::tr("Printing was cancelled. %n page(s) of finished jobs went to the printer.", "",
                                        pagesSent);
}

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
    QCheckBox *guides = nullptr;
    // The dialog puts the tab beside its own options.
    dialog.setOptionTabs({velmoraTab(&dialog, st.page.cutGuides, guides)});
    if (dialog.exec() != QDialog::Accepted)
        return;
    st.page.cutGuides = guides->isChecked();
    arrange.setCutGuides(st.page.cutGuides);
    st.page.printerName = printer.printerName();
    printer.setPageSize(PrintPlan::pageSizeFor(paper));
    // The printer chosen in the dialog may offer another resolution.
    printer.setResolution(PrintJob::resolutionFor(printer.supportedResolutions()));

    const PrintPlan::Choice choice = choiceFrom(printer, selection, arrange.currentPageIndex());
    const QList<int> pages = PrintPlan::pages(choice, n);
    if (pages.isEmpty()) {
        QMessageBox::information(window, Program::name(),
                                 choice.range == PrintPlan::Range::CurrentPage
                                     ? QObject::tr("There is no current page to print.")
                                     : QObject::tr("The chosen pages are not in the document: nothing was printed."));
        return;
    }
    if (!LowResolutionQuestion::confirm(window, arrange.document().pages(), pages,
                                        LowResolutionQuestion::Output::Print))
        return;
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
        printer, arrange.document().pages(), jobs, [&progress](int done, int all, int index) {
            return progress.step(done, QObject::tr("Printing page %1 (%2 of %3)").arg(index + 1).arg(done + 1).arg(all));
        },
        arrange.renderOptions());
    QApplication::restoreOverrideCursor();
    if (!result.outcome)
        QMessageBox::warning(window, Program::name(), result.outcome.text());
    else if (result.cancelled)
        QMessageBox::information(window, Program::name(), cancelText(result.pagesPrinted));
}

} // namespace PrintCommand
