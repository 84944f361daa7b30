// Speed of one frame of a played projection (the next year and its pyramid on
// the chart surface) and of a pyramid with another year outlined over it.
#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <memory>

#include <time.h>

#include "BenchSupport.h"
#include "ChartSurface.h"
#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "ProjectionPlayback.h"
#include "QtCanvas.h"

namespace {

// This thread's processor time in milliseconds: on a busy machine the wall
// clock also counts the time other processes had.
double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A frame as the timer makes it: one year on, the whole chart painted again.
// max_cpu_ms is the slowest frame seen in processor time, max_wall_ms in wall
// time; a frame must stay under 5 ms.
void BM_PlaybackFrame(benchmark::State& bench) {
    EnsureApplication();
    ProjectFrom2000(2100);
    PopulationChart chart(ProjectionChartView);
    ChartSurface surface;
    surface.resize(640, 480);
    surface.SetChart(&chart);
    auto play = std::make_unique<ProjectionPlayback>(DisplayModes::ProjectionPyramid);
    chart.ShowInstead(&play->Frame());
    double slowest = 0, slowestWall = 0;
    for (auto _ : bench) {
        if (play->AtEnd()) {
            bench.PauseTiming();
            play = std::make_unique<ProjectionPlayback>(DisplayModes::ProjectionPyramid);
            chart.ShowInstead(&play->Frame());
            bench.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadMilliseconds();
        play->Step();
        surface.Redraw();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, ThreadMilliseconds() - cpuStart);
        slowestWall = std::max(slowestWall, took.count());
    }
    bench.counters["max_cpu_ms"] = slowest;
    bench.counters["max_wall_ms"] = slowestWall;
}
BENCHMARK(BM_PlaybackFrame)->Unit(benchmark::kMicrosecond);

// The 2100 pyramid in percent with its base year outlined, on a blank image.
void BM_DrawOverlayPyramid(benchmark::State& bench) {
    EnsureApplication();
    ProjectFrom2000(2100);
    PopulationChart chart(ProjectionChartView);
    const ChartComparison base = BaseYearComparison();
    chart.SetComparison(&base);
    chart.SetPercent(true);
    DrawPyramidOnImage(bench, chart);
}
BENCHMARK(BM_DrawOverlayPyramid)->Unit(benchmark::kMicrosecond);

}  // namespace
