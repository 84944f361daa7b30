// The lifetime view: building the two-person table (grid, TableLines and the
// result lines) and drawing the graph with its cursor on an 800 x 600 picture.
#include <benchmark/benchmark.h>

#include <QImage>

#include "BenchSupport.h"
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "Lys_erkl.h"
#include "QtCanvas.h"
#include "Unit2.h"

namespace {

void TwoPersons(int32_t ageA, int32_t ageB) {
    State = ModelState();
    LoadAllData();
    Lifetime = LifetimeState();
    Lifetime.PersonCount = 2;
    Lifetime.AgeA = ageA;
    Lifetime.AgeB = ageB;
    Lifetime.SexWordA = "Mand  ";
    Lifetime.SexWordB = "Kvinde";
    Lifetime.SexCode = 'b';
    ComputeLifetimeResults();
}

// The largest two-person table: both aged 0, 3 columns of 34 items.
void BM_TwoPersonTable(benchmark::State& state) {
    EnsureProgram();
    TwoPersons(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    Form2->ShowView();
    Form2->StringGrid1->show();
    for (auto _ : state) {
        Form2->ShowTwoPersonTable();
        benchmark::DoNotOptimize(State.TableLines.data());
    }
}
BENCHMARK(BM_TwoPersonTable)->Args({45, 45})->Args({0, 0})->Unit(benchmark::kMicrosecond);

// The whole screen graph of two persons, then a cursor, on an 800 x 600 picture.
void BM_LifetimeGraph800x600(benchmark::State& state) {
    EnsureProgram();
    TwoPersons(0, 20);
    QImage image(800, 600, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    canvas.SetFont("Courier New", 16, false, true);
    State.ClickX = 270;
    for (auto _ : state) {
        State.CursorLineX = 0;
        DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 800, 600);
        DrawLifetimeCursor(canvas, 600);
        benchmark::DoNotOptimize(image.constBits());
    }
    canvas.End();
}
BENCHMARK(BM_LifetimeGraph800x600)->Unit(benchmark::kMicrosecond);

}  // namespace
