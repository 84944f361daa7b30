#include "ProjectionPlayback.h"

#include <utility>

namespace {

// Runs f with the given state in State, and puts State back.
template <class F>
void InState(ModelState& s, F f) {
    std::swap(State, s);
    f();
    std::swap(State, s);
}

// The group figures and chart scale of the year, as showing a chart sets
// them up.
void GroupYear() {
    State.YearsToProject = State.TargetYear - State.BaseYear;
    State.GroupSpan = 4;
    State.GroupCount = 20;
    ComputeGroupTotals();
}

}  // namespace

ProjectionPlayback::ProjectionPlayback(int32_t displayMode) : frame_(State), lastYear_(State.TargetYear) {
    InState(frame_, [displayMode] {
        SetUpProjection();
        State.TargetYear = State.BaseYear;
        State.DisplayMode = displayMode;
        State.CursorLineX = 0;
        State.ClickX = 1;
        GroupYear();
    });
    // A target before the base year plays just the base year.
    if (lastYear_ < frame_.TargetYear) lastYear_ = frame_.TargetYear;
}

bool ProjectionPlayback::Step() {
    if (AtEnd()) return false;
    // One year at a time runs exactly the steps the whole projection ran.
    InState(frame_, [] {
        State.YearsToProject = 1;
        RunProjection();
        ++State.TargetYear;
        GroupYear();
    });
    return true;
}

bool ProjectionHasYearsToPlay() { return State.TargetYear > State.BaseYear; }
