#include "formats/LayoutDraft.h"

#include <algorithm>

namespace {

Page withoutFrames(Page page)
{
    page.frames.clear();
    return page;
}

QVector<QRectF> frameRects(const Page &page)
{
    QVector<QRectF> rects;
    for (const PhotoFrame &f : page.frames)
        rects.append(QRectF(f.x, f.y, f.width, f.height));
    return rects;
}

} // namespace

LayoutDraft::LayoutDraft(const Page &page, QObject *parent)
    : QObject(parent), m_paper(withoutFrames(page)), m_rules(LayoutFrameRules::printableArea(m_paper))
{
    m_fittedAtStart = replaceAll(frameRects(page));
}

QVector<QRectF> LayoutDraft::rects() const
{
    QVector<QRectF> out;
    out.reserve(m_frames.size());
    for (const QRectF &r : m_frames)
        out.append(r);
    return out;
}

void LayoutDraft::put(int id, const QRectF &r)
{
    const bool known = m_frames.contains(id);
    m_frames.insert(id, m_rules.fitted(r));
    if (known)
        emit frameChanged(id);
    else
        emit frameInserted(id);
}

void LayoutDraft::remove(int id)
{
    if (m_frames.remove(id) > 0)
        emit frameRemoved(id);
}

bool LayoutDraft::replaceAll(const QVector<QRectF> &frames)
{
    for (int id : ids())
        remove(id);
    bool fitted = false;
    if (!m_rules.usable())
        return !frames.isEmpty();
    for (const QRectF &r : frames) {
        fitted |= m_rules.fitted(r) != r;
        put(takeId(), r);
    }
    return fitted;
}

QRectF LayoutDraft::placeForNew(const QSizeF &size, int near) const
{
    const QRectF printable = m_rules.printable();
    QVector<QPointF> corners{printable.topLeft()};
    for (const QRectF &r : m_frames) {
        corners << r.topRight() << r.bottomLeft() << QPointF(printable.left(), r.bottom());
        corners << QPointF(r.right(), printable.top());
    }
    std::sort(corners.begin(), corners.end(), [](const QPointF &a, const QPointF &b) {
        return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x());
    });
    const auto free = [this](const QRectF &r) {
        for (const QRectF &other : m_frames)
            if (other.intersects(r))
                return false;
        return true;
    };
    for (const QPointF &corner : qAsConst(corners)) {
        const QRectF r(corner, size);
        if (m_rules.accepts(r) && free(r))
            return m_rules.fitted(r);
    }
    // The paper is full: a step beside the frame the user worked on, so the
    // new frame shows as a frame of its own.
    const int from = m_frames.contains(near) ? near : (m_frames.isEmpty() ? -1 : m_frames.lastKey());
    const QRectF r = m_rules.fitted(QRectF(from >= 0 ? m_frames.value(from).topLeft() : printable.topLeft(), size));
    if (from < 0)
        return r;
    const QList<QRectF> taken = m_frames.values();
    for (const double step : {500.0, -500.0, 1000.0, -1000.0}) {
        const QRectF moved = m_rules.fitted(r.translated(step, step));
        if (!taken.contains(moved))
            return moved;
    }
    // As large as the printable area, it cannot move: 5 mm inside it.
    const QRectF inside = m_rules.fitted(r.adjusted(500, 500, -500, -500));
    return taken.contains(inside) ? r : inside;
}
