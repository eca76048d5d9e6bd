#pragma once

#include "app/ExportValues.h"
#include "app/ShellValues.h"
#include "formats/FormatSettings.h"
#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"

// The user's preferences: read from the settings store when the program
// starts (Settings::read*), owned by the main window (or the command line)
// and written back when it closes (Settings::write*). Each part of the
// program is handed the values it needs.
struct UserSettings : FormatSettings
{
    ShellValues shell;
    ExportValues exports;
    StampDefaults stamp;
    LogoDefaults logo;
    bool outsideCrop = true;
};
