// What the age-group dialog's commands do to the model, for every front
// end: opening it (over the projection or census on show, which it gives
// back when it closes), the age interval and the years typed, "Vis
// resultat", "Slet alt" and its printout and copy. A front end reads its
// fields, calls these and shows the lines they return.
#pragma once

#include "CoreGlobals.h"
#include "Lys_erkl.h"

#include <cstdint>
#include <string>
#include <vector>

// Members of CoreGlobals, reset with it. The projected years to list,
// numbered from 1: [1] the base year, [2] the target year, then the years
// added in the dialog.
extern int32_t (&YearList)[YearListSize + 1];
extern int32_t& YearListCount;
// The historical list's lines 0..this go into a printout (the list plus
// three empty lines).
extern int32_t& HistoricalLineCount;

// The dialog lists other years through the shared state; what was on show
// (a projection or a census) is given back afterwards.
struct AgeGroupVisit {
    ModelState Saved;
};
AgeGroupVisit BeginAgeGroupVisit();
void EndAgeGroupVisit(const AgeGroupVisit& visit);

// On show: whether a projection is listed (not while the census view holds
// the shared state: then only the censuses are, and no year can be added),
// and the caption of the year field.
struct AgeGroupOpening {
    bool ProjectionListed = false;
    int32_t TargetYear = 0;  // the projection's target year as the dialog opened
    std::string YearCaption;
};
AgeGroupOpening OpenAgeGroups();
// The dialog activated: the year list back to the base and target years.
void StartAgeGroupYears(const AgeGroupOpening& opening);

// The interval field's text into IntervalFrom and IntervalTo; true when it
// is an interval "Vis resultat" can list.
bool ReadAgeGroupInterval(const std::string& text);
// The year field's text: a year after the base year and before 2100 is
// added to a list not yet full; true when one was, which makes "Vis
// resultat" available. Every whole number is left in TargetYear.
bool AgeGroupYearTyped(const std::string& text);
// "Slet alt": only the base and target years stay listed.
void ClearAgeGroupYears();

// "Vis resultat": the projected list (empty when no projection is listed)
// and the historical list for the interval in force.
struct AgeGroupResult {
    std::vector<std::string> Projected;
    std::vector<std::string> Historical;
};
AgeGroupResult MakeAgeGroupResult(const AgeGroupOpening& opening);

// The printout into PrintLines and the copied lines, under the heading when
// it is used, from the lists as they stand in the dialog.
void PrepareAgeGroupPrintout(const std::string& heading, const std::string& interval,
                             const std::vector<std::string>& projected, const std::vector<std::string>& historical);
std::vector<std::string> AgeGroupCopiedLines(const std::string& heading, const std::vector<std::string>& projected,
                                             const std::vector<std::string>& historical);
