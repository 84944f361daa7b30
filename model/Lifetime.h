// Survival chances, median lifetimes and the chance that one person outlives
// another, from the newest built-in life table extended to age 105.
#pragma once

#include <cstdint>
#include <string>

constexpr int LifeTableTop = 105;
constexpr int LifeTableSize = LifeTableTop + 1;

struct LifetimeState {
    int32_t AgeA = 0;
    int32_t AgeB = 0;
    int32_t PersonCount = 0;  // 0 before a mode was chosen, then 1 or 2
    char SexCode = 0;         // 'm' or 'k' for one person, 'b' for two
    double OutliveChance = 0;
    double PixelsPerYear = 0;
    std::string MedianTextA;
    std::string MedianTextB;
    std::string SexWordA;  // "Mand  " or "Kvinde"
    std::string SexWordB;
    double LifeTableMale[LifeTableSize] = {};
    double LifeTableFemale[LifeTableSize] = {};
    double ChanceA[LifeTableSize] = {};
    double ChanceB[LifeTableSize] = {};
    double SurvivorsA[LifeTableSize] = {};
    double SurvivorsB[LifeTableSize] = {};

    // The persons the chances above were computed for when inputs were
    // accepted last, and the result lines told about them. The graph and the
    // printouts follow these, not the ages being typed meanwhile.
    struct Result {
        int32_t PersonCount = 0;  // 0: nothing computed yet
        int32_t AgeA = 0;
        int32_t AgeB = 0;
        char SexCode = 0;
        std::string LineA;        // sex word, age and median of the person or of A
        std::string LineB;        // the same for B (two persons)
        std::string LineOutlive;  // the chance that A outlives B (two persons)
    } Shown;
};

extern LifetimeState Lifetime;

// The oldest age the lifetime view accepts.
constexpr int32_t MaxLifetimeAge = 99;

void ExtendLifeTables();
void ComputeLifeTables();
// Chance that the person of age `younger` (column sy) outlives the person of
// age `older` (column so), younger <= older; deaths in the same year count half.
double OutliveProbability(int32_t younger, int32_t older, const double* sy, const double* so);
void ComputeOutliveChance();

// The stored inputs can be computed: one or two persons, ages 0..99.
bool LifetimeInputsUsable();
// ComputeLifeTables, for two persons ComputeOutliveChance, then PixelsPerYear
// and Lifetime.Shown. Inputs that cannot be computed clear Shown and return
// false.
bool ComputeLifetimeResults();
// Sets the inputs as the view's OK does (sex 'm' or 'k'; ageB < 0 for one
// person) and computes them. False, with nothing computed, when the view
// would refuse them.
bool ChooseLifetimePersons(int32_t ageA, char sexA, int32_t ageB, char sexB);
