// What the projection view's commands do to the model, for every front end:
// the input dialog's OK and Fortryd, "Inddata", "Tabel", "Pyramide", "I alt
// graf", "Fortsæt" and the base-year chooser, and which of the commands are
// available. A front end reads its fields, calls these and shows State.
#pragma once

#include <cstdint>

// Which projection commands are available. Set when a projection is made or
// given up, not on every change of the state: "Fortsæt" stays as it was set
// after a continuation reaches 2100, and "Aldersgruppe" in the main menu stays
// once a projection has been made.
struct ProjectionCommandState {
    bool Projection = false;  // "Udskriv", "Tabel", "Pyramide", "I alt graf"; the age-group and model buttons
    bool Continue = false;    // "Fortsæt", in the menu and on the tool bar
    bool AgeGroups = false;   // "Aldersgruppe" in the main menu
};
extern ProjectionCommandState ProjectionCommands;

// A projection is in force (or not): the commands follow.
void SetProjectionCommandsAvailable(bool available);

// "Inddata": before the input dialog opens.
void BeginProjectionInputs();
// The input dialog's OK once its fields are checked and written into State:
// the projection is set up unless the dialog was opened by "Fortsæt".
void AcceptProjectionInputs();
// The input dialog's Fortryd.
void CancelProjectionInputs();
// After the dialog of "Inddata": the projection runs and its table is made
// when the inputs were accepted; the commands follow. True when accepted.
bool FinishProjectionInputs();

// "Tabel": the projection's table into TableLines.
void MakeProjectionTable();
// What every chart of a population starts with (the projection's and the
// census's): its mode, the years, the group figures, the cursor at the start.
void StartPopulationChart(int32_t mode);
// "Pyramide" or "I alt graf": the group figures of the chart in mode, in
// the standard twenty groups of five years.
void MakeProjectionChart(int32_t mode);

// "Fortsæt": what a cancelled dialog puts back and whether the dialog is
// asked at all (not past 2100), with the year it proposes.
struct Continuation {
    bool Ask = false;
    int32_t ProposedYear = 0;
    double ChildrenPerFamily = 0;
    int32_t RetirementAge = 0;
};
Continuation BeginContinuation();
// After the dialog (or at once when not asked): with the inputs accepted the
// projection runs on to its new year and its table is made, true; else the
// inputs are put back, false. Either way the view shows the continued table.
bool FinishContinuation(const Continuation& continuation);

// The base-year chooser: before it opens, and after it closes. A year
// without a data set becomes the newest data-set year at once. True when the
// base year changed, which gives up the projection in force.
struct BaseYearChoice {
    int32_t Before = 0;
};
BaseYearChoice BeginBaseYearChoice();
bool FinishBaseYearChoice(const BaseYearChoice& choice);
// The chooser's OK with the year read from its field, and its Fortryd.
void AcceptBaseYear(int32_t year);
void CancelBaseYear();
