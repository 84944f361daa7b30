// The lifetime view's commands as both front ends run them: the fields'
// texts in, then what is shown and available.
#include "LifetimeCommands.h"

#include "InputRules.h"
#include "Lifetime.h"
#include "ModelFixture.h"
#include "RecordingCanvas.h"

namespace {

class LifetimeCommandsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        ExtendLifeTables();
    }
    // "To personer" (or "Én person"), the ages typed and left, then OK.
    static LifetimeShow Enter(int32_t persons, const char* ageA, const char* sexA, const char* ageB, const char* sexB) {
        ClearLifetimeResults();
        StartLifetimePersons(persons);
        StoreLifetimeAge(ageA, Lifetime.AgeA);
        StoreLifetimeAge(ageB, Lifetime.AgeB);
        return AcceptLifetimeInputs(sexA, sexB);
    }
};

TEST_F(LifetimeCommandsTest, StoringAnAgeRefusesAllButAPlainAge) {
    struct Row {
        const char* name;
        const char* text;
        bool stored;
        int32_t age;
    };
    const Row rows[] = {
        {"an age", "45", true, 45},
        {"the oldest", "99", true, 99},
        {"empty keeps the age", "", true, 7},
        {"too old", "100", false, MaxLifetimeAge + 1},
        {"pasted letters", "4x", false, MaxLifetimeAge + 1},
        {"wraps to 67 in 32 bits", "4294967363", false, MaxLifetimeAge + 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        int32_t age = 7;
        EXPECT_EQ(StoreLifetimeAge(r.text, age), r.stored);
        EXPECT_EQ(age, r.age);
    }
}

TEST_F(LifetimeCommandsTest, OkShowsTheTableOrTheGraphAndMakesTheCommandsAvailable) {
    struct Row {
        const char* name;
        int32_t persons;
        const char* ageA;
        const char* sexA;
        const char* ageB;
        const char* sexB;
        LifetimeShow shown;
    };
    const Row rows[] = {
        {"one person", 1, "45", "m", "", "", LifetimeShow::Table},
        {"two persons", 2, "45", "m", "40", "k", LifetimeShow::Table},
        {"no sex", 1, "45", "", "", "", LifetimeShow::Nothing},
        {"refused age", 1, "100", "k", "", "", LifetimeShow::Nothing},
        {"second person missing", 2, "45", "m", "", "", LifetimeShow::Nothing},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const LifetimeShow shown = Enter(r.persons, r.ageA, r.sexA, r.ageB, r.sexB);
        EXPECT_EQ(shown, r.shown);
        const bool ok = r.shown != LifetimeShow::Nothing;
        EXPECT_EQ(LifetimeCommands.Results, ok);
        EXPECT_EQ(LifetimeCommands.Print, ok);
        EXPECT_EQ(State.LifetimeViewActive, ok);
        State.LifetimeViewActive = false;
    }
    // After the graph was shown, OK shows the graph again; a changed field
    // takes the results' commands away.
    Enter(1, "45", "m", "", "");
    EXPECT_TRUE(MakeLifetimeGraphView());
    EXPECT_EQ(Enter(1, "50", "k", "", ""), LifetimeShow::Table) << "a new person starts from the table";
    EXPECT_TRUE(MakeLifetimeGraphView());
    EXPECT_EQ(AcceptLifetimeInputs("k", ""), LifetimeShow::Graph);
    LifetimeInputChanged();
    EXPECT_FALSE(LifetimeCommands.Results);
}

TEST_F(LifetimeCommandsTest, TableAndGraphShowTheResultLines) {
    Enter(2, "45", "m", "40", "k");
    LifetimeTable table;
    ASSERT_TRUE(MakeLifetimeTableView(table));
    EXPECT_EQ(table.FixedRows, 2);
    EXPECT_EQ(State.TableLines, LifetimeTableLines(table));
    EXPECT_FALSE(State.LifetimeGraphShown);

    State.ClickX = 300;
    ASSERT_TRUE(MakeLifetimeGraphView());
    EXPECT_TRUE(State.LifetimeGraphShown);
    EXPECT_EQ(State.ClickX, 1) << "the graph starts without a cursor";
    const std::array<std::string, 3> lines = ShownLifetimeResultLines();
    EXPECT_NE(lines[0].find("Medianlevetid"), std::string::npos);
    EXPECT_EQ(lines[2], table.ResultLines[2]);

    Enter(1, "45", "m", "", "");
    MakeLifetimeGraphView();
    EXPECT_EQ(ShownLifetimeResultLines()[1], " ");

    // Nothing computable: the graph's lines stay, the table is refused.
    Lifetime.PersonCount = 0;
    EXPECT_FALSE(MakeLifetimeTableView(table));
    EXPECT_FALSE(MakeLifetimeGraphView());
}

TEST_F(LifetimeCommandsTest, CursorFollowsClicksAndArrowKeys) {
    Enter(1, "45", "m", "", "");
    MakeLifetimeGraphView();
    RecordingCanvas canvas;
    const int32_t height = 499;
    ClickLifetimeCursor(canvas, true, 300, height);
    EXPECT_EQ(State.ClickX, 300);
    const int32_t line = State.CursorLineX;
    EXPECT_GT(line, 0);
    StepLifetimeCursor(canvas, 1, height);
    const int32_t next = State.CursorLineX;
    EXPECT_GT(next, line);
    StepLifetimeCursor(canvas, 1, height);
    EXPECT_GT(State.CursorLineX, next);
    StepLifetimeCursor(canvas, -5, height);
    EXPECT_EQ(State.CursorLineX, next) << "any step back is one year";
    ClickLifetimeCursor(canvas, false, 300, height);
    EXPECT_EQ(State.ClickX, 1) << "another button takes the cursor away";
}

}  // namespace
