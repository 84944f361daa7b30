#include "LifetimeCommands.h"

#include "InputRules.h"
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "Lys_erkl.h"

LifetimeCommandState LifetimeCommands;

void SetLifetimeCommandsAvailable(bool available) {
    LifetimeCommands.Results = available;
    LifetimeCommands.Print = available;
}

void ClearLifetimeResults() {
    State.LifetimeGraphShown = false;
    State.TableLines.clear();
}

void StartLifetimePersons(int32_t personCount) {
    Lifetime.PersonCount = personCount;
    SetLifetimeCommandsAvailable(false);
}

void LifetimeInputChanged() { SetLifetimeCommandsAvailable(false); }

bool StoreLifetimeAge(const std::string& text, int32_t& age) {
    if (text.empty()) return true;
    // Pasted text reaches the field past the key filter; whatever is not a
    // plain age of 0..99 is refused as an age of 100 or more is.
    const int32_t value = ReadLifetimeAge(text);
    if (value >= 0) {
        age = value;
        return true;
    }
    age = MaxLifetimeAge + 1;
    return false;
}

LifetimeShow AcceptLifetimeInputs(const std::string& sexA, const std::string& sexB) {
    ReadLifetimeSexes(Lifetime, sexA, sexB);
    if (!LifetimeInputsValid(Lifetime)) return LifetimeShow::Nothing;
    SetLifetimeCommandsAvailable(true);
    State.LifetimeViewActive = true;
    return State.LifetimeGraphShown ? LifetimeShow::Graph : LifetimeShow::Table;
}

bool MakeLifetimeTableView(LifetimeTable& table) {
    State.LifetimeGraphShown = false;
    if (!ComputeLifetimeResults()) return false;
    table = MakeLifetimeTable();
    State.TableLines = LifetimeTableLines(table);
    return true;
}

bool MakeLifetimeGraphView() {
    // The result lines are told once here; drawing only reads them.
    const bool computed = ComputeLifetimeResults();
    LifetimeCommands.Print = true;
    State.LifetimeGraphShown = true;
    State.ClickX = 1;
    return computed;
}

std::array<std::string, 3> ShownLifetimeResultLines() {
    const LifetimeState::Result& shown = Lifetime.Shown;
    if (shown.PersonCount == 2) return {shown.LineA, shown.LineB, shown.LineOutlive};
    return {shown.LineA, " ", " "};
}

void ClickLifetimeCursor(Canvas& canvas, bool left, int32_t x, int32_t viewHeight) {
    State.ClickX = left ? x : 1;
    DrawLifetimeCursor(canvas, viewHeight);
}

void StepLifetimeCursor(Canvas& canvas, int32_t step, int32_t viewHeight) {
    ClickLifetimeCursor(canvas, true, LifetimeCursorXAfterStep(step < 0 ? -1 : 1), viewHeight);
}
