#include "AgeInterval.h"

#include <algorithm>

#include "Lys_erkl.h"
#include "NumberText.h"

std::string IntervalLine(int32_t year, int32_t from, int32_t to, double persons, double total) {
    return std::to_string(year) + "  " + std::to_string(from) + ".." + std::to_string(to) +
           FormatFixed(persons / 1000000, 8, 3) + " mill.  " + FormatFixed(persons / total * 100, 5, 1) + "%";
}

void AgeIntervalSummary() {
    ModelState& s = State;
    const BaseDataSet& set = BaseDataSetFor(s.BaseYear);
    s.BaseYear = set.Year;

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

namespace {

// Persons aged from..to in the working population; bounds outside the ages
// counted are left out rather than read past the arrays.
double PersonsAged(int32_t from, int32_t to) {
    const int32_t first = std::max<int32_t>(from, 0);
    const int32_t last = std::min<int32_t>(to, 99);
    double sum = 0;
    for (int32_t a = first; a <= last; ++a) {
        sum += State.PopMale[a];
        sum += State.PopFemale[a];
    }
    return sum;
}

// The census years in the order of the built-in tables: the two ten-year
// censuses first, then the fifteen five-year ones.
int32_t CensusYear(int i) {
    return i < EarlyCensusCount ? State.EarlyCensuses[i].Year : State.Censuses[i - EarlyCensusCount].Year;
}

}  // namespace

std::vector<std::string> CensusIntervalLines() {
    ModelState& s = State;
    const int32_t savedBaseYear = s.BaseYear;
    std::vector<std::string> lines{" ", "    År   alder    befolkning", " "};
    for (int i = 0; i < CensusYearCount; ++i) {
        const int32_t year = CensusYear(i);
        s.BaseYear = year;
        double total = 0;
        GroupCensus(total);
        const double persons = PersonsAged(IntervalFrom, IntervalTo);
        lines.push_back("   " + IntervalLine(year, IntervalFrom, IntervalTo, persons, total));
    }
    s.BaseYear = savedBaseYear;
    return lines;
}

std::vector<std::string> ProjectedIntervalLines(const std::vector<int32_t>& targetYears) {
    ModelState& s = State;
    std::vector<std::string> lines;
    for (size_t k = 0; k < targetYears.size(); ++k) {
        // Every year afresh from the base year.
        s.TargetYear = targetYears[k];
        s.YearsToProject = s.TargetYear - s.BaseYear;
        SetUpProjection();
        RunProjection();
        AgeIntervalSummary();
        if (k == 0) {
            lines.insert(lines.end(), {" ", BaseIntervalLine, TargetIntervalLine, " "});
        } else {
            lines.push_back(TargetIntervalLine);
        }
    }
    return lines;
}

std::vector<std::string> AgeGroupPrintLines(const std::string& interval, const std::vector<std::string>& projected,
                                            const std::vector<std::string>& historical,
                                            int32_t historicalLineCount) {
    std::vector<std::string> out = {" ", " Aldersinterval:  " + interval, " ", " Fremskrevne data: ", " "};
    out.insert(out.end(), projected.begin(), projected.end());
    out.insert(out.end(), {" ", " Historiske data: ", " "});
    for (int32_t i = 0; i <= historicalLineCount; ++i)
        out.push_back(i < static_cast<int32_t>(historical.size()) ? historical[i] : std::string());
    out.push_back(" ");
    return out;
}

std::vector<std::string> AgeGroupCopyLines(const std::vector<std::string>& projected,
                                           const std::vector<std::string>& historical) {
    std::vector<std::string> out = {"Fremskrevne data: "};
    out.insert(out.end(), projected.begin(), projected.end());
    out.insert(out.end(), {" ", "Historiske data: "});
    out.insert(out.end(), historical.begin(), historical.end());
    return out;
}

bool ProjectionInForce() {
    const ModelState& s = State;
    const std::vector<int32_t> years = ProjectionBaseYears();
    const size_t listed = std::min<size_t>(years.size(), CensusYearCount);
    for (size_t k = 0; k < listed; ++k)
        if (s.YearChoices[k + 1] != years[k]) return false;
    return HasBaseDataSet(s.BaseYear) && s.TargetYear >= s.BaseYear && s.TargetYear <= 2100;
}
