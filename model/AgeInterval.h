// Persons in an age interval and their share of the population, for the base
// year (from its data set) and for the year a projection has just reached.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Lys_erkl.h"

// The age-group dialog's list of years holds at most this many; its
// historical list shows this many lines.
constexpr int32_t AgeGroupYearListSize = 100;
constexpr int32_t AgeGroupHistoricalLines = 5 + CensusYearCount;

// Members of CoreGlobals (CoreGlobals.h), reset with it.
extern int32_t& IntervalFrom;  // inclusive ages, 0 <= from <= to <= 99
extern int32_t& IntervalTo;
extern std::string& BaseIntervalLine;
extern std::string& TargetIntervalLine;

// One line in the shared layout: year, two blanks, "from..to", millions in
// 8 characters with 3 decimals, " mill.  ", the share in 5 with 1 decimal, "%".
std::string IntervalLine(int32_t year, int32_t from, int32_t to, double persons, double total);

// Call right after SetUpProjection and RunProjection.
void AgeIntervalSummary();

// The age-group dialog's two lists for the interval in force. The census
// list: a blank, a header and a blank line, then one line per census year,
// three blanks in; BaseYear is kept, the grouping is left at the last census.
std::vector<std::string> CensusIntervalLines();
// Whether the state holds a projection the dialog can list: the base years
// listed, the base year among them and the target year in range.
bool ProjectionInForce();
// The projected list: for each target year, projected afresh from the base
// year, its line; the first comes after a blank and the base year's line and
// is followed by a blank. Leaves the last year's projection in the state.
std::vector<std::string> ProjectedIntervalLines(const std::vector<int32_t>& targetYears);

// The age-group dialog's printout, without the heading: the interval as
// typed, the projected list and the historical list with the empty lines the
// list keeps below its historicalLineCount lines.
std::vector<std::string> AgeGroupPrintLines(const std::string& interval, const std::vector<std::string>& projected,
                                            const std::vector<std::string>& historical,
                                            int32_t historicalLineCount);
// Its clipboard text, without the heading: both lists under their titles.
std::vector<std::string> AgeGroupCopyLines(const std::vector<std::string>& projected,
                                           const std::vector<std::string>& historical);
