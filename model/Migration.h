// Net migration as an input of the projection: how many persons a year, and
// how they spread over sex and age. The profile is a set of shares that add
// up to 1 over both sexes and the ages 0..99; the migrants of a sex and age
// in a year are the net migration times that share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int MigrationAges = 100;  // ages 0..99; nobody migrates at 100
constexpr int32_t LeastNetMigration = -100000;
constexpr int32_t MostNetMigration = 200000;

struct MigrationProfile {
    int32_t Year = 0;  // 0: the standard profile; otherwise the year it was taken from
    double Male[MigrationAges] = {};
    double Female[MigrationAges] = {};
    bool operator==(const MigrationProfile&) const = default;
};

// The model migration schedule with its fundamental parameters,
//   r(x) = 0.02 e^(-0.1x) + 0.06 e^(-0.1(x-20) - e^(-0.4(x-20))) + 0.003,
// p(x) = r(x) / sum of r over 0..99, half of it men and half women.
const MigrationProfile& StandardMigrationProfile();

// The profile of a year's net migration by sex and age (ages 0..99, the
// last one holding everybody older): each count divided by the total.
// Returns false, and leaves profile alone, when the total is not a usable
// divisor (zero or not finite) or a count is not finite.
bool ProfileFromCounts(int32_t year, const double* male, const double* female, int ages, MigrationProfile& profile);

// The net migrants of each sex and age for a year's net migration: N times
// the share, halved for the two moments of the year they are counted in.
void HalfYearMigrants(const MigrationProfile& profile, int32_t netMigration, double* male, double* female);

// The dialog's field: a whole number from LeastNetMigration to
// MostNetMigration, with one leading minus sign allowed.
struct NetMigrationCheck {
    bool Filled = false;  // the field sorts after a blank: OK may be pressed
    bool Valid = false;
    int32_t Value = 0;
};
NetMigrationCheck CheckNetMigration(std::string_view text);
extern const char* const NetMigrationMessage;  // caption "Ups"

// The profile's name as the dialog and the model text show it.
std::string MigrationProfileName(const MigrationProfile& profile);
