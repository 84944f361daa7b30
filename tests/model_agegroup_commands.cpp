// The age-group dialog's commands as both front ends run them.
#include "AgeGroupCommands.h"

#include "AgeInterval.h"
#include "ModelFixture.h"

namespace {

class AgeGroupCommandsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Project(2000, 2030, 1.8);
    }
};

TEST_F(AgeGroupCommandsTest, YearsTypedAreAddedBetweenTheBaseYearAnd2100) {
    struct Row {
        const char* name;
        const char* typed;
        bool added;
        int32_t target;  // left in TargetYear
    };
    const Row rows[] = {
        {"a later year", "2010", true, 2010},
        {"the last year", "2099", true, 2099},
        {"the base year", "2000", false, 2000},
        {"before the base year", "1990", false, 1990},
        {"2100", "2100", false, 2100},
        {"blank", " ", false, 2030},
        {"pasted letters", "20x0", false, 2030},
        {"too big for 32 bits", "4294969306", false, 2030},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.TargetYear = 2030;
        const AgeGroupOpening opening = OpenAgeGroups();
        StartAgeGroupYears(opening);
        EXPECT_EQ(AgeGroupYearTyped(r.typed), r.added);
        EXPECT_EQ(YearListCount, r.added ? 3 : 2);
        EXPECT_EQ(State.TargetYear, r.target);
    }
    // A full list ignores further years; "Slet alt" keeps the first two.
    for (int32_t year = 2001; YearListCount < YearListSize; ++year) AgeGroupYearTyped(std::to_string(year));
    EXPECT_FALSE(AgeGroupYearTyped("2099"));
    ClearAgeGroupYears();
    EXPECT_EQ(YearListCount, 2);
    EXPECT_EQ(YearList[1], 2000);
}

TEST_F(AgeGroupCommandsTest, ResultListsTheProjectionOnlyWhileOneIsInForce) {
    const AgeGroupVisit visit = BeginAgeGroupVisit();
    const AgeGroupOpening opening = OpenAgeGroups();
    EXPECT_TRUE(opening.ProjectionListed);
    EXPECT_EQ(opening.YearCaption, "Nyt årstal (2000..2099):");
    StartAgeGroupYears(opening);
    ASSERT_TRUE(ReadAgeGroupInterval("65..99"));
    AgeGroupYearTyped("2050");
    const AgeGroupResult result = MakeAgeGroupResult(opening);
    EXPECT_FALSE(result.Projected.empty());
    EXPECT_EQ(result.Historical, CensusIntervalLines());
    EXPECT_EQ(HistoricalLineCount, 22);
    EndAgeGroupVisit(visit);
    EXPECT_EQ(State.TargetYear, 2030) << "the projection on show is given back";

    PrepareAgeGroupPrintout("Klasse 8b", "65..99", result.Projected, result.Historical);
    EXPECT_EQ(State.PrintLines[0], "Klasse 8b");
    EXPECT_EQ(AgeGroupCopiedLines(" ", result.Projected, result.Historical)[0],
              AgeGroupCopyLines(result.Projected, result.Historical)[0]) << "a blank heading is not used";

    // A census in force: only the censuses are listed.
    State.YearChoices[1] = 1787;
    const AgeGroupOpening census = OpenAgeGroups();
    EXPECT_FALSE(census.ProjectionListed);
    EXPECT_EQ(census.YearCaption, "Nyt årstal:");
    EXPECT_TRUE(MakeAgeGroupResult(census).Projected.empty());
    EXPECT_FALSE(ReadAgeGroupInterval(".."));
}

}  // namespace
