// Number texts for tables, charts and printouts.
#pragma once

#include <cstdint>
#include <string>

// x rounded to `decimals` places, "." as the point whatever the locale,
// right-aligned with blanks in `width` characters and never cut. A value
// exactly halfway (in binary, such as 0.25 at one decimal) rounds away from
// zero.
std::string FormatFixed(double x, int width, int decimals);

// x with `decimals` places and no padding.
inline std::string FormatFixed(double x, int decimals) { return FormatFixed(x, 0, decimals); }

// Geometry rounding: to the nearest integer, halves to the even neighbour;
// not a number gives 0, and values beyond the type's range its nearest end.
int32_t RoundHalfEven(double x);
int64_t RoundHalfEven64(double x);
