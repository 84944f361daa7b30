// Prints, as JSON, the table texts the native core makes for the grid of
// cases the web page is checked against (tables.test.mjs walks the same
// grid through the page).
#include "AgeInterval.h"
#include "Lifetime.h"
#include "LifetimeTable.h"
#include "Lys_erkl.h"
#include "ViewTables.h"

#include <cstdio>
#include <utility>
#include <string>
#include <vector>

namespace {

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

bool first = true;
void Case(const std::string& kind, const std::string& args, const std::vector<std::string>& lines) {
    std::printf("%s\n{\"kind\":%s,\"args\":%s,\"lines\":[", first ? "" : ",", Json(kind).c_str(), args.c_str());
    for (size_t i = 0; i < lines.size(); ++i) std::printf("%s%s", i ? "," : "", Json(lines[i]).c_str());
    std::printf("]}");
    first = false;
}

}  // namespace

int main() {
    LoadAllData();
    std::printf("[");

    ListBaseYears();
    const int32_t baseYears[] = {State.YearChoices[1], State.YearChoices[2], State.YearChoices[3], State.YearChoices[4]};
    for (const int32_t base : baseYears) {
        for (const char* children : {"0.5", "1.8", "2.35", "6"}) {
            for (const int32_t target : {base, base + 1, 2030, 2100}) {
                for (const int32_t retirement : {50, 67, 99}) {
                    if (retirement == 99 && target != 2030) continue;
                    State.ExactFigures = false;
                    State.BaseYear = base;
                    State.ChildrenPerFamily = std::stod(children);
                    State.TargetYear = target;
                    State.RetirementAge = retirement;
                    State.DisplayMode = 0;
                    SetUpProjection();
                    State.YearsToProject = target - base;
                    RunProjection();
                    ComputeGroupTotals();
                    BuildProjectionTable();
                    Case("projection",
                         "[" + std::to_string(base) + "," + Json(children) + "," + std::to_string(target) + "," +
                             std::to_string(retirement) + "]",
                         State.TableLines);
                }
            }
        }
    }

    int n = 0;
    int32_t years[CensusYearCount];
    for (const EarlyCensusRecord& c : State.EarlyCensuses) years[n++] = c.Year;
    for (const CensusRecord& c : State.Censuses) years[n++] = c.Year;
    for (const int32_t year : years) {
        State.ExactFigures = true;  // a census is shown in exact figures
        State.BaseYear = year;
        double total = 0;
        GroupCensus(total);
        State.TargetYear = year;
        ComputeGroupTotals();
        BuildCensusTable();
        Case("census", "[" + std::to_string(year) + "]", State.TableLines);
    }

    for (const int32_t ageA : {0, 45, 98, 99}) {
        for (const char sexA : {'m', 'k'}) {
            ChooseLifetimePersons(ageA, sexA, -1, 'm');
            BuildLifetimeTable();
            Case("lifetime", "[" + std::to_string(ageA) + ",\"" + sexA + "\"]", State.TableLines);
            for (const int32_t ageB : {0, 45, 98, 99}) {
                for (const char sexB : {'m', 'k'}) {
                    ChooseLifetimePersons(ageA, sexA, ageB, sexB);
                    BuildLifetimeTable();
                    Case("lifetime",
                         "[" + std::to_string(ageA) + ",\"" + sexA + "\"," + std::to_string(ageB) + ",\"" + sexB + "\"]",
                         State.TableLines);
                }
            }
        }
    }
    // Age intervals after a projection from 2008 to 2030, with 2050 and 2099 added.
    for (const auto& [from, to] : {std::pair{0, 4}, {20, 64}, {65, 99}, {99, 99}, {0, 99}}) {
        State.ExactFigures = false;
        ListBaseYears();
        State.BaseYear = 2008;
        State.ChildrenPerFamily = 1.8;
        State.TargetYear = 2030;
        State.RetirementAge = 65;
        State.DisplayMode = 0;
        SetUpProjection();
        State.YearsToProject = 2030 - 2008;
        RunProjection();
        ComputeGroupTotals();
        IntervalFrom = from;
        IntervalTo = to;
        std::vector<std::string> lines = CensusIntervalLines();
        lines.push_back("--");
        for (const std::string& line : ProjectedIntervalLines({2030, 2050, 2099})) lines.push_back(line);
        Case("interval", "[\"" + std::to_string(from) + ".." + std::to_string(to) + "\"]", lines);
    }
    std::printf("\n]\n");
}
