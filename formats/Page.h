#pragma once

#include "formats/PhotoFrame.h"

#include <QString>
#include <QVector>

#include <limits>

// One sheet of the document: paper size and margins in hundredths of a
// millimetre, the caption shown in the page list, and the frames in the order
// they are filled.
struct Page
{
    qint32 height = 0;
    qint32 width = 0;
    qint32 top = 0;
    qint32 bottom = 0;
    qint32 left = 0;
    qint32 right = 0;
    QString title; // "Page N\n<layout name>"; the template holds only the name
    QVector<PhotoFrame> frames;

    // Computed in 64 bits and kept within int: the margins of a crafted page
    // may reach the ends of the integers.
    int printableWidth() const { return clamped(qint64(width) - left - right); }
    int printableHeight() const { return clamped(qint64(height) - top - bottom); }
    static int clamped(qint64 v) { return int(qBound<qint64>(std::numeric_limits<int>::min(), v, std::numeric_limits<int>::max())); }
    bool hasEmptyFrame() const;
    int filledFrameCount() const;
    // The part of the title after its first line feed (the whole title when
    // it has none).
    QString layoutName() const;
    // Same size and margins as `other`.
    void takeGeometry(const Page &other);

    // "Page " (translated), the 1-based number, a line feed and `layoutName`.
    static QString pageTitle(int number, const QString &layoutName);
};
