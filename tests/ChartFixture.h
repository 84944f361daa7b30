// What the chart tests share: a chart surface that records, the model states
// of a census and of a projection, and a fresh model for every test.
#pragma once

#include <gtest/gtest.h>

#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "RecordingCanvas.h"

#include <utility>
#include <vector>

// A chart surface that records instead of showing.
struct FakeSurface : ChartSurfaceHost {
    RecordingCanvas canvas;
    std::vector<std::pair<int32_t, int32_t>> ranges;
    int32_t scrollPos = 0;
    int shows = 0;
    int invalidates = 0;

    Canvas& SurfaceCanvas() override { return canvas; }
    void SetScrollRanges(int32_t w, int32_t h) override { ranges.emplace_back(w, h); }
    int32_t VerticalScrollPos() const override { return scrollPos; }
    void ShowCanvas() override { ++shows; }
    void Invalidate() override { ++invalidates; }
};

inline void CensusState(int32_t year) {
    State.BaseYear = year;
    double total = 0;
    GroupCensus(total);
    State.TargetYear = year;
    ComputeGroupTotals();
    State.DisplayMode = 12;
    State.CursorLineX = 0;
    State.ClickX = 1;
}

inline void ProjectionState() {
    ListBaseYears();
    State.BaseYear = 2000;
    State.TargetYear = 2030;
    State.ChildrenPerFamily = 1.8;
    State.RetirementAge = 67;
    SetUpProjection();
    RunProjection();
    ComputeGroupTotals();
    State.GroupSpan = 4;
    State.GroupCount = 20;
    State.DisplayMode = 2;
    State.CursorLineX = 0;
    State.ClickX = 1;
}

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        State = ModelState();
        LoadAllData();
    }
};
