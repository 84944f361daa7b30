// Speed of the pyramid on an image and of moving its click cursor.
#include <benchmark/benchmark.h>

#include <QImage>

#include "BenchSupport.h"
#include "ChartSurface.h"
#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "QtCanvas.h"

namespace {

// A whole 20-group pyramid on a blank 640 x 480 image.
void BM_DrawPyramid20Groups(benchmark::State& bench) {
    EnsureApplication();
    ProjectFrom2000(2030);
    PopulationChart chart(ProjectionChartView);
    DrawPyramidOnImage(bench, chart);
}
BENCHMARK(BM_DrawPyramid20Groups)->Unit(benchmark::kMicrosecond);

// One click moving the cursor, the way the chart surface handles it: erase
// the old line and count, draw the new ones, hand the image to the widget.
void BM_CursorMove(benchmark::State& bench) {
    EnsureApplication();
    ProjectFrom2000(2030);
    PopulationChart chart(ProjectionChartView);
    ChartSurface surface;
    surface.resize(640, 480);
    surface.SetChart(&chart);
    surface.Redraw();
    int32_t x = 450;
    for (auto _ : bench) {
        x = x == 450 ? 520 : 450;
        chart.PaintBox1MouseUp(true, x, 200);
    }
    benchmark::DoNotOptimize(State.CursorLineX);
}
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMicrosecond);

}  // namespace
