// The tables of the views as files: the printed lines as plain text, and the
// figures behind them as comma-separated values for a spreadsheet. Every
// text is UTF-8 with "." as the decimal point, whatever the locale.
#pragma once

#include <string>
#include <vector>

// The lines, each ended by a line feed.
std::string LinesAsText(const std::vector<std::string>& lines);

// One CSV row ended by a line feed; a field holding a comma, a quote or a
// line break is quoted.
std::string CsvRow(const std::vector<std::string>& fields);

// One row per age group of State (GroupCount groups of GroupSpan + 1 years):
// the group as "0-4 år" (text, so a spreadsheet never takes it for a date),
// men, women and their total in persons with two decimals, under a header
// row. lastGroupTo99 names a last group that ends at 94 "90-99 år", as the
// census tables do.
std::string GroupFiguresCsv(bool lastGroupTo99);

// The lifetime table of the global Lifetime state, one row per year ahead:
// for one person "Alder,Chance (%)", for two "År frem,Alder A,Chance A (%),
// Alder B,Chance B (%)" with A's or B's fields empty past the age of 100.
std::string LifetimeCsv();

// The data lines of a table of text lines (those starting with a year) as
// rows under header: each blank-separated word a field, with brackets and
// colons left out, so " 1945   2.98   (1946:  3.02)" gives 1945,2.98,1946,3.02.
std::string TableLinesCsv(const std::vector<std::string>& lines, const std::vector<std::string>& header);

// "Gem som": the file types offered for a table or for a chart, as the save
// dialog lists them ("Tekst (*.txt)", ...).
std::vector<std::string> SaveFileTypesFor(bool table);

// Where a save goes and in which type ("txt", "csv", "png" or "pdf"): a name
// without a suffix gets the chosen type's; a name with a known suffix that
// does not fit what is on show is refused with Message; any other suffix
// keeps the name and takes the chosen type. A chosen type not offered counts
// as the first one offered.
struct SaveTarget {
    std::string Path;
    std::string Type;
    std::string Message;  // not empty: nothing is to be written
};
SaveTarget ResolveSaveTarget(const std::string& path, const std::string& chosenType, bool table);
