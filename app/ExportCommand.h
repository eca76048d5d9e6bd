#pragma once

#include <functional>

class Arrange;
class QString;
class QWidget;

// The JPEG export command of the main window: the base name, the JpgSet
// dialog, the pages of the chosen mode written one after another with
// progress, and the report of a file that could not be written.
namespace ExportCommand {

// `status` shows a text in the status bar (an empty text clears it).
// False when there was nothing to export or the file dialog was cancelled.
bool run(QWidget *window, Arrange &arrange, const std::function<void(const QString &)> &status);

} // namespace ExportCommand
