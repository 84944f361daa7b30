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
