#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QVector>

// One print size for a photograph, short side first, in the unit of its list
// (millimetres or inches).
struct PhotoSizeSelect
{
    double shortSide = 0.0;
    double longSide = 0.0;
    bool builtIn = false;
    bool selected = false;

    static constexpr int StoredSize = 24;

    // Concatenated 24-byte little-endian records into `list`; a tail
    // shorter than a record is ignored, and so is a record with a side that
    // is negative, not a number or beyond 100000: the outcome then says so,
    // and `list` holds the records that were whole.
    static Outcome listFromBytes(const QByteArray &bytes, QVector<PhotoSizeSelect> &list);
    static QByteArray listToBytes(const QVector<PhotoSizeSelect> &list);

    static QVector<PhotoSizeSelect> defaultMillimetres();
    static QVector<PhotoSizeSelect> defaultInches();

    // Ascending by short side, then long side.
    static void sortList(QVector<PhotoSizeSelect> &list);

    bool operator==(const PhotoSizeSelect &o) const;
};
