#pragma once

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

    // Concatenated 24-byte little-endian records; a tail shorter than a
    // record is ignored, and so is a record with a side that is negative,
    // not a number or beyond 100000.
    static QVector<PhotoSizeSelect> listFromBytes(const QByteArray &bytes);
    static QByteArray listToBytes(const QVector<PhotoSizeSelect> &list);

    static QVector<PhotoSizeSelect> defaultMillimetres();
    static QVector<PhotoSizeSelect> defaultInches();

    // Ascending by short side, then long side.
    static void sortList(QVector<PhotoSizeSelect> &list);

    bool operator==(const PhotoSizeSelect &o) const;
};
