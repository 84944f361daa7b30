// What the lifetime view's commands do to the model, for every front end:
// "Én person" and "To personer", leaving an age field, OK, "Tabel", "Graf"
// and the graph's cursor (a click or an arrow key), and which commands are
// available. A front end reads its fields, calls these and shows the table,
// the graph or the result lines they leave.
#pragma once

#include "LifetimeTable.h"

#include <array>
#include <cstdint>
#include <string>

struct Canvas;

// Which lifetime commands are available.
struct LifetimeCommandState {
    bool Results = false;  // "Graf" and "Tabel", in the menu and on the tool bar
    bool Print = false;    // "Udskriv", in the menu and on the tool bar
};
extern LifetimeCommandState LifetimeCommands;

void SetLifetimeCommandsAvailable(bool available);

// The view emptied: no table lines, the table (not the graph) next.
void ClearLifetimeResults();
// "Én person" (1) or "To personer" (2), after the view was emptied: nothing
// available until OK.
void StartLifetimePersons(int32_t personCount);
// A field changed: the results on show no longer match it.
void LifetimeInputChanged();
// Leaving an age field with its text: a plain age of 0..99 is stored in
// age; anything else stays refused (above MaxLifetimeAge) until a valid age
// is entered, and false asks the view to say so (AgeTooHighMessage) and
// empty the field. An empty field changes nothing.
bool StoreLifetimeAge(const std::string& text, int32_t& age);

// OK with the sex fields' texts: what the view shows next.
enum class LifetimeShow { Nothing, Table, Graph };
LifetimeShow AcceptLifetimeInputs(const std::string& sexA, const std::string& sexB);

// "Tabel": the table of the stored inputs into table and TableLines. False,
// with nothing changed but the graph given up, when they cannot be computed.
bool MakeLifetimeTableView(LifetimeTable& table);
// "Graf": the graph of the stored inputs, its cursor given up. True when
// the result lines were computed anew (ShownLifetimeResultLines).
bool MakeLifetimeGraphView();
// The result lines of the persons last accepted: the person's (or A's)
// line, then B's and the chance that A outlives B; " " where not used.
std::array<std::string, 3> ShownLifetimeResultLines();

// A mouse button let go over the graph at x: the left one places the
// cursor there, another takes it away. The cursor is drawn on canvas
// (inverting, so the old one is erased first).
void ClickLifetimeCursor(Canvas& canvas, bool left, int32_t x, int32_t viewHeight);
// Left (-1) or right (1): the cursor a year of age further, as a click there.
void StepLifetimeCursor(Canvas& canvas, int32_t step, int32_t viewHeight);
