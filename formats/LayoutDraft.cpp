#include "formats/LayoutDraft.h"

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
