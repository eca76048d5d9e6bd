#pragma once

#include "library/IconItem.h"

#include <QByteArray>
#include <QList>

struct PhotoFrame;

// Image records ("image/Velmora") made from page frames, for copying and for
// dragging photographs out of the page canvas.

// The record of `frame`: the given state and index (state 3 with the frame's
// index marks a photograph dragged out of the current page).
IconItem frameRecord(const PhotoFrame &frame, IconItem::State state, int index);
// The preview reduced so that its longer side is about 74 pixels.
QPixmap frameRecordIcon(const PhotoFrame &frame);
// The records of `frames` (indexes into `all`), written one after another.
QByteArray frameRecords(const QVector<PhotoFrame> &all, const QList<int> &frames, IconItem::State state);
