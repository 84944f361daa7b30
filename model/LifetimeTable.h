// The lifetime table as the view's string grid shows it: survival chances at
// each later age in columns, the median age marked with "*", and the text
// lines printing and copying take (TableLines).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LifetimeTable {
    int32_t ColCount = 0;
    int32_t FixedRows = 0;                       // header rows
    std::vector<std::vector<std::string>> Cells;  // [row][col]; its size is the row count
    // Per column, the text whose width in the grid's font the column gets.
    std::vector<std::string> ColumnWidthTexts;
    // The result lines under the table (the view's Label5, Label6, Label7);
    // " " where a line is not used.
    std::string ResultLines[3] = {" ", " ", " "};
};

// The table of the results computed last (ComputeLifetimeResults); empty
// when there are none.
LifetimeTable MakeLifetimeTable();

// " Levetidstabel", a blank, the grid's rows with a blank line after every
// fifth, then the result lines each after a blank.
std::vector<std::string> LifetimeTableLines(const LifetimeTable& table);

// Computes the stored inputs and fills State.TableLines with the table's
// lines. False, leaving TableLines alone, when they cannot be computed.
bool BuildLifetimeTable();
