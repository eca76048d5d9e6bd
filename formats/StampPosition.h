#pragma once

#include <QtGlobal>

// Where the date and file-name text sits in a frame. Stored as its number
// (0 to 7) in the settings and in projects. The first four read along the
// photograph, the last four across it (turned a quarter).
enum class StampPosition : qint32 {
    AlongTopLeft = 0,
    AlongTopRight = 1,
    AlongBottomLeft = 2,
    AlongBottomRight = 3,
    AcrossTopRight = 4,
    AcrossBottomRight = 5,
    AcrossTopLeft = 6,
    AcrossBottomLeft = 7,
};

// A stored number as a position; numbers out of range give the last one.
inline StampPosition stampPositionFrom(int stored)
{
    return stored >= 0 && stored <= 7 ? StampPosition(stored) : StampPosition::AcrossBottomLeft;
}

inline bool readsAcross(StampPosition position)
{
    return qint32(position) >= qint32(StampPosition::AcrossTopRight);
}
