#pragma once

#include <functional>

class Arrange;
class QString;
class QStringList;
struct UserSettings;
class QWidget;

// The export commands of the main window: the file name, the ExportDialog
// dialog, the question about photographs of low resolution, the pages of the
// chosen mode written with progress, and the report of a file that could not
// be written. JPEG writes a file per page, PDF one file through the print
// code.
namespace ExportCommand {

// `status` shows a text in the status bar (an empty text clears it); an
// export that wrote something ends there with where it went.
// False when there was nothing to export or the file dialog was cancelled.
bool run(QWidget *window, Arrange &arrange, UserSettings &settings,
         const std::function<void(const QString &)> &status);
bool runPdf(QWidget *window, Arrange &arrange, UserSettings &settings,
            const std::function<void(const QString &)> &status);

// The status-bar texts of a finished export: where the JPEG `files` went
// (empty when none was written), and where the PDF of `pages` pages went.
QString jpegsWritten(const QStringList &files);
QString pdfWritten(int pages, const QString &file);

} // namespace ExportCommand
