#pragma once

#include "app/PrintPlan.h"

#include <QAbstractPrintDialog>
#include <QString>

class Arrange;
class QPrinter;
class QWidget;
struct UserSettings;

// The print command of the main window: the printer set up from the page
// setup, the saved printer, the print dialog, the choice of pages and the
// print jobs with their progress.
namespace PrintCommand {

void run(QWidget *window, QPrinter &printer, Arrange &arrange, UserSettings &settings);

// What the print dialog offers: page range, selection, current page, paper
// size, printing into a file and collation of copies.
QAbstractPrintDialog::PrintDialogOptions dialogOptions();

// The pages the accepted print dialog chose on `printer`. The print
// service's page options are taken off the printer.
PrintPlan::Choice choiceFrom(QPrinter &printer, const QList<int> &selection, int currentPage);

// The notice after Cancel, with the pages of the jobs finished before.
QString cancelText(int pagesSent);

} // namespace PrintCommand
