#include "AgeInterval.h"
#include "ModelFixture.h"

namespace {

using AgeIntervals = ModelTest;

TEST_F(AgeIntervals, BaseYearLines) {
    struct Row {
        int32_t from, to;
        const char* line;
    };
    for (Row row : {Row{0, 4, "2000  0..4   0.341 mill.    6.4%"}, Row{65, 99, "2000  65..99   0.790 mill.   14.8%"}}) {
        Project(2000, 2000, 1.56);
        IntervalFrom = row.from;
        IntervalTo = row.to;
        AgeIntervalSummary();
        EXPECT_EQ(BaseIntervalLine, row.line);
    }
}

TEST_F(AgeIntervals, ProjectedLineFor2010) {
    Project(2000, 2010, 1.56);
    IntervalFrom = 0;
    IntervalTo = 4;
    AgeIntervalSummary();
    EXPECT_EQ(TargetIntervalLine, "2010  0..4   0.247 mill.    4.7%");
    double s1 = 0, t1 = 0;
    for (int a = 0; a <= 99; ++a) {
        t1 += State.PopMale[a] + State.PopFemale[a];
        if (a <= 4) s1 += State.PopMale[a] + State.PopFemale[a];
    }
    EXPECT_NEAR(s1, 246910.7, 0.05);
    EXPECT_NEAR(t1, 5270077.6, 0.05);
}

TEST_F(AgeIntervals, WithoutStepsOnlyAge99Differs) {
    Project(2008, 2008, 1.56);
    IntervalFrom = 10;
    IntervalTo = 10;
    AgeIntervalSummary();
    EXPECT_EQ(BaseIntervalLine, TargetIntervalLine);
    IntervalFrom = 95;
    IntervalTo = 99;
    AgeIntervalSummary();
    EXPECT_EQ(BaseIntervalLine, "2008  95..99   0.007 mill.    0.1%");
    EXPECT_EQ(TargetIntervalLine, "2008  95..99   0.008 mill.    0.1%") << "the persons of 100 sit at 99 after set-up";
}

TEST_F(AgeIntervals, EmptyAndOutOfRangeIntervals) {
    Project(2008, 2010, 1.56);
    IntervalFrom = 5;
    IntervalTo = 4;
    AgeIntervalSummary();
    EXPECT_EQ(TargetIntervalLine, "2010  5..4   0.000 mill.    0.0%");
    IntervalFrom = -50;
    IntervalTo = 5000;
    AgeIntervalSummary();  // must not read outside the arrays
    EXPECT_EQ(TargetIntervalLine.substr(0, 16), "2010  -50..5000 ");
}

// An upper bound past 99 counts up to 99: the persons kept at 100 (a million
// here, so that reading them shows) belong to no interval.
TEST_F(AgeIntervals, BoundsPast99StopAt99) {
    const auto figures = [](const std::string& line) { return line.substr(line.find(' ', line.find(".."))); };
    std::vector<std::string> lines[2];
    for (int32_t to : {99, 150}) {
        SetUp();
        Project(2008, 2010, 1.56);
        State.BaseDataSets[3].PopulationMale[100] = 1e6;
        State.PopMale[100] = 1e6;
        IntervalFrom = 90;
        IntervalTo = to;
        AgeIntervalSummary();
        State.PopMale[100] = 1e6;  // a census never writes age 100
        std::vector<std::string>& shown = lines[to == 150];
        shown = {BaseIntervalLine, TargetIntervalLine};
        for (const std::string& line : CensusIntervalLines())
            if (line.find("..") != std::string::npos) shown.push_back(line);
    }
    ASSERT_EQ(lines[0].size(), 2u + CensusYearCount);
    for (size_t i = 0; i < lines[0].size(); ++i) EXPECT_EQ(figures(lines[1][i]), figures(lines[0][i])) << lines[1][i];
}

TEST_F(AgeIntervals, ProjectionInForce) {
    struct Row {
        const char* name;
        bool baseYearChoices;
        int32_t base, target;
        bool inForce;
    };
    const Row rows[] = {
        {"a projection", true, 2000, 2010, true},
        {"to its own base year", true, 2000, 2000, true},
        {"target year 2100", true, 1980, 2100, true},
        {"target year 2101", true, 1980, 2101, false},
        {"target before the base year", true, 2000, 1999, false},
        {"base year without data set", true, 1995, 2010, false},
        {"census years listed", false, 1980, 1980, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        ListBaseYears();
        if (!r.baseYearChoices) State.YearChoices[1] = 1787;
        State.BaseYear = r.base;
        State.TargetYear = r.target;
        EXPECT_EQ(ProjectionInForce(), r.inForce);
    }
}

TEST_F(AgeIntervals, UnknownBaseYearFallsBackToNewest) {
    Project(2008, 2010, 1.56);
    State.BaseYear = 1995;
    IntervalFrom = 0;
    IntervalTo = 4;
    AgeIntervalSummary();
    EXPECT_EQ(State.BaseYear, 2008);
    EXPECT_EQ(BaseIntervalLine.substr(0, 4), "2008");
}

TEST_F(AgeIntervals, TheDialogsTwoLists) {
    ListBaseYears();
    State.BaseYear = 2000;
    IntervalFrom = 0;
    IntervalTo = 99;
    const std::vector<std::string> census = CensusIntervalLines();
    ASSERT_EQ(census.size(), 3u + CensusYearCount);
    EXPECT_EQ(census[1], "    År   alder    befolkning");
    EXPECT_EQ(census[3].substr(0, 15), "   1787  0..99 ");
    EXPECT_EQ(census.back().substr(0, 7), "   2006");
    EXPECT_EQ(State.BaseYear, 2000) << "kept";

    const std::vector<std::string> projected = ProjectedIntervalLines({2010, 2020});
    ASSERT_EQ(projected.size(), 5u);
    EXPECT_EQ(projected[0], " ");
    EXPECT_EQ(projected[1].substr(0, 4), "2000");
    EXPECT_EQ(projected[2].substr(0, 4), "2010");
    EXPECT_EQ(projected[3], " ");
    EXPECT_EQ(projected[4].substr(0, 4), "2020");
    EXPECT_TRUE(ProjectedIntervalLines({}).empty());
}

}  // namespace
