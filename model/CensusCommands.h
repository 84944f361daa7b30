// What the census view's commands and its year chooser do to the model, for
// every front end: the chooser's typed year, OK and Fortryd, the census
// table and charts, the three historical tables, and which commands are
// available. A front end reads its fields, calls these and shows State.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Which census commands are available.
struct CensusCommandState {
    bool Census = false;  // a census in force: "Udskriv", "Tabel", "Pyramide", "I alt graf"
    bool Print = false;   // the view's own print button (a historical table prints too)
};
extern CensusCommandState CensusCommands;

void SetCensusCommandsAvailable(bool available);

// The census-year chooser. Its field writes every change into BaseYear (so
// that nothing left there by a projection counts as chosen); Fortryd puts
// back the year found when it opened.
struct CensusChoice {
    int32_t BaseYearOnShow = 0;
    int32_t Year = 0;     // the year typed, 0 when it is no whole number
    bool Valid = false;   // a census year: OK is available
};
// On show, with the field emptied.
CensusChoice BeginCensusChoice();
// The field's text changed (typed, pasted or picked in the list).
void CensusYearTyped(CensusChoice& choice, const std::string& text);
void AcceptCensusYear(const CensusChoice& choice);
void CancelCensusYear(const CensusChoice& choice);

// "Inddata" of the census view: before the chooser opens.
void BeginCensusInput();
// After the chooser: the census chosen with OK is grouped and its table
// made, true; otherwise the view is reset, false. The commands follow.
bool FinishCensusInput(bool accepted);
// The view emptied: no census, no table, the commands off.
void ResetCensusCommands();

// "Tabel": the census table into TableLines.
void MakeCensusTable();
// "Pyramide" or "I alt graf": the group figures of the chart in mode.
void MakeCensusChart(int32_t mode);

enum class HistoricalTable { LifeExpectancy, Mortality, Fertility };
// "Middellevetid", "Dødelighed", "Fertilitet": the table into TableLines,
// printable from the view's button.
void MakeHistoricalTable(HistoricalTable which);
