// The choosers' year lists: their lines and the click rules.
#include "ModelFixture.h"
#include "YearLists.h"

#include <climits>

namespace {

class YearListTest : public ModelTest {};

TEST_F(YearListTest, CensusLinesAndPositions) {
    for (int i = 1; i <= CensusYearCount; ++i) State.YearChoices[i] = 1780 + 10 * i;
    const std::vector<std::string> lines = CensusYearListLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "    1790    1800    1810    1820    1830");
    EXPECT_EQ(lines[6], "    1940    1950");
    for (const ListedYear& year : CensusYearPositions())
        EXPECT_EQ(lines[year.Line].substr(year.Column, year.Length), std::to_string(State.YearChoices[year.Entry]));
}

TEST_F(YearListTest, CensusClickRuleOffTheYears) {
    const struct {
        int32_t x, y, entry;
    } rows[] = {{100, 60, 2}, {30, 90, 11}, {30, 110, 16}, {100, 110, 17}, {170, 110, 18},
                {95, 70, 1},  {96, 71, 7},  {360, 60, 6},  {INT_MAX, INT_MAX, 18}, {INT_MIN, INT_MIN, 1}};
    for (const auto& r : rows) EXPECT_EQ(CensusYearAtClick(r.x, r.y, {}), r.entry) << r.x << ", " << r.y;
}

TEST_F(YearListTest, ADrawnYearWinsOverTheRules) {
    const std::vector<DrawnYear> drawn = {{9, 222, 64, 253, 78}};
    EXPECT_EQ(CensusYearAtClick(222, 75, drawn), 9);  // the rule would say 8
    EXPECT_EQ(CensusYearAtClick(221, 75, drawn), 8);
    const std::vector<DrawnYear> base = {{3, 83, 65, 113, 79}};
    EXPECT_EQ(BaseYearAtClick(100, 65, base), 3);  // the rule would say 1
}

TEST_F(YearListTest, BaseClickRuleOffTheYears) {
    const struct {
        int32_t x, y, entry;
    } rows[] = {{100, 50, 0}, {81, 51, 1}, {100, 69, 1}, {100, 70, 2}, {100, 79, 2}, {100, 80, 3},
                {100, 89, 3}, {100, 90, 4}, {114, 109, 4}, {100, 110, 0}, {80, 75, 0},  {115, 75, 0}};
    for (const auto& r : rows) EXPECT_EQ(BaseYearAtClick(r.x, r.y, {}), r.entry) << r.x << ", " << r.y;
    EXPECT_EQ(BaseYearAtClick(100, 75, {}, true), 0) << "a scrolled list has other years there";
}

// Base years added at run time are all listed, past the seventeen entries
// of YearChoices.
TEST_F(YearListTest, EveryBaseYearIsListed) {
    for (int32_t year = 2030; year < 2050; ++year) {
        BaseDataSet set = State.BaseDataSets[0];
        set.Year = year;
        AddBaseDataSet(set);
    }
    ListBaseYears();
    const std::vector<std::string> lines = BaseYearListLines();
    ASSERT_EQ(lines.size(), 3u + 24);
    EXPECT_EQ(lines.back(), "          2049");
    const std::vector<ListedYear> positions = BaseYearPositions();
    ASSERT_EQ(positions.size(), 24u);
    EXPECT_EQ(ListedBaseYear(positions.back().Entry), 2049);
    EXPECT_EQ(ListedBaseYear(1), 1980);
    EXPECT_EQ(ListedBaseYear(25), 0);
    EXPECT_EQ(ListedBaseYear(0), 0);
    State.AddedBaseDataSets.clear();
}

}  // namespace
