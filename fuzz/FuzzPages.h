#pragma once

#include "formats/Page.h"

// The layout the record targets fill: four portrait frames 50 x 70 mm on A4.
inline Page fuzzTemplatePage()
{
    Page t;
    t.width = 21000;
    t.height = 29700;
    t.top = t.bottom = t.left = t.right = 500;
    t.title = QStringLiteral(" 4-50x70 mm");
    for (int i = 0; i < 4; ++i) {
        PhotoFrame f;
        f.x = 500 + (i % 2) * 6000;
        f.y = 500 + (i / 2) * 8000;
        f.width = 5000;
        f.height = 7000;
        t.frames << f;
    }
    return t;
}
