// The projection in force, year by year from its base year to its target
// year, for playing it on a chart. Each year is a whole model state of its
// own (State as "Pyramide" would leave it for that year), so the chart can
// show it instead of State while State itself is never touched.
#pragma once

#include "Lys_erkl.h"

#include <cstdint>

// The projection in force reaches past its base year, so playing it shows
// more than one year ("Afspil prognose" is offered only then).
bool ProjectionHasYearsToPlay();

class ProjectionPlayback {
public:
    // Starts at the base year of the projection in State, showing displayMode.
    explicit ProjectionPlayback(int32_t displayMode);

    int32_t Year() const { return frame_.TargetYear; }
    int32_t LastYear() const { return lastYear_; }
    bool AtEnd() const { return Year() >= lastYear_; }
    // On to the next year; false (and nothing done) at the end.
    bool Step();

    // The year's state, for PopulationChart::ShowInstead.
    ModelState& Frame() { return frame_; }

private:
    ModelState frame_;
    int32_t lastYear_;
};
