#pragma once

#include <QString>

// The main window's own preferences.
struct ShellValues
{
    QString currentFile;  // full path of the project; empty while untitled
    QString projectPath;  // folder offered by the project dialogs
    QString photoFolder;     // folder shown in the folder panel
    QString language;     // "en", "ru"; empty until chosen
    bool darkTheme = false;
};
