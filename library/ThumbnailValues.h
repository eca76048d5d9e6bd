#pragma once

#include <QColor>

// How the image lists draw their thumbnails: the cell size and the colour
// behind an unused picture (the theme's).
struct ThumbnailValues
{
    int iconWidth = 100;
    int iconHeight = 90;
    bool iconKeep = true;
    QColor fillColor = Qt::white;
};
