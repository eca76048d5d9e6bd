#pragma once

#include <QAbstractPrintDialog>

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

} // namespace PrintCommand
