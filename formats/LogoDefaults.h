#pragma once

#include <QString>

// The logo new frames start with.
struct LogoDefaults
{
    bool printLogo = false;
    int horizontal = 0;
    int vertical = 0;
    float size = 5.0f;
    float posX = 0.0f;
    float posY = 0.0f;
    QString fileName;
};
