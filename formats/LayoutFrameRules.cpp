#include "formats/LayoutFrameRules.h"

#include "formats/Page.h"
#include "formats/Rounding.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

// `value` limited to [low, high]; when the range is empty the low end wins.
double bounded(double value, double low, double high)
{
    return std::max(low, std::min(value, high));
}

double whole(double v) { return roundHalfUp(v); }

} // namespace

LayoutFrameRules::LayoutFrameRules(const QRectF &printable) : m_printable(printable) {}

QRectF LayoutFrameRules::printableArea(const Page &page)
{
    return QRectF(page.left, page.top, page.printableWidth(), page.printableHeight());
}

bool LayoutFrameRules::usable() const { return m_printable.width() >= 1 && m_printable.height() >= 1; }

QSizeF LayoutFrameRules::minimumSize() const
{
    return QSizeF(std::min(MinimumSide, m_printable.width()), std::min(MinimumSide, m_printable.height()));
}

QRectF LayoutFrameRules::fitted(const QRectF &r) const
{
    const QSizeF least = minimumSize();
    const double w = bounded(whole(r.width()), least.width(), m_printable.width());
    const double h = bounded(whole(r.height()), least.height(), m_printable.height());
    const double x = bounded(whole(r.x()), m_printable.left(), m_printable.right() - w);
    const double y = bounded(whole(r.y()), m_printable.top(), m_printable.bottom() - h);
    return QRectF(x, y, w, h);
}

QRectF LayoutFrameRules::resized(const QRectF &r, double width, double height) const
{
    const QRectF start = fitted(r);
    const QSizeF least = minimumSize();
    const double w = bounded(whole(width), least.width(), m_printable.right() - start.x());
    const double h = bounded(whole(height), least.height(), m_printable.bottom() - start.y());
    return fitted(QRectF(start.x(), start.y(), w, h));
}

QRectF LayoutFrameRules::placed(const QRectF &r, const QPointF &to) const
{
    return fitted(QRectF(to, r.size()));
}

QPointF LayoutFrameRules::allowedShift(const QRectF &bounds, const QPointF &delta) const
{
    const auto limit = [](double change, double low, double high) {
        return high < low ? 0.0 : bounded(whole(change), low, high);
    };
    return QPointF(limit(delta.x(), m_printable.left() - bounds.left(), m_printable.right() - bounds.right()),
                   limit(delta.y(), m_printable.top() - bounds.top(), m_printable.bottom() - bounds.bottom()));
}

QRectF LayoutFrameRules::withEdges(const QRectF &r, Edges edges, const QPointF &to) const
{
    const QRectF start = fitted(r);
    const QSizeF least = minimumSize();
    double left = start.left();
    double right = start.right();
    double top = start.top();
    double bottom = start.bottom();
    if (edges.left)
        left = bounded(whole(to.x()), m_printable.left(), right - least.width());
    else if (edges.right)
        right = bounded(whole(to.x()), left + least.width(), m_printable.right());
    if (edges.top)
        top = bounded(whole(to.y()), m_printable.top(), bottom - least.height());
    else if (edges.bottom)
        bottom = bounded(whole(to.y()), top + least.height(), m_printable.bottom());
    return fitted(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

double LayoutFrameRules::snappedDown(double value, double step)
{
    return std::floor(value / step) * step;
}

QRectF LayoutFrameRules::stepped(const QRectF &r, double dx, double dy, bool resize) const
{
    const double step = std::abs(dx) + std::abs(dy) > 15 ? 100 : 10;
    const auto apply = [step](double value, double change) {
        return std::abs(change) < 1 ? value : snappedDown(value + change, step);
    };
    const QRectF start = fitted(r);
    if (resize)
        return resized(start, apply(start.width(), dx), apply(start.height(), dy));
    return placed(start, QPointF(apply(start.x(), dx), apply(start.y(), dy)));
}

QRectF LayoutFrameRules::rotated(const QRectF &r) const
{
    return fitted(QRectF(r.x(), r.y(), r.height(), r.width()));
}

bool LayoutFrameRules::accepts(const QRectF &r) const
{
    return r.width() > 0 && r.height() > 0 && m_printable.contains(r);
}
