#pragma once

#include <QString>

// General preferences of the options dialog.
struct OptionValues
{
    QString editorPath;
    bool showAtStartup = true;
    int dialogWidth = 0; // size of the options and layout dialogs
    int dialogHeight = 0;
};
