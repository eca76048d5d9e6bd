#pragma once

#include <QString>

struct PageSetup;

// The fixed catalogue of named paper sizes. Entry 0 is the size typed by the
// user; entries 1 to 22 are named papers with a label per unit and separate
// inch and millimetre columns (centimetres are millimetres / 10).
namespace PaperCatalogue {

constexpr int Count = 23;

// Label shown in the paper list for `unit`, without the unit suffix. Entry 0
// is the translated "Page size defined by user".
QString label(int index, int unit);

// Short and long side of entry `index` (1..22) in `unit`.
double shortSide(int index, int unit);
double longSide(int index, int unit);

// The translated unit suffix with its leading blank: " in", " mm", " cm".
QString unitSuffix(int unit);

// The text naming the paper of `d`: the catalogue label followed by the unit
// suffix, or for the user size the width, "x", the height and the suffix
// (numbers in their shortest form, up to 6 significant digits).
QString paperName(const PageSetup &d);

// Millimetres per unit: 25.4, 1, 10.
double millimetresPer(int unit);
double convert(double value, int fromUnit, int toUnit);

} // namespace PaperCatalogue
