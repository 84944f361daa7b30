// The projection and census tables built without any window.
#include "HistoricalTables.h"
#include "ModelFixture.h"
#include "ViewTables.h"

namespace {

class ViewTableTest : public ModelTest {};

TEST_F(ViewTableTest, ProjectionTable) {
    State.RetirementAge = 67;
    Project(2000, 2030, 1.8);
    ComputeGroupTotals();
    BuildProjectionTable();
    const std::vector<std::string>& t = State.TableLines;
    ASSERT_EQ(t.size(), 22u);
    EXPECT_EQ(t[1], " 0- 4:   140000    132000    PROGNOSE  for året 2030    Basisår: 2000");
    EXPECT_EQ(t[3], "10-14:   133000    125000    Børnetal pr. familie:               1.80");
    EXPECT_EQ(t[15], "70-74:   132000    143000    Produktive   (16-66 år):  3.220 mill. = 63.6%");
    EXPECT_EQ(t[17], "80-84:    75000    101000    Pensionister (67-99 år):  0.995 mill. = 19.6%");
    EXPECT_EQ(t[20], "95-99:     1800      6100");
    EXPECT_EQ(t[21], "I alt:  2517000   2548000 =  5065000 indb.");
}

TEST_F(ViewTableTest, CensusTableOfTenYearGroups) {
    State.ExactFigures = true;  // as the census view sets it
    State.BaseYear = 1787;
    double total = 0;
    GroupCensus(total);
    State.TargetYear = 1787;
    ComputeGroupTotals();
    BuildCensusTable();
    const std::vector<std::string>& t = State.TableLines;
    ASSERT_EQ(t.size(), 22u);
    EXPECT_EQ(t[1], " 0- 9:    97303     97283     Folketælling år: 1787");
    EXPECT_EQ(t[10], "90-99:       94       203");
    for (int i = 11; i <= 20; ++i) EXPECT_EQ(t[i], std::string(25, ' ')) << i;
    EXPECT_EQ(t[21], "I alt:   416195    423850 =   840045 indb.");
}

TEST_F(ViewTableTest, HistoricalTablesStartWithABlankLine) {
    for (const auto* lines : {&LifeExpectancyLines(), &MortalityLines(), &FertilityLines()}) {
        ASSERT_FALSE(lines->empty());
        EXPECT_EQ(lines->front(), " ");
    }
}

}  // namespace
