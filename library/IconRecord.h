#pragma once

#include "platform/Outcome.h"

#include <QDataStream>
#include <QMimeData>
#include <QString>

struct IconItem;

// The private clipboard and drag format: records of image files one after
// another, no header and no count, stream version left at its default.
// A record from a page frame has state 3 and the frame number in useCount.
inline QString velmoraMimeType() { return QStringLiteral("image/Velmora"); }

// True when `mime` carries images a panel or a page can take: records of
// this program (tested first) or a list of file URLs.
inline bool canPasteImages(const QMimeData *mime)
{
    return mime && (mime->hasFormat(velmoraMimeType()) || mime->hasFormat(QStringLiteral("text/uri-list")));
}

void writeIconRecord(QDataStream &out, const IconItem &item);
// Fails when the stream ran out or is damaged; `item` is then incomplete.
Outcome readIconRecord(QDataStream &in, IconItem &item);
