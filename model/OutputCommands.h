// What "Udskriv", "Kopier til Klippebordet" and "Gem som" act on, for every
// front end: which view, its table or its chart, the lines printed or copied
// under the heading, the name and type a saved file gets. A front end tells
// where its views stand, calls these and hands the answer to its output.
#pragma once

#include "ViewTables.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the three views stand, as the front end sees them.
struct ViewsShown {
    bool LifetimeFront = false;    // the lifetime view is shown, no other view over it
    bool LifetimeGrid = false;     // its grid (else its graph) is shown
    bool Projection = false;       // the projection view is shown
    bool ProjectionTable = false;  // its table text is shown
    bool Census = false;           // the census view is shown
    bool CensusTable = false;      // its table text is shown
};

enum class OutputView { None, Lifetime, Projection, Census };

struct OutputChoice {
    OutputView View = OutputView::None;
    OnShow What = OnShow::Nothing;
    std::string Name;  // "Gem som": the file name proposed, without a type
};

// What a view's own print button prints (tableShown: its table text or
// grid is shown) and what its copy button copies.
OutputChoice PrintedBy(OutputView view, bool tableShown);
OutputChoice CopiedBy(OutputView view, bool tableShown);

// "Udskriv" of the main menu: the lifetime view once it has shown a result and lies in
// front, else the projection view if shown, else the census view; each
// prints the table or the chart on show, or nothing.
OutputChoice PrintChoice(const ViewsShown& shown);
// "Kopier til Klippebordet" of the main menu: the view of the main menu
// opened last (ActiveViews), its table or chart on show; nothing else.
OutputChoice CopyChoice(int32_t activeView, const ViewsShown& shown);
// "Gem som": the view printing picks, its table (with lines) or its chart.
OutputChoice SaveChoice(const ViewsShown& shown);

// The heading dialog ("Overskrift"): OK takes the field's text as the
// heading printouts and copies carry; Fortryd puts back the heading the
// field held as the dialog became active (the field keeps what was typed).
struct HeadingDialogState {
    std::string HeadingText;
    std::string SavedHeading;
};
extern HeadingDialogState Heading;
void ActivateHeadingDialog(const std::string& field);
void AcceptHeading(const std::string& field);
void CancelHeading();

// The heading (when used) and a blank line, then TableLines: what a table
// prints, copies and saves as text.
std::vector<std::string> HeadedTableLines(const std::string& heading);
// The heading and TableLines into PrintLines, which a printout reads.
void PreparePrintLines(const std::string& heading);
// The figures of the table a save chose, as a CSV file.
std::string SavedTableCsv(const OutputChoice& choice);

// The save dialog's type: the one chosen last for a table or for a chart is
// offered first; a type not offered counts as the first one offered.
std::string OfferedSaveType(bool table);
std::string ChooseSaveType(bool table, const std::string& chosen);
