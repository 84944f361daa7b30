// The three historical tables' published figures, written out as numbers:
// a mistyped figure fails here, whatever function shows the table.
#include "HistoricalTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

// The figures of each row that starts with a year, blanks folded.
std::vector<std::string> FigureRows(const std::vector<std::string>& lines) {
    std::vector<std::string> rows;
    for (std::string line : lines) {
        for (char& c : line)
            if (c == '(' || c == ')' || c == ':') c = ' ';
        std::istringstream words(line);
        std::string row, word;
        while (words >> word) row += (row.empty() ? "" : " ") + word;
        if (row.size() >= 4 && std::all_of(row.begin(), row.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }))
            rows.push_back(row);
    }
    return rows;
}

TEST(HistoricalTables, HoldThePublishedFigures) {
    const std::vector<std::string> lifeExpectancy = {
        "1840-49 42.9 45.0", "1850-59 43.1 45.4", "1860-69 43.7 45.6", "1870-79 45.5 47.2", "1880-89 46.8 48.9",
        "1890-99 48.6 51.4", "1900-09 53.9 57.1", "1910-19 56.0 58.5", "1920-29 60.6 62.3", "1930-39 62.8 64.8",
        "1940-49 66.7 68.9", "1950-59 70.1 73.2", "1960-69 70.5 74.9", "1970-79 71.1 76.9", "1980-89 71.9 77.7",
        "1990-99 72.7 78.0"};
    const std::vector<std::string> mortality = {
        "1840-49 15.5 26.6", "1850-59 14.8 26.9", "1860-69 14.5 27.2", "1870-79 14.8 24.8", "1880-89 14.9 24.1",
        "1890-99 14.9 22.4", "1900-09 12.6 16.7", "1910-19 10.7 14.2", "1920-29 9.2 11.7",  "1930-39 7.6 9.5",
        "1940-49 5.0 6.3",   "1950-59 2.9 3.6",   "1960-69 2.2 2.6",   "1970-79 1.2 1.5",   "1980-89 0.9 1.2",
        "1990-99 0.5 0.7"};
    const std::vector<std::string> fertility = {
        "1900 4.14", "1910 3.67", "1920 3.29", "1930 2.30", "1940 2.22", "1945 2.98 1946 3.02", "1950 2.58",
        "1955 2.58", "1960 2.54 1963 2.64", "1965 2.61", "1970 1.95", "1975 1.92", "1980 1.55 1983 1.38",
        "1985 1.45", "1990 1.67", "1995 1.81", "2000 1.77"};
    EXPECT_EQ(FigureRows(LifeExpectancyLines()), lifeExpectancy);
    EXPECT_EQ(FigureRows(MortalityLines()), mortality);
    EXPECT_EQ(FigureRows(FertilityLines()), fertility);
}

}  // namespace
