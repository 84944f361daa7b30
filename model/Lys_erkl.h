// The model unit: the one global model state, the projection engine, census
// grouping, totals, display rounding and the chart primitives.
//
// Indexing: arrays by age run 0..100 (index = completed years of age); age
// groups are numbered from 0; YearChoices is numbered from 1 (entry 0 unused).
// The record tables EarlyCensuses, Censuses and BaseDataSets are ordinary
// zero-based C++ arrays in year order (BaseDataSets[3] is the newest, 2008).
// Base data added while the program runs are kept after the built-in ones in
// AddedBaseDataSets; BaseDataSetFor and ProjectionBaseYears see both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Migration.h"

struct Canvas;

constexpr int MaxAge = 100;
constexpr int AgeCount = MaxAge + 1;
constexpr int BaseDataSetCount = 4;
constexpr int CensusCount = 15;
constexpr int EarlyCensusCount = 2;
constexpr int CensusYearCount = EarlyCensusCount + CensusCount;  // 17
constexpr int MaxGroups = 20;

// The values of DisplayMode: what the projection or census view shows.
namespace DisplayModes {
constexpr int32_t Nothing = 0;
constexpr int32_t ProjectionTable = 1;
constexpr int32_t ProjectionPyramid = 2;
constexpr int32_t ProjectionTotalGraph = 3;
constexpr int32_t ContinuedTable = 4;  // the projection's table after "Fortsæt"
constexpr int32_t CensusTable = 11;    // also the historical tables
constexpr int32_t CensusPyramid = 12;
constexpr int32_t CensusTotalGraph = 13;
}  // namespace DisplayModes

// The values of the main window's ActiveView: the main menu opened last,
// which decides what "Kopier til Klippebordet" copies.
namespace ActiveViews {
constexpr int32_t None = 0;
constexpr int32_t Lifetime = 1;
constexpr int32_t Projection = 2;
constexpr int32_t Census = 3;
}  // namespace ActiveViews

struct BaseDataSet {
    int32_t Year = 0;
    double SurvivorsMale[AgeCount] = {};
    double SurvivorsFemale[AgeCount] = {};
    double PopulationMale[AgeCount] = {};
    double PopulationFemale[AgeCount] = {};
    double Fertility[6] = {};  // births per 1000 women, mothers 15-19 .. 40-44
    double ChildrenPerWoman = 0;
    double NewbornMortalityMale = 0;
    double NewbornMortalityFemale = 0;
    bool operator==(const BaseDataSet&) const = default;
};

struct CensusRecord {
    int32_t Year = 0;
    double Male[19] = {};  // 0-4 .. 85-89, then everybody aged 90 and over
    double Female[19] = {};
    bool operator==(const CensusRecord&) const = default;
};

struct EarlyCensusRecord {
    int32_t Year = 0;
    double Male[10] = {};  // 0-9 .. 90-99
    double Female[10] = {};
    bool operator==(const EarlyCensusRecord&) const = default;
};

struct ChartPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct ModelState {
    int32_t ChartOriginY = 0;
    int32_t DisplayMode = 0;
    int32_t YearsToProject = 0;
    int32_t ScaleStep = 0;
    int32_t GroupCount = 0;
    int32_t GroupSpan = 0;
    int32_t SavedScrollPos = 0;
    int32_t CursorLineX = 0;
    int32_t BaseYear = 0;
    int32_t TargetYear = 0;
    int32_t SavedTargetYear = 0;
    int32_t RetirementAge = 0;
    int32_t ClickX = 0;
    bool LifetimeGraphShown = false;
    bool LifetimeViewActive = false;
    bool InputsAccepted = false;
    bool ExactFigures = false;
    EarlyCensusRecord EarlyCensuses[EarlyCensusCount];
    CensusRecord Censuses[CensusCount];
    BaseDataSet BaseDataSets[BaseDataSetCount];
    std::vector<BaseDataSet> AddedBaseDataSets;  // in the order they were added
    double ChildrenPerFamily = 0;
    double BaseChildrenPerWoman = 0;
    double NewbornMortalityMale = 0;
    double NewbornMortalityFemale = 0;
    double MaxMaleGroup = 0;
    double MaxFemaleGroup = 0;
    double TotalMale = 0;
    double TotalFemale = 0;
    double ChartUnit = 0;
    double SurvivorsMale[AgeCount] = {};
    double SurvivorsFemale[AgeCount] = {};
    double PopMale[AgeCount] = {};
    double PopFemale[AgeCount] = {};
    double BaseFertility[6] = {};
    double Fertility[6] = {};
    double GroupMale[MaxGroups] = {};
    double GroupFemale[MaxGroups] = {};
    ChartPoint MarkerPoints[4];
    int32_t YearChoices[CensusYearCount + 1] = {};  // [1..17]
    // Net migration per year and its spread over sex and age; with 0 the
    // projection adds nobody.
    int32_t NetMigration = 0;
    MigrationProfile Migration = StandardMigrationProfile();
    std::string OutliveChanceText;
    std::vector<std::string> TableLines;  // UTF-8
    std::vector<std::string> PrintLines;  // UTF-8
    // Whole states compare equal when every field does (a snapshot put back).
    bool operator==(const ModelState&) const = default;
};

extern ModelState State;

// Built-in data (filled from the data unit) and the projection engine.
void LoadAllData();

// The base data a projection starts from. The years are listed oldest first,
// each once; a set added for a year that already has one takes its place.
// A year without a data set gets the newest one.
std::vector<int32_t> ProjectionBaseYears();
bool HasBaseDataSet(int32_t year);
const BaseDataSet& BaseDataSetFor(int32_t year);
void AddBaseDataSet(const BaseDataSet& set);

// The projection base years, oldest first, into YearChoices[1..] (at most
// CensusYearCount of them); the entries after them are left as they were.
void ListBaseYears();
// The seventeen census years, oldest first, into YearChoices[1..17].
void ListCensusYears();
void SetUpProjection();
void RunProjection();
// The projection in force computed again from its base year with the inputs
// now in the state (after a change of the net migration), grouped for the
// table and the charts.
void RerunProjection();

// Grouping, totals and display rounding.
void GroupCensus(double& total);
void ComputeGroupTotals();
double RoundForDisplay(double x);
int32_t LargerOf(int32_t a, int32_t b);
int32_t SmallerOf(int32_t a, int32_t b);

// Chart primitives shared by the projection and census charts.
int32_t FlipY(int32_t y);
void DrawBar(Canvas& canvas, int32_t x);
void DrawAxisTick(Canvas& canvas, int32_t value, int32_t x);
