// The projection and census tables built without any window.
#include "ModelFixture.h"
#include "ViewTables.h"

namespace {

class ViewTableTest : public ModelTest {};

// Children 1.8, year 2030, retirement age 67 from base year 2000.
const char* const Table2030[] = {
    " Alder     Mænd   Kvinder",
    " 0- 4:   140000    132000    PROGNOSE  for året 2030    Basisår: 2000",
    " 5- 9:   139000    131000",
    "10-14:   133000    125000    Børnetal pr. familie:               1.80",
    "15-19:   134000    126000",
    "20-24:   145000    137000    Pensionsalder:                      67 år",
    "25-29:   160000    152000",
    "30-34:   172000    164000",
    "35-39:   171000    165000",
    "40-44:   149000    143000",
    "45-49:   137000    135000",
    "50-54:   161000    161000    Småbørn      ( 0- 4 år):  0.271 mill. =  5.4%",
    "55-59:   175000    178000",
    "60-64:   183000    183000    Skolebørn    ( 5-15 år):  0.579 mill. = 11.4%",
    "65-69:   164000    169000",
    "70-74:   132000    143000    Produktive   (16-66 år):  3.220 mill. = 63.6%",
    "75-79:   101000    119000",
    "80-84:    75000    101000    Pensionister (67-99 år):  0.995 mill. = 19.6%",
    "85-89:    34000     56000",
    "90-94:     9800     22000",
    "95-99:     1800      6100",
    "I alt:  2517000   2548000 =  5065000 indb.",
};

TEST_F(ViewTableTest, ProjectionTable) {
    State.RetirementAge = 67;
    Project(2000, 2030, 1.8);
    ComputeGroupTotals();
    BuildProjectionTable();
    ASSERT_EQ(State.TableLines.size(), 22u);
    for (size_t i = 0; i < 22; ++i) EXPECT_EQ(State.TableLines[i], Table2030[i]) << "line " << i;
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
    EXPECT_EQ(t[0], " Alder     Mænd   Kvinder");
    EXPECT_EQ(t[1], " 0- 9:    97303     97283     Folketælling år: 1787");
    EXPECT_EQ(t[2], "10-19:    72546     72509");
    EXPECT_EQ(t[10], "90-99:       94       203");
    for (int i = 11; i <= 20; ++i) EXPECT_EQ(t[i], std::string(25, ' ')) << "line " << i;
    EXPECT_EQ(t[21], "I alt:   416195    423850 =   840045 indb.");
    for (int i = 2; i <= 20; ++i) EXPECT_EQ(t[i].size(), 25u) << "line " << i;
}

}  // namespace
