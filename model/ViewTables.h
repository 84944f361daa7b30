// The text tables of the projection and census views, built from the model
// state: exactly the lines the view shows, without the screen's indent.
#pragma once

#include <string>
#include <vector>

// The 22 lines of the projection table: the groups, the totals and, to their
// right, the inputs and the four age classes with their shares. Call after
// SetUpProjection, RunProjection and ComputeGroupTotals.
std::vector<std::string> ProjectionTableLines();
// The 22 lines of the census table for the grouping in the model state. Call
// after GroupCensus and ComputeGroupTotals.
std::vector<std::string> CensusTableLines();

// The lines of the model-text window: the projection's inputs, the children
// per family with the user's decimal separator (the one text that follows
// the locale).
std::vector<std::string> ModelTextLines(const std::string& decimalSeparator);

// The same into State.TableLines, which printing and copying read.
void BuildProjectionTable();
void BuildCensusTable();
