#include "CensusCommands.h"

#include "HistoricalTables.h"
#include "Lys_erkl.h"
#include "ProjectionCommands.h"
#include "TextInput.h"
#include "ViewTables.h"

#include <algorithm>

CensusCommandState CensusCommands;

namespace {

bool IsListedCensusYear(int32_t year) {
    const int32_t* first = State.YearChoices + 1;
    const int32_t* last = first + CensusYearCount;
    return std::find(first, last, year) != last;
}

}  // namespace

void SetCensusCommandsAvailable(bool available) {
    CensusCommands.Census = available;
    CensusCommands.Print = available;
}

CensusChoice BeginCensusChoice() {
    CensusChoice choice;
    choice.BaseYearOnShow = State.BaseYear;
    CensusYearTyped(choice, "");
    return choice;
}

void CensusYearTyped(CensusChoice& choice, const std::string& text) {
    // Pasted or dropped text gets past the key filter: anything but a
    // year-sized number counts as 0 and no census year.
    const WholeNumberText number = ReadWholeNumber(text);
    choice.Year = number.Valid ? number.Value : 0;
    choice.Valid = number.Valid && IsListedCensusYear(choice.Year);
    State.BaseYear = choice.Year;
}

void AcceptCensusYear(const CensusChoice& choice) {
    State.BaseYear = choice.Year;
    State.DisplayMode = DisplayModes::Nothing;
}

void CancelCensusYear(const CensusChoice& choice) {
    State.BaseYear = choice.BaseYearOnShow;
    State.DisplayMode = DisplayModes::Nothing;
}

void BeginCensusInput() {
    State.ExactFigures = true;
    ListCensusYears();
}

bool FinishCensusInput(bool accepted) {
    // Cancelled, the chooser has put back the base year it found, which may
    // well be a census year the pupil did not choose now.
    if (!accepted || !IsListedCensusYear(State.BaseYear)) {
        ResetCensusCommands();
        return false;
    }
    double total = 0;
    GroupCensus(total);
    State.TargetYear = State.BaseYear;
    ComputeGroupTotals();
    SetCensusCommandsAvailable(true);
    MakeCensusTable();
    return true;
}

void ResetCensusCommands() {
    SetCensusCommandsAvailable(false);
    State.TableLines.clear();
}

void MakeCensusTable() {
    State.DisplayMode = DisplayModes::CensusTable;
    State.YearsToProject = State.TargetYear - State.BaseYear;
    BuildCensusTable();
}

void MakeCensusChart(int32_t mode) { StartPopulationChart(mode); }

void MakeHistoricalTable(HistoricalTable which) {
    State.DisplayMode = DisplayModes::CensusTable;
    switch (which) {
        case HistoricalTable::LifeExpectancy:
            State.TableLines = LifeExpectancyLines();
            break;
        case HistoricalTable::Mortality:
            State.TableLines = MortalityLines();
            break;
        case HistoricalTable::Fertility:
            State.TableLines = FertilityLines();
            break;
    }
    CensusCommands.Print = true;
}
