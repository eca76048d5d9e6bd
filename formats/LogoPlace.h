#pragma once

#include <QtGlobal>

// Where the logo sits along one side of a photograph. Stored as its number
// (0 to 2) in the settings and in projects.
enum class LogoPlace : qint32 {
    Start = 0,  // left, or top
    Centre = 1,
    End = 2,    // right, or bottom
};

// A stored number as a place; false for a number out of range.
inline bool logoPlaceFrom(int stored, LogoPlace &place)
{
    if (stored < 0 || stored > 2)
        return false;
    place = LogoPlace(stored);
    return true;
}

// A stored number as a place, out of range numbers as the nearest end.
inline LogoPlace logoPlaceFrom(int stored)
{
    return LogoPlace(qBound(0, stored, 2));
}
