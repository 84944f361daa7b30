#include "AgeInterval.h"

#include <algorithm>

#include "Lys_erkl.h"
#include "NumberText.h"

int32_t IntervalFrom = 0;
int32_t IntervalTo = 0;
std::string BaseIntervalLine;
std::string TargetIntervalLine;

std::string IntervalLine(int32_t year, int32_t from, int32_t to, double persons, double total) {
    return std::to_string(year) + "  " + std::to_string(from) + ".." + std::to_string(to) +
           FormatFixed(persons / 1000000, 8, 3) + " mill.  " + FormatFixed(persons / total * 100, 5, 1) + "%";
}

void AgeIntervalSummary() {
    ModelState& s = State;
    int k = 0;
    for (int i = 1; i <= BaseDataSetCount; ++i) {
        if (s.BaseDataSets[i - 1].Year == s.BaseYear) k = i;
    }
    if (k == 0) {
        k = BaseDataSetCount;
        s.BaseYear = s.BaseDataSets[BaseDataSetCount - 1].Year;
    }
    const BaseDataSet& set = s.BaseDataSets[k - 1];

    double baseTotal = 0;
    for (int a = 0; a <= MaxAge; ++a) baseTotal = baseTotal + set.PopulationMale[a] + set.PopulationFemale[a];

    // Bounds outside the age range would read past the arrays.
    const int from = std::max(IntervalFrom, 0);
    const int to = std::min(IntervalTo, 99);
    double baseSum = 0;
    double targetSum = 0;
    for (int a = from; a <= to; ++a) {
        // Left to right, men before women, so the sums come out to the last bit.
        baseSum = baseSum + set.PopulationMale[a] + set.PopulationFemale[a];
        targetSum = targetSum + s.PopMale[a] + s.PopFemale[a];
    }
    double targetTotal = 0;
    for (int a = 0; a <= 99; ++a) targetTotal = targetTotal + s.PopMale[a] + s.PopFemale[a];

    BaseIntervalLine = IntervalLine(s.BaseYear, IntervalFrom, IntervalTo, baseSum, baseTotal);
    TargetIntervalLine = IntervalLine(s.TargetYear, IntervalFrom, IntervalTo, targetSum, targetTotal);
}
