#pragma once

#include <cmath>

// Lengths on pages and in layouts are rounded to the nearest integer with
// halves upward: floor(x + 0.5).
inline int roundHalfUp(double v) { return int(std::floor(v + 0.5)); }
