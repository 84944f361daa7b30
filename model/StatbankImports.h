// The tables read from Statistikbanken while the program runs, and what the
// program makes of them: base years to project from, life tables for those
// years, the actual population of a year to compare a projection with, and
// the movements. They are remembered as text until forgotten.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "StatbankReader.h"


// Every table imported, oldest import first; for a year found in several
// tables of one kind the newest import counts.
extern std::vector<StatbankTable> ImportedTables;

struct StatbankImportResult {
    bool Ok = false;
    std::string Message;  // what was read, or what is wrong (shown captioned "Fejl")
};

// Reads a file's bytes and, when they hold tables, adds them and makes the
// base years they give available to projections; a refused file changes
// nothing. Forgetting takes the imported base years away again.
StatbankImportResult ImportStatbankFile(std::string_view bytes);
void ForgetStatbankImports();

// The imported base years as data sets of the projection (State's added
// sets), after the imports or the state changed.
void ApplyStatbankImports();
bool IsImportedBaseYear(int32_t year);

// After an import: the newest imported base year's own table in State
// (target year = base year) with the inputs in force, or with the base
// data's children per woman and retirement at 67 when none were given.
// False, and State unchanged, when the imports give no base year.
bool StartFromNewestImport();

// What to remember between sessions, and reading it back at start (a damaged
// text adds what it can and nothing else).
std::string StatbankImportsText();
void RestoreStatbankImports(std::string_view text);

// The base years the imports give: each single-age population year not
// already a built-in base year, oldest first, and the data set of one.
// Everything but the population comes from the newest built-in data set,
// survivors from the newest imported life table of that year or before.
std::vector<int32_t> ImportedBaseYears();
BaseDataSet ImportedBaseDataSet(int32_t year);

// The actual population of a year in the file's own age groups, from the
// newest import that has the year; empty bands when no import has it.
struct ActualPopulation {
    int32_t Year = 0;
    std::vector<StatbankAgeBand> Bands;
    std::vector<double> Male;
    std::vector<double> Female;
    double Total() const;
};
ActualPopulation ActualPopulationOf(int32_t year);
bool HasActualPopulation(int32_t year);

// The actual population of the projection's target year outlined over its
// chart; no groups (GroupCount 0) when no import has that year.
ChartComparison ActualPopulationComparison();
bool IsActualPopulationComparison(const ChartComparison* comparison);

// The table's line under the totals while the actual population is compared:
// its total and how far the projection in State is from it, in percent.
std::string ActualPopulationLine(const ActualPopulation& actual);
// The same line after the table's, when the target year has an actual population.
void AddActualPopulationLine(std::vector<std::string>& lines);

// Movements of one kind (immigrations, emigrations, net migration) by single
// age for a year, from the newest import that has it. False when none has.
bool ImportedMovements(StatbankKind kind, int32_t year, double male[AgeCount], double female[AgeCount]);

// The age profiles the migration dialog offers, each with the net migration
// it proposes: the standard profile (proposing nothing: 0), then "Som i
// <år>" for each year the imports give net migration by sex and age for (a
// net-migration table's, else immigrations less emigrations), proposing that
// year's total, and last the profile in force when it is none of these
// (proposing the net migration in force).
struct MigrationChoice {
    MigrationProfile Profile;
    int32_t ProposedNet = 0;
};
std::vector<MigrationChoice> MigrationChoices();
// The choice at index of MigrationChoices() put in force with the net
// migration; an index out of range puts the standard profile in force.
void ChooseMigration(int index, int32_t netMigration);
