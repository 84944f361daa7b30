#include "AgeGroupCommands.h"

#include "AgeInterval.h"
#include "InputRules.h"
#include "PrintLayout.h"
#include "TextInput.h"

#include <algorithm>

namespace {

constexpr int32_t LastYear = 2100;  // added years stay below it

}  // namespace

AgeGroupVisit BeginAgeGroupVisit() {
    State.SavedTargetYear = State.TargetYear;
    return {State};
}

void EndAgeGroupVisit(const AgeGroupVisit& visit) {
    State = visit.Saved;
    State.TargetYear = State.SavedTargetYear;
}

AgeGroupOpening OpenAgeGroups() {
    AgeGroupOpening opening;
    opening.ProjectionListed = ProjectionInForce();
    opening.TargetYear = State.TargetYear;
    opening.YearCaption = opening.ProjectionListed
                              ? "Nyt årstal (" + std::to_string(State.BaseYear) + ".." + std::to_string(LastYear - 1) + "):"
                              : "Nyt årstal:";
    return opening;
}

void StartAgeGroupYears(const AgeGroupOpening& opening) {
    YearListCount = 2;
    YearList[1] = State.BaseYear;
    YearList[2] = opening.TargetYear;
}

bool ReadAgeGroupInterval(const std::string& text) {
    IntervalFrom = 0;
    IntervalTo = 0;
    return ReadAgeInterval(text, IntervalFrom, IntervalTo);
}

bool AgeGroupYearTyped(const std::string& text) {
    if (!SortsAfterBlank(text)) return false;
    // Only pasting or a very long digit string gets here with something
    // that is no year; it is ignored.
    const WholeNumberText number = ReadWholeNumber(text);
    if (!number.Valid) return false;
    const int32_t year = number.Value;
    State.TargetYear = year;
    if (year <= State.BaseYear || year >= LastYear) return false;
    // A full list ignores further years.
    if (YearListCount >= YearListSize) return false;
    YearList[++YearListCount] = year;
    return true;
}

void ClearAgeGroupYears() { YearListCount = 2; }

AgeGroupResult MakeAgeGroupResult(const AgeGroupOpening& opening) {
    AgeGroupResult result;
    result.Historical = CensusIntervalLines();
    HistoricalLineCount = 5 + CensusYearCount;
    if (opening.ProjectionListed) {
        const std::vector<int32_t> years(YearList + 2, YearList + std::max(YearListCount, 1) + 1);
        result.Projected = ProjectedIntervalLines(years);
    }
    return result;
}

void PrepareAgeGroupPrintout(const std::string& heading, const std::string& interval,
                             const std::vector<std::string>& projected, const std::vector<std::string>& historical) {
    State.PrintLines = HeadedLines(heading, AgeGroupPrintLines(interval, projected, historical, HistoricalLineCount));
}

std::vector<std::string> AgeGroupCopiedLines(const std::string& heading, const std::vector<std::string>& projected,
                                             const std::vector<std::string>& historical) {
    return HeadedLines(heading, AgeGroupCopyLines(projected, historical));
}
