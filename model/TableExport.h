// The tables of the views as files: the printed lines as plain text, and the
// figures behind them as CSV for a Danish spreadsheet. Every text is UTF-8.
#pragma once

#include <string>
#include <vector>

// The lines, each ended by a line feed.
std::string LinesAsText(const std::vector<std::string>& lines);

// A CSV file as a Danish spreadsheet reads it: a UTF-8 byte-order mark, ";"
// between fields, CRLF after every row, a field holding ";", a quote or a
// line break quoted, and every row as wide as the widest (empty fields
// added), so the file is rectangular.
std::string CsvFile(const std::vector<std::vector<std::string>>& rows);

// x with a decimal comma, as a Danish spreadsheet reads a number.
std::string CsvNumber(double x, int decimals);

// The projection on show: its inputs in rows of their own, then one row per
// age group of State ("0-4 år" as text, so a spreadsheet never takes it for
// a date) with men, women and their sum, and last the "I alt" row; every
// figure rounded as the table shows it.
std::string ProjectionCsv();

// The census view's table: the census on show like the projection (its year
// above the groups, the last group "90-99 år" holding everybody of 90 and
// over), or a historical table read from its lines; Name is the name a
// saved file gets.
struct CsvTable {
    std::string Csv;
    std::string Name;
};
CsvTable CensusViewCsv();

// The lifetime table of the persons on show (Lifetime.Shown): the persons
// with their median lifetimes (and for two the chance that A outlives B)
// above, then one row per year ahead: for one person "Alder;Chance (%)", for
// two "År frem;Alder A;Chance A (%);Alder B;Chance B (%)" with A's or B's
// fields empty past the age of 100.
std::string LifetimeCsv();

// The data lines of a table of text lines (those starting with a year) as
// rows under header: each blank-separated word a field, with brackets and
// colons left out and decimal points made commas, so
// " 1945   2.98   (1946:  3.02)" gives 1945;2,98;1946;3,02.
std::string TableLinesCsv(const std::vector<std::string>& lines, const std::vector<std::string>& header);

// "Gem som": the file types offered for a table or for a chart, as the save
// dialog lists them ("Tekst (*.txt)", ...).
std::vector<std::string> SaveFileTypesFor(bool table);

// Where a save goes and in which type ("txt", "csv", "png" or "pdf"): a name
// with a suffix that fits what is on show keeps it and takes its type; a
// known suffix that does not fit is refused with Message; any other name
// gets the chosen type's suffix added. A chosen type not offered counts as
// the first one offered. A file name (the part after the last "/") longer
// than MaxFileNameBytes is refused with Message.
constexpr size_t MaxFileNameBytes = 255;
struct SaveTarget {
    std::string Path;
    std::string Type;
    std::string Message;  // not empty: nothing is to be written
};
SaveTarget ResolveSaveTarget(const std::string& path, const std::string& chosenType, bool table);
