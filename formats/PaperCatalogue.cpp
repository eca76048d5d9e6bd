#include "formats/PaperCatalogue.h"

#include "formats/PageSetup.h"

#include <QObject>

namespace {

struct Paper
{
    const char *inchLabel;
    double inShort, inLong;
    const char *mmLabel;
    double mmShort, mmLong;
    const char *cmLabel;
};

const Paper papers[PaperCatalogue::Count] = {
    {nullptr, 0, 0, nullptr, 0, 0, nullptr},
    {"A3 11.7x16.5", 11.7, 16.5, "A3 297x420", 297, 420, "A3 29.7x42.0"},
    {"Tabloid 11x17", 11, 17, "Tabloid 279.4x431.8", 279.4, 431.8, "Tabloid 27.94x43.18"},
    {"B4 9.84x13.9", 9.84, 13.9, "B4 250x353", 250, 353, "B4 25x35"},
    {"Legal 8.5x14", 8.5, 14, "Legal 215.9x355.6", 215.9, 355.6, "Legal 21.6x35.6"},
    {"Folio 8.26x13", 8.26, 13, "Folio 210x330", 210, 330, "Folio 21x33"},
    {"Letter 8.5x11", 8.5, 11, "Letter 215.9x279.4", 215.9, 279.4, "Letter 21.6x27.9"},
    {"A4 8.26x11.69", 8.26, 11.69, "A4 210x297", 210, 297, "A4 21x28"},
    {"Executive 7.5x10", 7.5, 10, "Executive 190.5x254", 190.5, 254, "Executive 19x25"},
    {"B5 7x10", 7, 10, "B5 182x257", 182, 257, "B5 18x25"},
    {"C5E 6.4x9", 6.4, 9, "C5E 163x229", 163, 229, "C5E 16.3x22.9"},
    {"A5 5.82x8.27", 5.82, 8.27, "A5 148x210", 148, 210, "A5 14.8x21.0"},
    {"B6 5x7", 5, 7, "B6 125x176", 125, 176, "B6 12.5x17.6"},
    {"DLE 4.33x8.66", 4.33, 8.66, "DLE 110x220", 110, 220, "DLE 11x22"},
    {"Comm10E 4.13x9.5", 4.13, 9.5, "Comm10E 105x241", 105, 241, "Comm10E 10.5x24.1"},
    {"A6 4.13x5.82", 4.13, 5.82, "A6 105x148", 105, 148, "A6 10.5x14.8"},
    {"B7 3.5x5", 3.5, 5, "B7 88x125", 88, 125, "B7 8.8x12.5"},
    {"A7 2.9x4.13", 2.9, 4.13, "A7 74x105", 74, 105, "A7 7.4x10.5"},
    {"B8 2.44x3.46", 2.44, 3.46, "B8 62x88", 62, 88, "B8 6.2x8.8"},
    {"A8 2x3", 2, 3, "A8 52x74", 52, 74, "A8 5.2x7.4"},
    {"A9 1.5x2", 1.5, 2, "A9 37x52", 37, 52, "A9 3.7x5.2"},
    {"B9 1.3x2.4", 1.3, 2.4, "B9 33x62", 33, 62, "B9 3.3x6.2"},
    {"B10 1.2x1.7", 1.2, 1.7, "B10 31x44", 31, 44, "B10 3.1x4.4"},
};

bool valid(int index) { return index > 0 && index < PaperCatalogue::Count; }

} // namespace

namespace PaperCatalogue {

QString label(int index, int unit)
{
    if (index == 0)
        return QObject::tr("Page size defined by user");
    if (!valid(index))
        return QString();
    const Paper &p = papers[index];
    switch (unit) {
    case PageSetup::Inch: return QString::fromLatin1(p.inchLabel);
    case PageSetup::Centimetre: return QString::fromLatin1(p.cmLabel);
    default: return QString::fromLatin1(p.mmLabel);
    }
}

double shortSide(int index, int unit)
{
    if (!valid(index))
        return 0.0;
    const Paper &p = papers[index];
    switch (unit) {
    case PageSetup::Inch: return p.inShort;
    case PageSetup::Centimetre: return p.mmShort / 10.0;
    default: return p.mmShort;
    }
}

double longSide(int index, int unit)
{
    if (!valid(index))
        return 0.0;
    const Paper &p = papers[index];
    switch (unit) {
    case PageSetup::Inch: return p.inLong;
    case PageSetup::Centimetre: return p.mmLong / 10.0;
    default: return p.mmLong;
    }
}

QString unitSuffix(int unit)
{
    switch (unit) {
    case PageSetup::Inch: return QObject::tr(" in");
    case PageSetup::Centimetre: return QObject::tr(" cm");
    default: return QObject::tr(" mm");
    }
}

QString paperName(const PageSetup &d)
{
    if (valid(d.paperSize))
        return label(d.paperSize, d.unit) + unitSuffix(d.unit);
    return QString::number(d.width, 'g', 6) + QLatin1Char('x') + QString::number(d.height, 'g', 6)
        + unitSuffix(d.unit);
}

double millimetresPer(int unit)
{
    switch (unit) {
    case PageSetup::Inch: return 25.4;
    case PageSetup::Centimetre: return 10.0;
    default: return 1.0;
    }
}

double convert(double value, int fromUnit, int toUnit)
{
    return value * millimetresPer(fromUnit) / millimetresPer(toUnit);
}

} // namespace PaperCatalogue
