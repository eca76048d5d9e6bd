#pragma once

#include "formats/LogoPlace.h"

#include <QPointF>
#include <QSizeF>

// The logo's place in the preview of the logo dialog, a frame of 297 x 210
// units, by the rule the printout follows: the logo's area is (size / 100)^2
// of the frame's, placed at a percentage of the free width and height from
// the left or right edge or the centre (and from the top, bottom or centre).
class LogoPlacement
{
public:
    static constexpr double FrameWidth = 297.0;
    static constexpr double FrameHeight = 210.0;

    using Anchor = LogoPlace;

    // Scale of a logo of `pixels` shown at `size` percent.
    static double scale(const QSizeF &pixels, double size);

    // Top-left corner of a logo of `shown` units (pixels times scale).
    static QPointF position(Anchor horizontal, double x, Anchor vertical, double y, const QSizeF &shown);

    // The anchor and percentage that put a logo of `shown` units at `at`:
    // the outer quarters of the frame count from their edge, the middle
    // from the centre.
    struct Offset
    {
        Anchor horizontal = Anchor::Start;
        double x = 0;
        Anchor vertical = Anchor::Start;
        double y = 0;
    };
    static Offset offsetAt(const QPointF &at, const QSizeF &shown);
};
