#include "formats/PageSetup.h"

#include "formats/LittleEndianDouble.h"

#include <QtEndian>
#include <cmath>

namespace {

// Stored lengths beyond this (in any unit), negative ones and values that
// are not numbers come from damage; in hundredths of an inch they would not
// even fit the integers the pages are measured in.
constexpr double LengthMax = 100000.0;

bool plausibleLength(double v) { return std::isfinite(v) && v >= 0.0 && v <= LengthMax; }

} // namespace

Outcome PageSetup::fromBytes(const QByteArray &bytes, PageSetup &setup)
{
    const char *const damaged =
        QT_TRANSLATE_NOOP("QObject", "The stored page settings are damaged; the default page is used.");
    setup = PageSetup();
    if (bytes.size() != StoredSize)
        return Outcome::failure(damaged, QStringLiteral("%1 bytes instead of %2").arg(bytes.size()).arg(StoredSize));
    PageSetup d;
    const char *p = bytes.constData();
    d.unit = qFromLittleEndian<qint32>(p + 0);
    d.orientation = qFromLittleEndian<qint32>(p + 4);
    d.paperSize = qFromLittleEndian<qint32>(p + 8);
    d.borderless = p[12] != 0;
    d.top = readLittleEndianDouble(p + 16);
    d.bottom = readLittleEndianDouble(p + 24);
    d.left = readLittleEndianDouble(p + 32);
    d.right = readLittleEndianDouble(p + 40);
    d.width = readLittleEndianDouble(p + 48);
    d.height = readLittleEndianDouble(p + 56);
    for (double v : {d.top, d.bottom, d.left, d.right, d.width, d.height})
        if (!plausibleLength(v))
            return Outcome::failure(damaged, QStringLiteral("a length of %1").arg(v));
    setup = d;
    return Outcome();
}

QByteArray PageSetup::toBytes() const
{
    QByteArray b(StoredSize, '\0');
    char *p = b.data();
    qToLittleEndian<qint32>(unit, p + 0);
    qToLittleEndian<qint32>(orientation, p + 4);
    qToLittleEndian<qint32>(paperSize, p + 8);
    p[12] = borderless ? 1 : 0;
    writeLittleEndianDouble(p + 16, top);
    writeLittleEndianDouble(p + 24, bottom);
    writeLittleEndianDouble(p + 32, left);
    writeLittleEndianDouble(p + 40, right);
    writeLittleEndianDouble(p + 48, width);
    writeLittleEndianDouble(p + 56, height);
    return b;
}

bool PageSetup::operator==(const PageSetup &o) const
{
    return unit == o.unit && orientation == o.orientation && paperSize == o.paperSize
        && borderless == o.borderless && top == o.top && bottom == o.bottom && left == o.left
        && right == o.right && width == o.width && height == o.height;
}

int PageSetup::unitScale() const
{
    return unitScale(unit);
}

int PageSetup::unitScale(int unit)
{
    switch (unit) {
    case Inch: return 2540;
    case Centimetre: return 1000;
    default: return 100;
    }
}
