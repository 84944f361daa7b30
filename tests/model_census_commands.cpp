// The census view's commands and its year chooser as both front ends run
// them: a year typed, OK or Fortryd, then what is shown and available.
#include "CensusCommands.h"

#include "ModelFixture.h"

namespace {

class CensusCommandsTest : public ModelTest {};

TEST_F(CensusCommandsTest, ChooserTakesOnlyACensusYear) {
    struct Row {
        const char* name;
        const char* typed;
        int32_t year;
        bool valid;
    };
    const Row rows[] = {
        {"a census year", "1901", 1901, true},
        {"the first", "1787", 1787, true},
        {"the last", "2006", 2006, true},
        {"no census then", "1902", 1902, false},
        {"empty", "", 0, false},
        {"pasted letters", "19a1", 0, false},
        {"too big for 32 bits", "4294969197", 0, false},
        {"a sign", "-1901", 0, false},
    };
    BeginCensusInput();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.BaseYear = 2000;
        CensusChoice choice = BeginCensusChoice();
        EXPECT_FALSE(choice.Valid);
        EXPECT_EQ(State.BaseYear, 0) << "a projection's base year never counts as chosen";
        CensusYearTyped(choice, r.typed);
        EXPECT_EQ(choice.Year, r.year);
        EXPECT_EQ(choice.Valid, r.valid);
        EXPECT_EQ(State.BaseYear, r.year);
    }
}

TEST_F(CensusCommandsTest, OkShowsTheCensusAndFortrydPutsBackTheBaseYear) {
    struct Row {
        const char* name;
        const char* typed;
        bool ok;
        bool shown;
        int32_t baseAfter;
    };
    const Row rows[] = {
        {"OK with a census", "1901", true, true, 1901},
        {"Fortryd after a census year", "1901", false, false, 1990},
        {"closed without a census year", "1902", true, false, 1902},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.BaseYear = 1990;
        BeginCensusInput();
        EXPECT_TRUE(State.ExactFigures);
        CensusChoice choice = BeginCensusChoice();
        CensusYearTyped(choice, r.typed);
        r.ok ? AcceptCensusYear(choice) : CancelCensusYear(choice);
        EXPECT_EQ(State.BaseYear, r.baseAfter);
        EXPECT_EQ(FinishCensusInput(r.ok), r.shown);
        EXPECT_EQ(CensusCommands.Census, r.shown);
        EXPECT_EQ(CensusCommands.Print, r.shown);
        EXPECT_EQ(State.DisplayMode, r.shown ? DisplayModes::CensusTable : DisplayModes::Nothing);
        EXPECT_EQ(State.TableLines.empty(), !r.shown);
        if (r.shown) {
            EXPECT_EQ(State.TargetYear, State.BaseYear);
        }
    }
}

TEST_F(CensusCommandsTest, ChartsAndHistoricalTables) {
    BeginCensusInput();
    CensusChoice choice = BeginCensusChoice();
    CensusYearTyped(choice, "1901");
    AcceptCensusYear(choice);
    ASSERT_TRUE(FinishCensusInput(true));
    const std::vector<std::string> table = State.TableLines;

    State.ClickX = 300;
    MakeCensusChart(DisplayModes::CensusPyramid);
    EXPECT_EQ(State.DisplayMode, DisplayModes::CensusPyramid);
    EXPECT_EQ(State.ClickX, 1) << "a new chart starts without a cursor";
    EXPECT_EQ(State.CursorLineX, 0);
    MakeCensusTable();
    EXPECT_EQ(State.TableLines, table);

    // A historical table prints from the view's button; the menu keeps the census.
    ResetCensusCommands();
    MakeHistoricalTable(HistoricalTable::Mortality);
    EXPECT_EQ(State.DisplayMode, DisplayModes::CensusTable);
    EXPECT_FALSE(State.TableLines.empty());
    EXPECT_FALSE(CensusCommands.Census);
    EXPECT_TRUE(CensusCommands.Print);
}

}  // namespace
