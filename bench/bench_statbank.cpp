// Reading a whole-country download from Statistikbanken: every region and
// municipality, every single age, seven quarters (about 2 MB).
#include <benchmark/benchmark.h>

#include <string>

#include "StatbankImports.h"
#include "StatbankReader.h"

namespace {

std::string AllRegionsAgesQuarters() {
    std::string out = "\"Befolkningen den 1. i kvartalet efter område, tid, alder og køn\",,,,,\n,,,,,\n , , ,I alt,Mænd,Kvinder\n";
    for (int region = 0; region < 105; ++region) {
        out += region == 0 ? "Hele landet" : region < 6 ? "Region " + std::to_string(region) : "Kommune " + std::to_string(region);
        out += ",,,,,\n";
        for (int quarter = 0; quarter < 7; ++quarter) {
            out += " ," + std::to_string(2024 + quarter / 4) + "K" + std::to_string(quarter % 4 + 1) + ",,,,\n";
            for (int age = 0; age <= 125; ++age) {
                const int men = (age < 100 ? 30000 - 200 * age : 3) / (region == 0 ? 1 : 50);
                const int women = men + 11;
                out += " , ," + std::to_string(age) + " år," + std::to_string(men + women) + "," + std::to_string(men) +
                       "," + std::to_string(women) + "\n";
            }
        }
    }
    return out;
}

void BM_ReadStatbankFile2MB(benchmark::State& bench) {
    const std::string bytes = AllRegionsAgesQuarters();
    for (auto _ : bench) {
        const StatbankFile file = ReadStatbankFile(bytes);
        if (!file.Error.empty() || file.Tables.empty()) bench.SkipWithError(file.Error.c_str());
        benchmark::DoNotOptimize(file.Tables.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadStatbankFile2MB)->Unit(benchmark::kMillisecond);

// The same 120 years as BM_Projection1980To2100, from an imported base year.
void BM_ProjectionFromImportedYear(benchmark::State& bench) {
    State = ModelState();
    LoadAllData();
    ForgetStatbankImports();
    if (!ImportStatbankFile(AllRegionsAgesQuarters()).Ok) bench.SkipWithError("not imported");
    State.ChildrenPerFamily = 1.8;
    for (auto _ : bench) {
        State.BaseYear = 2025;
        State.TargetYear = 2145;
        SetUpProjection();
        RunProjection();
        benchmark::DoNotOptimize(State.PopMale[50]);
    }
    ForgetStatbankImports();
}
BENCHMARK(BM_ProjectionFromImportedYear);

}  // namespace
