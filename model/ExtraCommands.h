// The Ekstra menu for every front end: which of its items are available,
// checked, shown and how they read, from where the views stand and what
// their charts outline; and what its projection commands do to the model.
#pragma once

#include "OutputCommands.h"

#include <cstdint>
#include <string>

class PopulationChart;

struct MenuItemState {
    bool Enabled = false;
    bool Checked = false;
    bool Visible = true;
    std::string Caption;  // empty: the item keeps its own
};

struct ExtraMenuState {
    MenuItemState Afspilprognose1;             // "Afspil prognose"
    MenuItemState Sammenlign1;                 // the base year, or another census
    MenuItemState Sammenlignfolketlling1;      // a census over the projection
    MenuItemState Sammenlignudenindvandring1;  // the projection without net migration
    MenuItemState Sammenlignfaktisk1;          // the actual population of the target year
    MenuItemState Visiprocent1;                // "Vis i procent"
    MenuItemState Gemsom1;                     // "Gem som ..."
    MenuItemState Kopierlink1;                 // the web page's link to the projection
    MenuItemState Glemindlstetal1;             // "Glem indlæste tal"
};

// The projection or census view shows its pyramid or total graph.
bool ProjectionChartOnShow(const ViewsShown& shown);
bool CensusChartOnShow(const ViewsShown& shown);
// "Afspil prognose": the projection view shows a projection in force with
// years between its base and target year.
bool CanPlayProjection(const ViewsShown& shown);
// The display mode a playback shows: the total graph while it is on show,
// else the pyramid.
int32_t PlaybackMode();
// "Sammenlign med faktisk befolkning": the projection's table or chart is
// shown and the target year's actual population was imported.
bool CanCompareWithActual(const ViewsShown& shown);

// The items as the menu opens (projection and census: the views' charts).
ExtraMenuState ExtraMenu(const ViewsShown& shown, const PopulationChart& projection, const PopulationChart& census);

// "Indvandring ..." accepted: the projection on show computed again with the
// net migration now in force. The display mode to show it in (a chart's, or
// else the table), or DisplayModes::Nothing when none is on show.
int32_t ProjectAgain(bool projectionShown);

// A file read: the newest imported base year's projection set up and its
// commands available; false when the file brought no base year.
bool StartNewestImportProjection();
// "Glem indlæste tal": a projection from a base year that is gone is given
// up (its base year the data set's, no inputs, nothing on show, the
// commands off); true when it was.
bool ForgetImportedProjection();
