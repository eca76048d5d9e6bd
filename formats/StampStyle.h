#pragma once

#include "formats/StampPosition.h"

#include <QColor>
#include <QFont>

// The date and file-name text printed over a frame's photograph.
struct StampStyle
{
    bool printFileName = false;
    bool printDateStamp = false;
    QFont font;
    QColor color;
    StampPosition position = StampPosition::AlongTopLeft;
};
