// The text tables of the projection and census views, built from the model
// state: exactly the lines the view shows, without the screen's indent.
#pragma once

#include <string>
#include <vector>

struct ChartViewDescription;

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

// What "Kopier til Klippebordet" (and printing) of a view acts on: its table
// while one with lines is shown, its chart while one is drawn, else nothing,
// and the clipboard is left as it was.
enum class OnShow { Nothing, Table, Chart };
// The projection or census view, from whether its table field is shown.
OnShow PopulationViewOnShow(const ChartViewDescription& view, bool tableShown);
// The lifetime view, from whether its grid (else its graph) is shown.
OnShow LifetimeViewOnShow(bool gridShown);
