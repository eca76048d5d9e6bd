#pragma once

class Arrange;
class QPrinter;
class QWidget;

// The print command of the main window: the printer set up from the page
// setup, the saved printer, the print dialog, the choice of pages and the
// print jobs with their progress.
namespace PrintCommand {

void run(QWidget *window, QPrinter &printer, Arrange &arrange);

} // namespace PrintCommand
