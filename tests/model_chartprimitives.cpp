// FlipY, DrawBar and DrawAxisTick through a recording canvas.
#include <gtest/gtest.h>

#include "Lys_erkl.h"
#include "RecordingCanvas.h"

namespace {

class ChartPrimitives : public ::testing::Test {
protected:
    void SetUp() override {
        State = ModelState();
        State.ChartOriginY = 400;
    }
    static void SetBar(ChartPoint p0, ChartPoint p1, ChartPoint p2, ChartPoint p3) {
        State.MarkerPoints[0] = p0;
        State.MarkerPoints[1] = p1;
        State.MarkerPoints[2] = p2;
        State.MarkerPoints[3] = p3;
    }
};

TEST_F(ChartPrimitives, FlipYMeasuresFromTheOrigin) {
    struct Row {
        const char* name;
        int32_t origin, y, expected;
    };
    const Row rows[] = {
        {"title line", 400, 380, 20},   {"base line", 400, 48, 352},   {"origin", 400, 0, 400},
        {"top edge", 400, 400, 0},      {"above canvas", 400, 450, -50}, {"below origin", 400, -10, 410},
        {"other origin", 300, 48, 252}, {"origin zero", 0, 10, -10},
    };
    for (const Row& r : rows) {
        State.ChartOriginY = r.origin;
        EXPECT_EQ(FlipY(r.y), r.expected) << r.name;
    }
}

TEST_F(ChartPrimitives, DrawBarIsAnOpenOutlineOnTheAxis) {
    struct Row {
        const char* name;
        ChartPoint p[4];
        int32_t offset;
        std::vector<RecordedLine> expected;
    };
    const Row rows[] = {
        {"women's bar on screen",
         {{312, 48}, {400, 48}, {400, 62}, {312, 62}},
         50,
         {{392, 352, 480, 352, PenMode::Copy}, {480, 352, 480, 338, PenMode::Copy}, {480, 338, 392, 338, PenMode::Copy}}},
        {"men's bar on the printer",
         {{312, 62}, {250, 62}, {250, 76}, {312, 76}},
         0,
         {{342, 338, 280, 338, PenMode::Copy}, {280, 338, 280, 324, PenMode::Copy}, {280, 324, 342, 324, PenMode::Copy}}},
        {"empty group",
         {{112, 48}, {112, 48}, {112, 62}, {112, 62}},
         50,
         {{192, 352, 192, 352, PenMode::Copy}, {192, 352, 192, 338, PenMode::Copy}, {192, 338, 192, 338, PenMode::Copy}}},
    };
    for (const Row& r : rows) {
        SetBar(r.p[0], r.p[1], r.p[2], r.p[3]);
        RecordingCanvas canvas;
        DrawBar(canvas, r.offset);
        EXPECT_EQ(canvas.Lines(), r.expected) << r.name;
        EXPECT_EQ(canvas.Count(CanvasCall::MoveTo), 1u) << r.name;
        EXPECT_EQ(canvas.Count(CanvasCall::TextOut), 0u) << r.name;
    }
}

TEST_F(ChartPrimitives, DrawAxisTickWritesTheNumberAboveItsTick) {
    struct Row {
        const char* name;
        int32_t value, x;
        std::string text;
    };
    const Row rows[] = {
        {"zero at the pyramid centre", 0, 362, "0"},
        {"one digit", 5, 420, "5"},
        {"two digits", 10, 100, "10"},
        {"eight digits", 12345678, 0, "12345678"},
    };
    for (const Row& r : rows) {
        RecordingCanvas canvas;
        DrawAxisTick(canvas, r.value, r.x);
        const auto texts = canvas.Texts();
        ASSERT_EQ(texts.size(), 1u) << r.name;
        EXPECT_EQ(texts[0].text, r.text) << r.name;
        EXPECT_EQ(texts[0].x, r.x + 25) << r.name;
        EXPECT_EQ(texts[0].y, 370) << r.name;
        const std::vector<RecordedLine> tick = {{r.x + 30, 360, r.x + 30, 352, PenMode::Copy}};
        EXPECT_EQ(canvas.Lines(), tick) << r.name;
    }
}

// The shared 30 of DrawBar and DrawAxisTick puts a tick exactly where a bar
// of the same chart length ends.
TEST_F(ChartPrimitives, TickAndBarEndLineUp) {
    const int32_t offset = 50, length = 137;
    SetBar({312, 48}, {312 + length, 48}, {312 + length, 62}, {312, 62});
    RecordingCanvas canvas;
    DrawBar(canvas, offset);
    DrawAxisTick(canvas, 4, offset + 312 + length);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].x1, lines[3].x1);  // the bar's far end and the tick
    EXPECT_EQ(lines[3].y2, lines[0].y1);  // the tick stands on the base line
}

}  // namespace
