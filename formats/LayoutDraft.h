#pragma once

#include "formats/Page.h"
#include "formats/LayoutFrameRules.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QRectF>
#include <QVector>

// The layout being drawn in the layout editor: the paper (size and margins)
// and its frames, each known by an id given in creation order and never
// reused. Every frame it holds obeys the frame rules: a frame put in is
// fitted into the printable area first.
class LayoutDraft : public QObject
{
    Q_OBJECT
public:
    // Takes the paper and the frames of `page`; `fittedAtStart()` tells
    // whether a frame had to be moved or shrunk to lie in the printable area.
    explicit LayoutDraft(const Page &page, QObject *parent = nullptr);

    const Page &paper() const { return m_paper; }
    const LayoutFrameRules &rules() const { return m_rules; }
    bool fittedAtStart() const { return m_fittedAtStart; }

    QList<int> ids() const { return m_frames.keys(); }
    bool contains(int id) const { return m_frames.contains(id); }
    QRectF rect(int id) const { return m_frames.value(id); }
    int count() const { return m_frames.size(); }
    bool isEmpty() const { return m_frames.isEmpty(); }
    // The frames in the order of their ids.
    QVector<QRectF> rects() const;

    // Where a new frame of `size` goes so that it is seen: the first place,
    // row by row from the printable area's top-left corner, where it lies on
    // no other frame (beside or under one of them); when there is none, 5 mm
    // down and right of frame `near` (or of the frame added last), or 5 mm
    // inside it when it fills the printable area, so never exactly on a
    // frame. The result is fitted.
    QRectF placeForNew(const QSizeF &size, int near) const;
    // A fresh id for a frame about to be added.
    int takeId() { return m_nextId++; }
    // Puts frame `id` at `r` (fitted), adding it when it is not there.
    void put(int id, const QRectF &r);
    void remove(int id);
    // Replaces every frame by `frames` (fitted) under fresh ids; true when
    // one of them had to be fitted.
    bool replaceAll(const QVector<QRectF> &frames);
    // Tells the views which frames the last change concerned.
    void announce(const QList<int> &ids) { emit framesTouched(ids); }

Q_SIGNALS:
    void frameInserted(int id);
    void frameChanged(int id);
    void frameRemoved(int id);
    void framesTouched(const QList<int> &ids);

private:
    Page m_paper;
    LayoutFrameRules m_rules;
    QMap<int, QRectF> m_frames;
    int m_nextId = 0;
    bool m_fittedAtStart = false;
};
