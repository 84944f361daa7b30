// Start-up shared by the benchmarks that need Qt: the benchmark main makes no
// application object, so the first benchmark to run makes one, offscreen.
#pragma once

#include "Forms.h"
#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "QtCanvas.h"
#include "Mainunit.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

// An application object, enough for fonts and images.
inline void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lysvandre_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The program as a user starts it: every window created and the main window
// shown (which loads the built-in data).
inline void EnsureProgram() {
    EnsureApplication();
    if (Form1) return;
    CreateForms();
    Form1->show();
    QApplication::processEvents();
}

// A fresh model projected from 2000 to targetYear (1.8 children, retirement
// at 67), grouped, with its pyramid on show and no cursor.
inline void ProjectFrom2000(int32_t targetYear) {
    State = ModelState();
    LoadAllData();
    ListBaseYears();
    State.BaseYear = 2000;
    State.TargetYear = targetYear;
    State.ChildrenPerFamily = 1.8;
    State.RetirementAge = 67;
    SetUpProjection();
    RunProjection();
    ComputeGroupTotals();
    State.DisplayMode = DisplayModes::ProjectionPyramid;
    State.CursorLineX = 0;
    State.ClickX = 1;
}

// chart's whole pyramid on a blank 640 x 480 image, once per iteration.
inline void DrawPyramidOnImage(benchmark::State& bench, PopulationChart& chart) {
    QImage image(640, 480, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    canvas.SetFont(PopulationChart::FontName, PopulationChart::FontPixels, false, true);
    for (auto _ : bench) {
        canvas.End();
        image.fill(Qt::white);
        chart.DrawPyramid(canvas);
        canvas.End();
        benchmark::DoNotOptimize(image.constBits());
    }
}
