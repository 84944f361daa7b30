#include "Lifetime.h"

#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>

LifetimeState Lifetime;

namespace {

// Survivors beyond the data set's last age; its own age-100 value is not used.
constexpr double TailMale[6] = {183, 105, 50, 16, 5, 0};
constexpr double TailFemale[6] = {795, 500, 275, 130, 40, 0};

bool ValidAge(int32_t age) { return age >= 0 && age <= MaxLifetimeAge; }

void ConvertToChances(double* chance, int32_t age, std::string& median) {
    const double base = chance[age] / 100;
    chance[age] = 100.0;
    for (int x = age + 1; x <= LifeTableTop; ++x) {
        chance[x] = chance[x] / base;
        if (chance[x] <= 50.0 && median == "101") median = std::to_string(x);
    }
}

}  // namespace

void ExtendLifeTables() {
    const BaseDataSet& newest = State.BaseDataSets[BaseDataSetCount - 1];
    for (int a = 0; a < 100; ++a) {
        Lifetime.LifeTableMale[a] = newest.SurvivorsMale[a];
        Lifetime.LifeTableFemale[a] = newest.SurvivorsFemale[a];
    }
    for (int i = 0; i < 6; ++i) {
        Lifetime.LifeTableMale[100 + i] = TailMale[i];
        Lifetime.LifeTableFemale[100 + i] = TailFemale[i];
    }
}

void ComputeLifeTables() {
    LifetimeState& l = Lifetime;
    // The view only calls with validated ages; anything else would index
    // outside the tables, so it leaves the results as they are.
    if (!ValidAge(l.AgeA) || (l.SexCode == 'b' && !ValidAge(l.AgeB))) return;

    ExtendLifeTables();
    for (int x = 0; x < LifeTableSize; ++x) {
        l.ChanceA[x] = l.LifeTableMale[x];
        l.ChanceB[x] = l.LifeTableFemale[x];
    }
    l.MedianTextA = "101";
    l.MedianTextB = "101";
    if (l.SexCode == 'b') {
        if (l.SexWordA == "Kvinde") {
            for (int x = 0; x < LifeTableSize; ++x) l.ChanceA[x] = l.LifeTableFemale[x];
        }
        if (l.SexWordB == "Mand  ") {
            for (int x = 0; x < LifeTableSize; ++x) l.ChanceB[x] = l.LifeTableMale[x];
        }
    } else {
        l.AgeB = l.AgeA;
    }
    for (int x = 0; x < LifeTableSize; ++x) {
        l.SurvivorsA[x] = l.ChanceA[x];
        l.SurvivorsB[x] = l.ChanceB[x];
    }
    ConvertToChances(l.ChanceA, l.AgeA, l.MedianTextA);
    ConvertToChances(l.ChanceB, l.AgeB, l.MedianTextB);
}

double OutliveProbability(int32_t younger, int32_t older, const double* sy, const double* so) {
    double both = 0;
    double after = 0;
    for (int k = 0; older + k <= LifeTableTop - 1; ++k) {
        const double dY = (sy[younger + k] - sy[younger + k + 1]) / sy[younger];
        const double dO = (so[older + k] - so[older + k + 1]) / so[older];
        both = both + dY * dO;
        after = after + dO * sy[younger + k + 1] / sy[younger];
    }
    return after + 0.5 * both;
}

void ComputeOutliveChance() {
    LifetimeState& l = Lifetime;
    if (!ValidAge(l.AgeA) || !ValidAge(l.AgeB)) return;
    if (l.AgeA <= l.AgeB) {
        l.OutliveChance = OutliveProbability(l.AgeA, l.AgeB, l.SurvivorsA, l.SurvivorsB);
    } else {
        l.OutliveChance = 1 - OutliveProbability(l.AgeB, l.AgeA, l.SurvivorsB, l.SurvivorsA);
    }
    State.OutliveChanceText = FormatFixed(l.OutliveChance * 100, 5, 1);
}

bool LifetimeInputsUsable() {
    const LifetimeState& l = Lifetime;
    const bool usesB = l.PersonCount == 2 || l.SexCode == 'b';
    return (l.PersonCount == 1 || l.PersonCount == 2) && ValidAge(l.AgeA) && (!usesB || ValidAge(l.AgeB));
}

namespace {

std::string PersonLine(const std::string& sexWord, int32_t age, const std::string& median) {
    return sexWord + ":" + FormatFixed(age, 5, 0) + " år.    Medianlevetid: " + median + " år.";
}

}  // namespace

bool ComputeLifetimeResults() {
    LifetimeState& l = Lifetime;
    l.Shown = LifetimeState::Result();
    if (!LifetimeInputsUsable()) return false;
    ComputeLifeTables();
    const bool two = l.PersonCount == 2;
    if (two) ComputeOutliveChance();
    l.PixelsPerYear = 400.0 / (100 - std::min(l.AgeA, l.AgeB));
    LifetimeState::Result& r = l.Shown;
    r.PersonCount = l.PersonCount;
    r.AgeA = l.AgeA;
    r.AgeB = l.AgeB;
    r.SexCode = l.SexCode;
    if (two) {
        r.LineA = PersonLine(l.SexWordA, l.AgeA, l.MedianTextA);
        r.LineB = PersonLine(l.SexWordB, l.AgeB, l.MedianTextB);
        r.LineOutlive = "Chance for at A overlever B : " + State.OutliveChanceText + " %";
    } else {
        r.LineA = PersonLine(l.SexWordA, l.AgeA, l.SexCode == 'm' ? l.MedianTextA : l.MedianTextB);
    }
    return true;
}

bool ChooseLifetimePersons(int32_t ageA, char sexA, int32_t ageB, char sexB) {
    const auto word = [](char sex) { return sex == 'm' ? "Mand  " : "Kvinde"; };
    const bool two = ageB >= 0;
    if (!ValidAge(ageA) || (sexA != 'm' && sexA != 'k')) return false;
    if (two && (!ValidAge(ageB) || (sexB != 'm' && sexB != 'k'))) return false;
    LifetimeState& l = Lifetime;
    l.PersonCount = two ? 2 : 1;
    l.AgeA = ageA;
    l.SexCode = sexA;
    l.SexWordA = word(sexA);
    if (two) {
        l.AgeB = ageB;
        l.SexWordB = word(sexB);
        l.SexCode = 'b';
    }
    return ComputeLifetimeResults();
}
