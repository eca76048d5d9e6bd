#pragma once

#include <functional>

class Arrange;
class QString;
struct UserSettings;
class QWidget;

// The JPEG export command of the main window: the base name, the ExportDialog
// dialog, the pages of the chosen mode written one after another with
// progress, and the report of a file that could not be written.
namespace ExportCommand {

// `status` shows a text in the status bar (an empty text clears it).
// False when there was nothing to export or the file dialog was cancelled.
bool run(QWidget *window, Arrange &arrange, UserSettings &settings,
         const std::function<void(const QString &)> &status);

} // namespace ExportCommand
