#include "Lys_erkl.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Canvas.h"
#include "Unit10.h"

ModelState State;

namespace {

constexpr double GirlShare = 0.484;
constexpr double NewbornMortalityDecay = 0.98;
constexpr double NewbornMortalityCap = 1.0;
constexpr int FirstMotherAge = 15;
constexpr int MotherGroups = 6;

}  // namespace

void LoadAllData() {
    LoadCensuses();
    LoadBaseDataSets();
    State.BaseYear = BaseDataSetFor(0).Year;
}

namespace {

// The set of a year: an added one before a built-in one.
const BaseDataSet* FindBaseDataSet(int32_t year) {
    const std::vector<BaseDataSet>& added = State.AddedBaseDataSets;
    for (auto it = added.rbegin(); it != added.rend(); ++it)
        if (it->Year == year) return &*it;
    for (const BaseDataSet& set : State.BaseDataSets)
        if (set.Year == year) return &set;
    return nullptr;
}

}  // namespace

std::vector<int32_t> ProjectionBaseYears() {
    std::vector<int32_t> years;
    for (const BaseDataSet& set : State.BaseDataSets) years.push_back(set.Year);
    for (const BaseDataSet& set : State.AddedBaseDataSets) years.push_back(set.Year);
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

bool HasBaseDataSet(int32_t year) { return FindBaseDataSet(year) != nullptr; }

const BaseDataSet& BaseDataSetFor(int32_t year) {
    if (const BaseDataSet* set = FindBaseDataSet(year)) return *set;
    return *FindBaseDataSet(ProjectionBaseYears().back());
}

void AddBaseDataSet(const BaseDataSet& set) {
    std::vector<BaseDataSet>& added = State.AddedBaseDataSets;
    added.erase(std::remove_if(added.begin(), added.end(), [&](const BaseDataSet& s) { return s.Year == set.Year; }),
                added.end());
    added.push_back(set);
}

void ListBaseYears() {
    const std::vector<int32_t> years = ProjectionBaseYears();
    const size_t listed = std::min<size_t>(years.size(), CensusYearCount);
    for (size_t k = 0; k < listed; ++k) State.YearChoices[k + 1] = years[k];
}

void ListCensusYears() {
    int n = 1;
    for (const EarlyCensusRecord& census : State.EarlyCensuses) State.YearChoices[n++] = census.Year;
    for (const CensusRecord& census : State.Censuses) State.YearChoices[n++] = census.Year;
}

void SetUpProjection() {
    ModelState& s = State;
    s.ExactFigures = false;
    s.GroupCount = 20;
    s.GroupSpan = 4;

    // A base year without a data set falls back to the newest one.
    const BaseDataSet& set = BaseDataSetFor(s.BaseYear);
    s.BaseYear = set.Year;

    for (int a = 0; a <= MaxAge; ++a) {
        s.SurvivorsMale[a] = set.SurvivorsMale[a];
        s.SurvivorsFemale[a] = set.SurvivorsFemale[a];
        s.PopMale[a] = set.PopulationMale[a];
        s.PopFemale[a] = set.PopulationFemale[a];
    }
    for (int g = 0; g < MotherGroups; ++g) s.BaseFertility[g] = set.Fertility[g];
    s.BaseChildrenPerWoman = set.ChildrenPerWoman;
    s.NewbornMortalityMale = set.NewbornMortalityMale;
    s.NewbornMortalityFemale = set.NewbornMortalityFemale;

    // The projection ages nobody past 99, so the oldest are counted there;
    // age 100 itself keeps its value.
    s.PopMale[99] = s.PopMale[99] + s.PopMale[100];
    s.PopFemale[99] = s.PopFemale[99] + s.PopFemale[100];

    for (int g = 0; g < MotherGroups; ++g) {
        s.Fertility[g] = s.ChildrenPerFamily * 1.0 / s.BaseChildrenPerWoman * s.BaseFertility[g] / 1000;
    }
    s.YearsToProject = s.TargetYear - s.BaseYear;
}

namespace {

// A count with a half year's migrants added; fewer than nobody is nobody.
// Where no half is negative no count can fall below zero, and the check is
// left out.
template <bool Leaving>
inline double WithMigrants(double population, double migrants) {
    const double sum = population + migrants;
    if constexpr (Leaving) return sum > 0 ? sum : 0;
    return sum;
}

double Births(const ModelState& s, const double* women) {
    double births = 0;
    for (int g = 0; g < MotherGroups; ++g) {
        for (int i = 0; i < 5; ++i) {
            births = births + women[FirstMotherAge + 5 * g + i] * s.Fertility[g];
        }
    }
    return births;
}

// The newborns of the year, and the first-year mortality a year on.
void BearChildren(ModelState& s, double births) {
    const double girls = std::trunc(GirlShare * births + 0.5);
    const double boys = std::trunc(births - girls + 0.5);
    s.PopMale[0] = (1.0 - s.NewbornMortalityMale) * boys;
    s.PopFemale[0] = (1.0 - s.NewbornMortalityFemale) * girls;
    s.NewbornMortalityMale = s.NewbornMortalityMale * NewbornMortalityDecay;
    s.NewbornMortalityFemale = s.NewbornMortalityFemale * NewbornMortalityDecay;
    if (s.NewbornMortalityMale > NewbornMortalityCap) s.NewbornMortalityMale = NewbornMortalityCap;
    if (s.NewbornMortalityFemale > NewbornMortalityCap) s.NewbornMortalityFemale = NewbornMortalityCap;
}

void ProjectYears(ModelState& s) {
    for (int step = 0; step < s.YearsToProject; ++step) {
        const double births = Births(s, s.PopFemale);
        // Descending, so each age reads last year's value of the age below.
        for (int a = 99; a >= 1; --a) {
            s.PopMale[a] = s.PopMale[a - 1] / s.SurvivorsMale[a - 1] * s.SurvivorsMale[a];
            s.PopFemale[a] = s.PopFemale[a - 1] / s.SurvivorsFemale[a - 1] * s.SurvivorsFemale[a];
        }
        BearChildren(s, births);
    }
}

// The same step with half of a year's migrants added at its start and half
// at its end. The counts at the start of a year are kept apart, so the
// survivors are computed in ascending order, and the next year's start is
// worked out as each end count is. The start's half at 99 is left out, as
// nobody ages past 99 and it would only be overwritten.
template <bool Leaving>
void ProjectYearsMigrating(ModelState& s, const double* halfMale, const double* halfFemale) {
    double startMale[2][MigrationAges];
    double startFemale[2][MigrationAges];
    double* men = startMale[0];
    double* women = startFemale[0];
    double* nextMen = startMale[1];
    double* nextWomen = startFemale[1];
    for (int a = 0; a < MigrationAges - 1; ++a) {
        men[a] = WithMigrants<Leaving>(s.PopMale[a], halfMale[a]);
        women[a] = WithMigrants<Leaving>(s.PopFemale[a], halfFemale[a]);
    }
    for (int step = 0; step < s.YearsToProject; ++step) {
        const double births = Births(s, women);
        for (int a = 1; a <= 99; ++a) {
            const double m = WithMigrants<Leaving>(men[a - 1] / s.SurvivorsMale[a - 1] * s.SurvivorsMale[a], halfMale[a]);
            const double f =
                WithMigrants<Leaving>(women[a - 1] / s.SurvivorsFemale[a - 1] * s.SurvivorsFemale[a], halfFemale[a]);
            s.PopMale[a] = m;
            s.PopFemale[a] = f;
            nextMen[a] = WithMigrants<Leaving>(m, halfMale[a]);
            nextWomen[a] = WithMigrants<Leaving>(f, halfFemale[a]);
        }
        BearChildren(s, births);
        s.PopMale[0] = WithMigrants<Leaving>(s.PopMale[0], halfMale[0]);
        s.PopFemale[0] = WithMigrants<Leaving>(s.PopFemale[0], halfFemale[0]);
        nextMen[0] = WithMigrants<Leaving>(s.PopMale[0], halfMale[0]);
        nextWomen[0] = WithMigrants<Leaving>(s.PopFemale[0], halfFemale[0]);
        std::swap(men, nextMen);
        std::swap(women, nextWomen);
    }
}

}  // namespace

void RunProjection() {
    ModelState& s = State;
    // Without migration nothing at all is added, so the figures stay
    // exactly those of the projection without it.
    if (s.NetMigration == 0) {
        ProjectYears(s);
        return;
    }
    double halfMale[MigrationAges];
    double halfFemale[MigrationAges];
    HalfYearMigrants(s.Migration, s.NetMigration, halfMale, halfFemale);
    bool leaving = false;
    for (int a = 0; a < MigrationAges; ++a) leaving = leaving || halfMale[a] < 0 || halfFemale[a] < 0;
    if (leaving) ProjectYearsMigrating<true>(s, halfMale, halfFemale);
    else ProjectYearsMigrating<false>(s, halfMale, halfFemale);
}

void RerunProjection() {
    SetUpProjection();
    RunProjection();
    ComputeGroupTotals();
}

void GroupCensus(double& total) {
    ModelState& s = State;
    total = 0;
    if (s.BaseYear > 1801) {
        s.GroupCount = 19;
        s.GroupSpan = 4;
        for (int a = 95; a <= 99; ++a) {
            s.PopMale[a] = 0;
            s.PopFemale[a] = 0;
        }
        const CensusRecord* census = nullptr;
        for (const CensusRecord& record : s.Censuses) {
            if (record.Year == s.BaseYear) census = &record;
        }
        // Callers pass one of the census years; anything else leaves the
        // arrays as they are rather than reading past the table.
        if (census == nullptr) return;
        auto spread = [](double count, double* ages) {
            const double share = std::trunc(count / 5);
            double sum = 0;
            for (int i = 0; i < 5; ++i) {
                ages[i] = share;
                sum += share;
            }
            ages[0] += count - sum;
        };
        for (int g = 0; g < 19; ++g) {
            spread(census->Male[g], &s.PopMale[5 * g]);
            spread(census->Female[g], &s.PopFemale[5 * g]);
            total += census->Male[g] + census->Female[g];
        }
    } else {
        s.GroupCount = 10;
        s.GroupSpan = 9;
        const EarlyCensusRecord& census = s.EarlyCensuses[s.BaseYear == 1801 ? 1 : 0];
        auto spread = [](double count, double* ages) {
            double sum = 0;
            for (int i = 0; i < 10; ++i) {
                ages[i] = count / 10;
                sum += count / 10;
            }
            ages[0] += count - sum;
        };
        for (int g = 0; g < 10; ++g) {
            spread(census.Male[g], &s.PopMale[10 * g]);
            spread(census.Female[g], &s.PopFemale[10 * g]);
            total += census.Male[g] + census.Female[g];
        }
    }
}

void ComputeGroupTotals() {
    ModelState& s = State;
    s.TotalMale = 0;
    s.TotalFemale = 0;
    s.MaxMaleGroup = 0;
    s.MaxFemaleGroup = 0;
    const int count = s.GroupCount < 0 ? 0 : (s.GroupCount > MaxGroups ? MaxGroups : s.GroupCount);
    const int width = s.GroupSpan + 1;
    for (int g = 0; g < count; ++g) {
        s.GroupMale[g] = 0;
        s.GroupFemale[g] = 0;
        for (int a = g * width; a < g * width + width && a <= MaxAge; ++a) {
            s.TotalMale += s.PopMale[a];
            s.GroupMale[g] += s.PopMale[a];
            s.TotalFemale += s.PopFemale[a];
            s.GroupFemale[g] += s.PopFemale[a];
            if (s.GroupMale[g] > s.MaxMaleGroup) s.MaxMaleGroup = s.GroupMale[g];
            if (s.GroupFemale[g] > s.MaxFemaleGroup) s.MaxFemaleGroup = s.GroupFemale[g];
        }
    }
    s.ChartUnit = (s.MaxMaleGroup + s.MaxFemaleGroup) / 360;
    // An empty population would leave the charts dividing by zero; one person
    // per pixel draws it as empty bars.
    if (!(s.ChartUnit > 0)) s.ChartUnit = 1;
    s.ScaleStep = 2;
    if (s.ChartUnit > 500) s.ScaleStep = 5;
    if (s.ChartUnit > 2500) s.ScaleStep = 10;
    if (s.ChartUnit > 5000) s.ScaleStep = 50;
    if (s.ChartUnit > 10000) s.ScaleStep = 100;
    if (s.ChartUnit > 32000) s.ScaleStep = 200;
}

double RoundForDisplay(double x) {
    if (State.ExactFigures) return x;
    if (x < 10000) return std::trunc(x / 100 + 0.5) * 100;
    return std::trunc(x / 1000 + 0.5) * 1000;
}

int32_t LargerOf(int32_t a, int32_t b) { return a > b ? a : b; }
int32_t SmallerOf(int32_t a, int32_t b) { return a < b ? a : b; }

int32_t FlipY(int32_t y) { return State.ChartOriginY - y; }

void DrawBar(Canvas& canvas, int32_t x) {
    const ChartPoint* p = State.MarkerPoints;
    canvas.MoveTo(x + 30 + p[0].x, FlipY(p[0].y));
    for (int i = 1; i < 4; ++i) canvas.LineTo(x + 30 + p[i].x, FlipY(p[i].y));
}

void DrawAxisTick(Canvas& canvas, int32_t value, int32_t x) {
    canvas.TextOut(x + 25, FlipY(30), std::to_string(value));
    canvas.MoveTo(x + 30, FlipY(40));
    canvas.LineTo(x + 30, FlipY(48));
}
