#include "formats/DataDock.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

double readDouble(const char *p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void writeDouble(char *p, double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    qToLittleEndian<quint64>(bits, p);
}

// Stored lengths beyond this (in any unit), negative ones and values that
// are not numbers come from damage; in hundredths of an inch they would not
// even fit the integers the pages are measured in.
constexpr double LengthMax = 100000.0;

bool plausibleLength(double v) { return std::isfinite(v) && v >= 0.0 && v <= LengthMax; }

} // namespace

DataDock DataDock::fromBytes(const QByteArray &bytes)
{
    DataDock d;
    if (bytes.size() != StoredSize)
        return d;
    const char *p = bytes.constData();
    d.unit = qFromLittleEndian<qint32>(p + 0);
    d.orientation = qFromLittleEndian<qint32>(p + 4);
    d.paperSize = qFromLittleEndian<qint32>(p + 8);
    d.borderless = p[12] != 0;
    d.top = readDouble(p + 16);
    d.bottom = readDouble(p + 24);
    d.left = readDouble(p + 32);
    d.right = readDouble(p + 40);
    d.width = readDouble(p + 48);
    d.height = readDouble(p + 56);
    for (double v : {d.top, d.bottom, d.left, d.right, d.width, d.height})
        if (!plausibleLength(v))
            return DataDock();
    return d;
}

QByteArray DataDock::toBytes() const
{
    QByteArray b(StoredSize, '\0');
    char *p = b.data();
    qToLittleEndian<qint32>(unit, p + 0);
    qToLittleEndian<qint32>(orientation, p + 4);
    qToLittleEndian<qint32>(paperSize, p + 8);
    p[12] = borderless ? 1 : 0;
    writeDouble(p + 16, top);
    writeDouble(p + 24, bottom);
    writeDouble(p + 32, left);
    writeDouble(p + 40, right);
    writeDouble(p + 48, width);
    writeDouble(p + 56, height);
    return b;
}

bool DataDock::operator==(const DataDock &o) const
{
    return unit == o.unit && orientation == o.orientation && paperSize == o.paperSize
        && borderless == o.borderless && top == o.top && bottom == o.bottom && left == o.left
        && right == o.right && width == o.width && height == o.height;
}
