#include "tools/LogoPlacement.h"

#include <cmath>

namespace {

// One axis of position(): `side` units long, `percent` from the anchor.
double place(LogoPlacement::Anchor anchor, double percent, double side, double shown)
{
    const double unit = side / 100.0;
    switch (anchor) {
    case LogoPlacement::Anchor::Start: return percent * unit;
    case LogoPlacement::Anchor::Centre: return percent * unit + side / 2 - shown / 2;
    default: return side - percent * unit - shown;
    }
}

void offset(double at, double side, double shown, LogoPlacement::Anchor &anchor, double &percent)
{
    const double unit = side / 100.0;
    if (at < side / 4) {
        anchor = LogoPlacement::Anchor::Start;
        percent = at / unit;
    } else if (at > side * 3 / 4) {
        anchor = LogoPlacement::Anchor::End;
        percent = (side - at - shown) / unit;
    } else {
        anchor = LogoPlacement::Anchor::Centre;
        percent = (at - side / 2 + shown / 2) / unit;
    }
}

} // namespace

double LogoPlacement::scale(const QSizeF &pixels, double size)
{
    const double area = pixels.width() * pixels.height();
    if (!(area > 0))
        return 0;
    return std::sqrt(FrameWidth * FrameHeight / 10000.0 / area) * size;
}

QPointF LogoPlacement::position(Anchor horizontal, double x, Anchor vertical, double y, const QSizeF &shown)
{
    return QPointF(place(horizontal, x, FrameWidth, shown.width()), place(vertical, y, FrameHeight, shown.height()));
}

LogoPlacement::Offset LogoPlacement::offsetAt(const QPointF &at, const QSizeF &shown)
{
    Offset o;
    offset(at.x(), FrameWidth, shown.width(), o.horizontal, o.x);
    offset(at.y(), FrameHeight, shown.height(), o.vertical, o.y);
    return o;
}
