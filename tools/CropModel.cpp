#include "tools/CropModel.h"

#include <QtGlobal>

#include <cmath>

namespace {

// The next multiple of 10 from `edge` (rounded first) in direction `sign`,
// or one pixel when `fine`.
double stepped(double edge, int sign, bool fine)
{
    const double e = std::floor(edge + 0.5);
    if (fine)
        return e + sign;
    const double tens = e / 10.0;
    if (std::floor(tens) == tens)
        return e + 10.0 * sign;
    return 10.0 * (sign < 0 ? std::floor(tens) : std::ceil(tens));
}

} // namespace

CropModel::CropModel(const QRectF &crop, const QSize &image, double frameAspect, bool outside)
    : m_image(image), m_outside(outside)
{
    if (image.width() <= 0 || image.height() <= 0) {
        m_image = QSize();
        m_aspect = 0;
        return;
    }
    const QRectF photo(QPointF(0, 0), QSizeF(image));
    const bool sized = crop.width() > 0 && crop.height() > 0;
    m_aspect = sized ? crop.width() / crop.height() : frameAspect;
    if (!(m_aspect > 0) || !std::isfinite(m_aspect))
        m_aspect = double(image.width()) / image.height();
    // A rectangle from an old project may lie wholly off the photograph:
    // no move could bring it back, so it starts over on the photograph.
    setRect(sized && crop.intersects(photo) ? crop : fitted(image, m_aspect));
}

QRectF CropModel::fitted(const QSize &image, double aspect)
{
    if (image.isEmpty() || !(aspect > 0))
        return QRectF();
    double w = image.width();
    double h = w / aspect;
    if (h > image.height()) {
        h = image.height();
        w = h * aspect;
    }
    return QRectF((image.width() - w) / 2, (image.height() - h) / 2, w, h);
}

void CropModel::setRect(const QRectF &r)
{
    m_left = r.left();
    m_top = r.top();
    m_right = r.right();
    m_bottom = r.bottom();
}

void CropModel::setState(const State &s)
{
    m_aspect = s.aspect;
    m_outside = s.outside;
    setRect(s.rect);
}

void CropModel::setOutside(bool outside)
{
    m_outside = outside;
    normalise();
}

double CropModel::minWidth() const
{
    // At least one pixel each way.
    return qMax(1.0, m_aspect);
}

void CropModel::normalise()
{
    if (m_outside || !isValid())
        return;
    const double iw = m_image.width();
    const double ih = m_image.height();
    double w = m_right - m_left;
    double h = m_bottom - m_top;
    if (w > iw || h > ih) {
        const QRectF fit = fitted(m_image, m_aspect);
        w = fit.width();
        h = fit.height();
        const QPointF c = rect().center();
        setRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
    }
    if (m_left < 0)
        setRect(rect().translated(-m_left, 0));
    if (m_top < 0)
        setRect(rect().translated(0, -m_top));
    if (m_right > iw)
        setRect(rect().translated(iw - m_right, 0));
    if (m_bottom > ih)
        setRect(rect().translated(0, ih - m_bottom));
}

void CropModel::moveBy(double dx, double dy)
{
    if (!isValid())
        return;
    const double iw = m_image.width();
    const double ih = m_image.height();
    if (!m_outside) {
        normalise();
        // Slide along the edges rather than stop short of them.
        dx = qBound(-m_left, dx, iw - m_right);
        dy = qBound(-m_top, dy, ih - m_bottom);
    }
    const QRectF moved = rect().translated(dx, dy);
    if (moved.left() >= iw || moved.top() >= ih || moved.right() <= 0 || moved.bottom() <= 0)
        return;
    setRect(moved);
}

void CropModel::dragCorner(Corner corner, double dx)
{
    if (!isValid())
        return;
    if (!m_outside)
        normalise();
    const double iw = m_image.width();
    const double ih = m_image.height();
    const double a = m_aspect;
    const bool left = corner == Corner::LeftTop || corner == Corner::LeftBottom;
    const bool top = corner == Corner::LeftTop || corner == Corner::RightTop;
    // dx > 0 grows the rectangle for right corners and shrinks it for left
    // ones: work with the change of width.
    double grow = left ? -dx : dx;
    const double width = m_right - m_left;
    grow = qMax(grow, minWidth() - width);
    if (!m_outside) {
        // The moving edges stop at the photograph's edges.
        const double room = left ? m_left : iw - m_right;
        const double roomY = (top ? m_top : ih - m_bottom) * a;
        grow = qMin(grow, qMin(room, roomY));
    } else {
        // Some of the photograph stays in the rectangle.
        if (left)
            grow = qMax(grow, m_left - (iw - 1));
        else
            grow = qMax(grow, 1 - m_right);
        if (top)
            grow = qMax(grow, (m_top - (ih - 1)) * a);
        else
            grow = qMax(grow, (1 - m_bottom) * a);
    }
    const double w = width + grow;
    if (left)
        m_left = m_right - w;
    else
        m_right = m_left + w;
    if (top)
        m_top = m_bottom - w / a;
    else
        m_bottom = m_top + w / a;
}

void CropModel::rotate()
{
    if (!isValid())
        return;
    m_aspect = 1.0 / m_aspect;
    const QPointF c = rect().center();
    const double w = m_bottom - m_top;
    const double h = m_right - m_left;
    setRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
    normalise();
}

void CropModel::stepKey(Qt::Key key, bool shift, bool fine)
{
    if (!isValid())
        return;
    const int sign = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    if (!horizontal && key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    if (!shift) {
        if (horizontal)
            moveBy(stepped(m_left, sign, fine) - m_left, 0);
        else
            moveBy(0, stepped(m_top, sign, fine) - m_top);
        normalise();
        return;
    }
    if (horizontal) {
        m_right = qMax(stepped(m_right, sign, fine), m_left + minWidth());
        m_bottom = m_top + (m_right - m_left) / m_aspect;
    } else {
        m_bottom = qMax(stepped(m_bottom, sign, fine), m_top + minWidth() / m_aspect);
        m_right = m_left + (m_bottom - m_top) * m_aspect;
    }
    normalise();
}
