// The windows' state that lives for the whole run outside the windows, and
// the one function that puts it, and the core's, back as at program start.
// The specified names (ActiveView in Mainunit.h, YearList in Unit6.h, ...)
// are references to members of ViewGlobals, so a member added there is reset
// with the rest.
#pragma once

#include "Lys_erkl.h"

#include <QString>

#include <cstdint>

struct ViewGlobals {
    int32_t ActiveView = ActiveViews::None;
    int32_t ChosenCensusYear = 0;
    bool ChosenCensusYearValid = false;
    QString SavedHeading;
};
extern ViewGlobals WindowGlobals;

// ResetCoreGlobals, ViewGlobals as at start, the heading dialog's text empty
// and the printer's text font forgotten. The windows keep what they show.
void ResetViewGlobals();
