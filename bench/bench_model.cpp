// Speed of the model arithmetic behind every table and chart.
#include <benchmark/benchmark.h>

#include "AgeInterval.h"
#include "Lifetime.h"
#include "Lys_erkl.h"

namespace {

void Load() {
    State = ModelState();
    LoadAllData();
    ListBaseYears();
}

// Argument: the net migration per year (0: the projection without it; the
// two are compared in the same run).
void BM_Projection1980To2100(benchmark::State& bench) {
    Load();
    State.BaseYear = 1980;
    State.TargetYear = 2100;
    State.ChildrenPerFamily = 1.8;
    State.NetMigration = static_cast<int32_t>(bench.range(0));
    for (auto _ : bench) {
        State.BaseYear = 1980;
        SetUpProjection();
        RunProjection();
        benchmark::DoNotOptimize(State.PopMale[50]);
    }
}
BENCHMARK(BM_Projection1980To2100)->Arg(0)->Arg(30000)->Arg(-30000);

void BM_ComputeGroupTotals(benchmark::State& bench) {
    Load();
    State.BaseYear = 2008;
    State.TargetYear = 2050;
    State.ChildrenPerFamily = 1.8;
    SetUpProjection();
    RunProjection();
    for (auto _ : bench) {
        ComputeGroupTotals();
        benchmark::DoNotOptimize(State.ChartUnit);
    }
}
BENCHMARK(BM_ComputeGroupTotals);

void BM_GroupCensus(benchmark::State& bench) {
    Load();
    State.BaseYear = 1901;
    double total = 0;
    for (auto _ : bench) {
        GroupCensus(total);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_GroupCensus);

void BM_LifeTablesAndOutliveChance(benchmark::State& bench) {
    Load();
    Lifetime.SexCode = 'b';
    Lifetime.AgeA = 45;
    Lifetime.AgeB = 45;
    Lifetime.SexWordA = "Mand  ";
    Lifetime.SexWordB = "Kvinde";
    for (auto _ : bench) {
        ComputeLifeTables();
        ComputeOutliveChance();
        benchmark::DoNotOptimize(Lifetime.OutliveChance);
    }
}
BENCHMARK(BM_LifeTablesAndOutliveChance);

// What the age-group dialog does for a list of 100 years.
void BM_HundredIntervalSummaries(benchmark::State& bench) {
    Load();
    State.ChildrenPerFamily = 1.56;
    IntervalFrom = 0;
    IntervalTo = 4;
    for (auto _ : bench) {
        for (int32_t year = 2001; year <= 2100; ++year) {
            State.BaseYear = 2000;
            State.TargetYear = year;
            SetUpProjection();
            RunProjection();
            AgeIntervalSummary();
        }
        benchmark::DoNotOptimize(TargetIntervalLine.data());
    }
}
BENCHMARK(BM_HundredIntervalSummaries)->Unit(benchmark::kMillisecond);

}  // namespace
