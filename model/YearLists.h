// The year lists of the base-year and census-year choosers: their lines and
// how a click on a list picks a year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Three header lines, then the years: every projection base year one to a
// line, right-aligned in 14 characters (the list scrolls when they are
// many); the seventeen census years of YearChoices five to a line, each as
// four blanks and the year.
std::vector<std::string> BaseYearListLines();
std::vector<std::string> CensusYearListLines();
// The base year of a list entry (numbered from 1), 0 past the list.
int32_t ListedBaseYear(int32_t entry);

// Where a year stands in its list's lines: YearChoices index, line, first
// character and length (the year lines are plain ASCII).
struct ListedYear {
    int32_t Entry = 0;
    int32_t Line = 0;
    int32_t Column = 0;
    int32_t Length = 0;
};
std::vector<ListedYear> BaseYearPositions();
std::vector<ListedYear> CensusYearPositions();

// A year as the window drew it, in the list's pixel coordinates, both
// corners inclusive.
struct DrawnYear {
    int32_t Entry = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

// The YearChoices index a click at (x, y) picks. A click on a drawn year
// picks that year, wherever the font put it; elsewhere the fixed rules hold:
// base years: rows by y within 80 < x < 115 and 50 < y < 110 while the list
// is not scrolled, 0 for nothing;
// census years: columns 65 pixels wide from 95, rows 15 high from 70; an
// index past the list means nothing.
int32_t BaseYearAtClick(int32_t x, int32_t y, const std::vector<DrawnYear>& drawn, bool scrolled = false);
int32_t CensusYearAtClick(int32_t x, int32_t y, const std::vector<DrawnYear>& drawn);
