// The core's state that lives for the whole run, and the one function that
// puts all of it back as at program start. State (Lys_erkl.h), Lifetime
// (Lifetime.h), the projection commands (ProjectionCommands.h) and the
// imported tables (StatbankImports.h) have their own types; the loose globals
// (IntervalFrom, ... in AgeInterval.h, YearList, ... in AgeGroupCommands.h) are members of CoreGlobals, their names
// references to them, so a member added there is reset with the rest.
#pragma once

#include <cstdint>
#include <string>

// Room for the age-group dialog's base year, target year and 98 added years.
constexpr int YearListSize = 100;

struct CoreGlobals {
    int32_t IntervalFrom = 0;  // the age-group interval: inclusive ages, 0 <= from <= to <= 99
    int32_t IntervalTo = 0;
    std::string BaseIntervalLine;  // its line for the base year and for the target year
    std::string TargetIntervalLine;
    int32_t YearList[YearListSize + 1] = {};  // the age-group dialog's years (AgeGroupCommands.h)
    int32_t YearListCount = 2;
    int32_t HistoricalLineCount = 0;
    // The file types "Gem som" chose last for a table and for a chart; empty
    // offers the kind's first type.
    std::string LastTableSaveType;
    std::string LastChartSaveType;
};
extern CoreGlobals Globals;

// State afresh with the built-in data loaded, Lifetime, the projection
// commands and CoreGlobals as at program start, and nothing imported.
void ResetCoreGlobals();
