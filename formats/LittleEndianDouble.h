#pragma once

#include <QtEndian>
#include <cstring>

// IEEE doubles stored little-endian in the settings' byte records.
inline double readLittleEndianDouble(const char *p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

inline void writeLittleEndianDouble(char *p, double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    qToLittleEndian<quint64>(bits, p);
}
