// Number texts for tables, charts and printouts.
#pragma once

#include <string>

// x rounded to `decimals` places, "." as the point whatever the locale,
// right-aligned with blanks in `width` characters and never cut. A value
// exactly halfway (in binary, such as 0.25 at one decimal) rounds away from
// zero.
std::string FormatFixed(double x, int width, int decimals);

// x with `decimals` places and no padding.
inline std::string FormatFixed(double x, int decimals) { return FormatFixed(x, 0, decimals); }
