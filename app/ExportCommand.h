#pragma once

#include <functional>

class Arrange;
class QString;
struct UserSettings;
class QWidget;

// The export commands of the main window: the file name, the ExportDialog
// dialog, the question about photographs of low resolution, the pages of the
// chosen mode written with progress, and the report of a file that could not
// be written. JPEG writes a file per page, PDF one file through the print
// code.
namespace ExportCommand {

// `status` shows a text in the status bar (an empty text clears it).
// False when there was nothing to export or the file dialog was cancelled.
bool run(QWidget *window, Arrange &arrange, UserSettings &settings,
         const std::function<void(const QString &)> &status);
bool runPdf(QWidget *window, Arrange &arrange, UserSettings &settings,
            const std::function<void(const QString &)> &status);

} // namespace ExportCommand
