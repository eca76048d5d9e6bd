#pragma once

#include "formats/LogoPlace.h"

#include <QString>

// The logo printed over a frame's photograph; the one new frames start
// with is kept in the settings (LogoDefaults).
struct LogoStyle
{
    bool printLogo = false;
    LogoPlace horizontal = LogoPlace::Start;
    LogoPlace vertical = LogoPlace::Start;
    float size = 5.0f; // percent, see the renderer
    float posX = 0.0f; // offset in percent of the free width
    float posY = 0.0f; // offset in percent of the free height
    QString fileName;
};
