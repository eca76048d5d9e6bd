#include "formats/PhotoSizeList.h"

#include "formats/PageSetup.h"
#include "formats/PaperCatalogue.h"

#include <algorithm>
#include <cmath>

namespace {

int normalUnit(int unit)
{
    return unit == PageSetup::Inch || unit == PageSetup::Centimetre ? unit : PageSetup::Millimetre;
}

// Whole steps of the comparison grid between two sides. The small nudge keeps
// a difference of exactly one step (0.29 - 0.28) from falling to zero through
// binary rounding.
int steps(double difference, double perUnit)
{
    const double x = difference * perUnit;
    return int(std::trunc(x + (x >= 0 ? 1e-6 : -1e-6)));
}

} // namespace

PhotoSizeList::PhotoSizeList(int unit, const QVector<PhotoSizeSelect> &millimetres,
                             const QVector<PhotoSizeSelect> &inches)
    : m_unit(normalUnit(unit)), m_mm(millimetres), m_in(inches)
{
}

void PhotoSizeList::setUnit(int unit)
{
    m_unit = normalUnit(unit);
}

QString PhotoSizeList::suffix() const
{
    return PaperCatalogue::unitSuffix(m_unit);
}

const QVector<PhotoSizeSelect> &PhotoSizeList::current() const
{
    return m_unit == PageSetup::Inch ? m_in : m_mm;
}

QVector<PhotoSizeSelect> &PhotoSizeList::list()
{
    return m_unit == PageSetup::Inch ? m_in : m_mm;
}

double PhotoSizeList::toStored(double shown) const
{
    return m_unit == PageSetup::Centimetre ? shown * 10.0 : shown;
}

double PhotoSizeList::shownShort(int row) const
{
    const double v = current().value(row).shortSide;
    return m_unit == PageSetup::Centimetre ? v / 10.0 : v;
}

double PhotoSizeList::shownLong(int row) const
{
    const double v = current().value(row).longSide;
    return m_unit == PageSetup::Centimetre ? v / 10.0 : v;
}

QString PhotoSizeList::sizeText(double shortSide, double longSide, int unit)
{
    return QString::number(shortSide, 'g', 6) + QLatin1Char('x') + QString::number(longSide, 'g', 6)
        + PaperCatalogue::unitSuffix(unit);
}

QString PhotoSizeList::rowText(int row) const
{
    return sizeText(shownShort(row), shownLong(row), m_unit);
}

bool PhotoSizeList::isSelected(int row) const
{
    return current().value(row).selected;
}

void PhotoSizeList::setSelected(int row, bool on)
{
    if (row >= 0 && row < count())
        list()[row].selected = on;
}

int PhotoSizeList::insertionRow(double a, double b) const
{
    const double s = toStored(std::min(a, b));
    const double l = toStored(std::max(a, b));
    if (!(s > 0.0))
        return -1;
    // 1/100 of the displayed unit: hundredths of an inch or millimetre,
    // tenths of a millimetre for centimetres.
    const double perUnit = m_unit == PageSetup::Centimetre ? 10.0 : 100.0;
    const QVector<PhotoSizeSelect> &sizes = current();
    for (int i = 0; i < sizes.size(); ++i) {
        int d = steps(s - sizes[i].shortSide, perUnit);
        if (d == 0)
            d = steps(l - sizes[i].longSide, perUnit);
        if (d == 0)
            return -1;
        if (d < 0)
            return i;
    }
    return sizes.size();
}

int PhotoSizeList::add(double a, double b)
{
    const int row = insertionRow(a, b);
    if (row < 0)
        return -1;
    list().insert(row, PhotoSizeSelect{toStored(std::min(a, b)), toStored(std::max(a, b)), false, true});
    return row;
}

void PhotoSizeList::remove(int row)
{
    if (row >= 0 && row < count())
        list().remove(row);
}
