#include "ProjectionCommands.h"

#include "Lys_erkl.h"
#include "ViewTables.h"

ProjectionCommandState ProjectionCommands;

namespace {

// Nothing continues past 2100.
constexpr int32_t LastYear = 2100;

}  // namespace

void SetProjectionCommandsAvailable(bool available) {
    ProjectionCommands.Projection = available;
    ProjectionCommands.Continue = available && State.TargetYear < LastYear;
    if (available) ProjectionCommands.AgeGroups = true;
}

void BeginProjectionInputs() {
    ListBaseYears();
    State.DisplayMode = DisplayModes::Nothing;
    State.TableLines.clear();
}

void AcceptProjectionInputs() {
    State.InputsAccepted = true;
    // With DisplayModes::Nothing the dialog was opened by "Inddata".
    if (State.DisplayMode == DisplayModes::Nothing) SetUpProjection();
}

void CancelProjectionInputs() {
    State.InputsAccepted = false;
    State.DisplayMode = DisplayModes::Nothing;
}

bool FinishProjectionInputs() {
    if (!State.InputsAccepted) {
        SetProjectionCommandsAvailable(false);
        return false;
    }
    SetProjectionCommandsAvailable(true);
    State.YearsToProject = State.TargetYear - State.BaseYear;
    RunProjection();
    ComputeGroupTotals();
    MakeProjectionTable();
    return true;
}

void MakeProjectionTable() {
    State.DisplayMode = DisplayModes::ProjectionTable;
    BuildProjectionTable();
}

void StartPopulationChart(int32_t mode) {
    State.DisplayMode = mode;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    ComputeGroupTotals();
    State.CursorLineX = 0;
    State.ClickX = 1;
}

void MakeProjectionChart(int32_t mode) {
    StartPopulationChart(mode);
    State.GroupSpan = 4;
    State.GroupCount = 20;
}

Continuation BeginContinuation() {
    State.SavedTargetYear = State.TargetYear;
    // A cancelled dialog may store invalid inputs on its way; the table on
    // screen was made with these.
    Continuation c;
    c.Ask = State.TargetYear < LastYear;
    c.ProposedYear = State.TargetYear + 1;
    c.ChildrenPerFamily = State.ChildrenPerFamily;
    c.RetirementAge = State.RetirementAge;
    return c;
}

bool FinishContinuation(const Continuation& c) {
    const bool accepted = State.InputsAccepted;
    if (accepted) {
        if (c.Ask) {
            SetUpProjection();
            RunProjection();
            ComputeGroupTotals();
        }
        MakeProjectionTable();
    } else {
        State.TargetYear = State.SavedTargetYear;
        State.ChildrenPerFamily = c.ChildrenPerFamily;
        State.RetirementAge = c.RetirementAge;
    }
    State.DisplayMode = DisplayModes::ContinuedTable;
    return accepted;
}

BaseYearChoice BeginBaseYearChoice() {
    State.ExactFigures = false;
    ListBaseYears();
    BaseYearChoice choice{State.BaseYear};
    State.DisplayMode = DisplayModes::Nothing;
    State.TableLines.clear();
    return choice;
}

bool FinishBaseYearChoice(const BaseYearChoice& choice) {
    // The input dialog's year range and the table's "Basisår" then name the
    // population actually used.
    State.BaseYear = BaseDataSetFor(State.BaseYear).Year;
    if (State.BaseYear == choice.Before) return false;
    SetProjectionCommandsAvailable(false);
    return true;
}

void AcceptBaseYear(int32_t year) {
    State.BaseYear = year;
    State.DisplayMode = DisplayModes::Nothing;
}

void CancelBaseYear() { State.DisplayMode = DisplayModes::Nothing; }
