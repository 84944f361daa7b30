// The projection view's commands as both front ends run them: the input
// dialog answered by writing its inputs, as its checks do.
#include "ProjectionCommands.h"

#include "ModelFixture.h"

#include <algorithm>
#include <iterator>

namespace {

class ProjectionCommandsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        ProjectionCommands = ProjectionCommandState();
    }
    // "Inddata" with the dialog answered OK (or Fortryd).
    static bool Enter(int32_t base, int32_t target, bool ok) {
        State.BaseYear = base;
        BeginProjectionInputs();
        State.ChildrenPerFamily = 1.8;
        State.TargetYear = target;
        State.RetirementAge = 67;
        ok ? AcceptProjectionInputs() : CancelProjectionInputs();
        return FinishProjectionInputs();
    }
};

TEST_F(ProjectionCommandsTest, AvailabilityFollowsTheInputDialog) {
    struct Row {
        const char* name;
        int32_t target;
        bool ok;
        ProjectionCommandState expected;
    };
    const Row rows[] = {
        {"accepted", 2030, true, {true, true, true}},
        {"accepted up to 2100: nothing continues", 2100, true, {true, false, true}},
        {"cancelled", 2030, false, {false, false, false}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProjectionCommands = ProjectionCommandState();
        EXPECT_EQ(Enter(2000, r.target, r.ok), r.ok);
        EXPECT_EQ(ProjectionCommands.Projection, r.expected.Projection);
        EXPECT_EQ(ProjectionCommands.Continue, r.expected.Continue);
        EXPECT_EQ(ProjectionCommands.AgeGroups, r.expected.AgeGroups);
        EXPECT_EQ(State.DisplayMode, r.ok ? DisplayModes::ProjectionTable : DisplayModes::Nothing);
        EXPECT_EQ(State.TableLines.empty(), !r.ok);
    }
    // Once a projection was made, the age groups stay after a cancel.
    Enter(2000, 2030, true);
    Enter(2000, 2030, false);
    EXPECT_FALSE(ProjectionCommands.Projection);
    EXPECT_TRUE(ProjectionCommands.AgeGroups);
}

TEST_F(ProjectionCommandsTest, ContinuationRunsOnOrPutsBack) {
    struct Row {
        const char* name;
        int32_t from;
        bool ok;
        bool ask;
        int32_t targetAfter;
    };
    const Row rows[] = {
        {"accepted", 2030, true, true, 2031},
        {"cancelled", 2030, false, true, 2030},
        {"at 2100 nothing is asked", 2100, true, false, 2100},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Enter(2000, r.from, true);
        const Continuation c = BeginContinuation();
        EXPECT_EQ(c.Ask, r.ask);
        EXPECT_EQ(c.ProposedYear, r.from + 1);
        if (c.Ask) {
            // The dialog stores what it reads, also when it is then cancelled.
            State.TargetYear = c.ProposedYear;
            State.ChildrenPerFamily = 9;
            State.RetirementAge = 1;
            r.ok ? AcceptProjectionInputs() : CancelProjectionInputs();
        }
        EXPECT_EQ(FinishContinuation(c), r.ok);
        EXPECT_EQ(State.TargetYear, r.targetAfter);
        EXPECT_EQ(State.DisplayMode, DisplayModes::ContinuedTable);
        if (!r.ok) {
            EXPECT_EQ(State.ChildrenPerFamily, 1.8);
            EXPECT_EQ(State.RetirementAge, 67);
        }
    }
    // A continued projection has the figures of one made at once.
    Enter(2000, 2030, true);
    BeginContinuation();
    State.TargetYear = 2031;
    AcceptProjectionInputs();
    FinishContinuation({true, 2031, 1.8, 67});
    const ModelState continued = State;
    Project(2000, 2031, 1.8);
    EXPECT_TRUE(std::equal(std::begin(State.PopMale), std::end(State.PopMale), continued.PopMale));
}

TEST_F(ProjectionCommandsTest, BaseYearChoiceGivesUpTheProjectionWhenItChanges) {
    struct Row {
        const char* name;
        int32_t chosen;  // 0: Fortryd
        int32_t baseAfter;
        bool changed;
    };
    const Row rows[] = {
        {"another year", 1990, 1990, true},
        {"the same year", 2000, 2000, false},
        {"a year without data", 1995, 2008, true},
        {"cancelled", 0, 2000, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Enter(2000, 2030, true);
        const BaseYearChoice choice = BeginBaseYearChoice();
        EXPECT_TRUE(State.TableLines.empty());
        r.chosen ? AcceptBaseYear(r.chosen) : CancelBaseYear();
        EXPECT_EQ(State.DisplayMode, DisplayModes::Nothing);
        EXPECT_EQ(FinishBaseYearChoice(choice), r.changed);
        EXPECT_EQ(State.BaseYear, r.baseAfter);
        EXPECT_EQ(ProjectionCommands.Projection, !r.changed);
    }
}

}  // namespace
