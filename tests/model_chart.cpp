// The pyramid and total-graph renderer: positions, texts and the cursor
// through the recording canvas.
#include "ChartFixture.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Tick numbers as (value, canvas x of the tick line), in drawing order.
std::vector<std::pair<int, int>> Ticks(const RecordingCanvas& canvas) {
    std::vector<std::pair<int, int>> out;
    for (const RecordedText& t : canvas.Texts())
        if (t.y == 370 && AllDigits(t.text)) out.emplace_back(std::stoi(t.text), t.x + 5);
    return out;
}

// Bar lengths from the axis at axisX: each bar starts with a move to the
// axis and a line along its lower side.
std::vector<int> BarLengths(const RecordingCanvas& canvas, int axisX) {
    std::vector<int> out;
    const auto& calls = canvas.Calls;
    for (size_t i = 0; i + 1 < calls.size(); ++i)
        if (calls[i].kind == CanvasCall::MoveTo && calls[i].x == axisX && calls[i + 1].kind == CanvasCall::LineTo &&
            calls[i + 1].y == calls[i].y)
            out.push_back(calls[i + 1].x - axisX);
    return out;
}

bool HasLine(const RecordingCanvas& canvas, RecordedLine line) {
    const auto lines = canvas.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// ---- Positions and texts -------------------------------------------------

TEST_F(ChartTest, CensusPyramidOf1840) {
    CensusState(1840);
    ASSERT_EQ(State.GroupCount, 19);
    PopulationChart chart(CensusChartView);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);

    EXPECT_EQ(State.ChartOriginY, 400);
    ASSERT_EQ(canvas.TextsEqual("Folketælling år 1840").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("Folketælling år 1840")[0].x, 300);
    EXPECT_EQ(canvas.TextsEqual("Folketælling år 1840")[0].y, 20);

    struct Expect {
        const char* text;
        int x, y;
    };
    const Expect texts[] = {
        {"Alder", 80, 50},          {"Mænd", 200, 40},          {"Kvinder", 550, 40},
        {" 0- 4", 80, 338},         {" 5- 9", 80, 324},         {"15-19", 80, 296},
        {"90-99", 80, 86},          {"Antal i 10.000", 60, 370},
    };
    for (const Expect& e : texts) {
        const auto found = canvas.TextsEqual(e.text);
        ASSERT_EQ(found.size(), 1u) << e.text;
        EXPECT_EQ(found[0].x, e.x) << e.text;
        EXPECT_EQ(found[0].y, e.y) << e.text;
    }
    EXPECT_TRUE(canvas.TextsEqual("90-94").empty());

    // Centre axis from the base line up to 400 - (14 x 19 + 60) and the base line.
    EXPECT_TRUE(HasLine(canvas, {392, 74, 392, 352, PenMode::Copy}));
    EXPECT_TRUE(HasLine(canvas, {150, 352, 590, 352, PenMode::Copy}));

    // 19 bars a side (women first in each row); the oldest men's bar may
    // round to nothing.
    const auto lengths = BarLengths(canvas, 392);
    ASSERT_EQ(lengths.size(), 38u);
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (i % 2 == 0) {
            EXPECT_GT(lengths[i], 0) << i;
        } else {
            EXPECT_LE(lengths[i], 0) << i;
        }
    }
    int women = 0, men = 0;
    for (int l : lengths) women = std::max(women, l), men = std::max(men, -l);
    EXPECT_EQ(women + men, 360);
}

TEST_F(ChartTest, AxisNumbersStandAtTenThousandsFromTheCentre) {
    const int32_t years[] = {1787, 1840, 1901, 1960, 2006};
    for (int32_t year : years) {
        CensusState(year);
        PopulationChart chart(CensusChartView);
        RecordingCanvas canvas;
        chart.DrawPyramid(canvas);
        const int step = State.ScaleStep;
        const double unit = State.ChartUnit;

        std::multiset<int> women, men;
        for (auto [value, x] : Ticks(canvas)) {
            EXPECT_EQ(value % step, 0) << year << " tick " << value;
            EXPECT_LE(std::fabs(std::abs(x - 392) - 10000.0 * value / unit), 0.5) << year << " tick " << value;
            (x >= 392 ? women : men).insert(value);
        }
        EXPECT_EQ(women.count(0), 1u) << year;
        EXPECT_EQ(men.count(0), 0u) << year;
        const int nWomen = static_cast<int>(std::nearbyint(State.MaxFemaleGroup / 10000));
        const int nMen = static_cast<int>(std::nearbyint(State.MaxMaleGroup / 10000));
        EXPECT_EQ(static_cast<int>(women.size()), nWomen / step + 1) << year;
        EXPECT_EQ(static_cast<int>(men.size()), nMen / step) << year;
        // Each tick line stands under its number.
        for (auto [value, x] : Ticks(canvas)) EXPECT_TRUE(HasLine(canvas, {x, 360, x, 352, PenMode::Copy})) << value;
    }
}

TEST_F(ChartTest, CensusPyramidOf1787HasTenYearGroups) {
    CensusState(1787);
    ASSERT_EQ(State.GroupCount, 10);
    PopulationChart chart(CensusChartView);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);

    const char* labels[] = {" 0- 9", "10-19", "20-29", "30-39", "40-49", "50-59", "60-69", "70-79", "80-89", "90-99"};
    for (int g = 0; g < 10; ++g) {
        const auto found = canvas.TextsEqual(labels[g]);
        ASSERT_EQ(found.size(), 1u) << labels[g];
        EXPECT_EQ(found[0].y, 400 - (14 * g + 62)) << labels[g];
    }
    EXPECT_TRUE(HasLine(canvas, {392, 200, 392, 352, PenMode::Copy}));
    // Every bar side is 14 pixels high.
    for (const RecordedLine& l : canvas.Lines()) {
        if (l.x1 == l.x2 && l.x1 != 392 && l.y1 != 360 && l.y1 < 352) {
            EXPECT_EQ(l.y1 - l.y2, 14);
        }
    }
}

TEST_F(ChartTest, ProjectionPyramidHasTwentyGroupsAndAFixedAxis) {
    ProjectionState();
    PopulationChart chart(ProjectionChartView);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);

    const auto title = canvas.TextsEqual("PROGNOSE år 2030            (1.80 børn   67 år )");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, 150);
    EXPECT_EQ(title[0].y, 20);
    // Net migration, when there is some, joins the inputs the title names.
    for (const auto& [net, text] : {std::pair{-100000, "PROGNOSE år 2030   (1.80 børn   67 år   -100000 nettoindv. )"},
                                    std::pair{30000, "PROGNOSE år 2030   (1.80 børn   67 år   30000 nettoindv. )"}}) {
        State.NetMigration = net;
        RecordingCanvas titled;
        chart.DrawTotalGraph(titled);
        EXPECT_EQ(titled.TextsEqual(text).size(), 1u) << net;
    }
    State.NetMigration = 0;
    EXPECT_EQ(canvas.TextsEqual(" 0- 4").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("15-19").size(), 1u);
    ASSERT_EQ(canvas.TextsEqual("95-99").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("95-99")[0].y, 400 - (14 * 19 + 62));
    EXPECT_EQ(canvas.TextsEqual("90-94").size(), 1u);  // the projection keeps the number
    EXPECT_TRUE(HasLine(canvas, {392, 70, 392, 352, PenMode::Copy}));

    const auto lengths = BarLengths(canvas, 392);
    EXPECT_EQ(lengths.size(), 40u);
    int women = 0, men = 0;
    for (int l : lengths) women = std::max(women, l), men = std::max(men, -l);
    EXPECT_EQ(women + men, 360);
}

TEST_F(ChartTest, TotalGraphsOfBothViews) {
    struct Row {
        const char* name;
        bool projection;
        const char* header;
        const char* firstLabel;  // prefix of the youngest group's label
        int axisTop;
    };
    const Row rows[] = {
        {"census 1840", false, "Alder", " 0- 4", 74},
        {"projection", true, "Alder   Andel", " 0- 4  ", 70},
    };
    for (const Row& r : rows) {
        if (r.projection) ProjectionState();
        else CensusState(1840);
        PopulationChart chart(r.projection ? ProjectionChartView : CensusChartView);
        RecordingCanvas canvas;
        chart.DrawTotalGraph(canvas);

        ASSERT_EQ(canvas.TextsEqual(r.header).size(), 1u) << r.name;
        EXPECT_EQ(canvas.TextsEqual(r.header)[0].x, 80) << r.name;
        EXPECT_EQ(canvas.TextsEqual(r.header)[0].y, 50) << r.name;
        EXPECT_TRUE(HasLine(canvas, {192, r.axisTop, 192, 352, PenMode::Copy})) << r.name;
        EXPECT_TRUE(HasLine(canvas, {192, 352, 560, 352, PenMode::Copy})) << r.name;
        EXPECT_EQ(canvas.TextsEqual("Antal i 10.000").size(), 1u) << r.name;

        // Labels at x 80, one per group; with shares they add up to 100 %.
        double shares = 0;
        int labels = 0;
        for (const RecordedText& t : canvas.Texts()) {
            if (t.x != 80 || t.y > 338 || t.y < 60) continue;
            ++labels;
            if (r.projection) {
                ASSERT_EQ(t.text.size(), 13u) << t.text;
                EXPECT_EQ(t.text.back(), '%');
                shares += std::stod(t.text.substr(7, 5));
            } else {
                EXPECT_EQ(t.text.size(), 5u) << t.text;
            }
        }
        EXPECT_EQ(labels, State.GroupCount) << r.name;
        if (r.projection) {
            EXPECT_NEAR(shares, 100.0, 1.0);
        }
        EXPECT_EQ(canvas.Texts()[2].text.rfind(r.firstLabel, 0), 0u) << r.name;

        // The longest bar (both sexes) is at most 360 pixels; ticks from the axis.
        for (int l : BarLengths(canvas, 192)) {
            EXPECT_GE(l, 0);
            EXPECT_LE(l, 360);
        }
        for (auto [value, x] : Ticks(canvas))
            EXPECT_LE(std::fabs((x - 192) - 10000.0 * value / State.ChartUnit), 0.5) << r.name << value;
        EXPECT_EQ(Ticks(canvas).front().first, 0) << r.name;
    }
}

TEST_F(ChartTest, PrinterCanvasStartsAtZeroButTheProjectionTitleStays) {
    struct Row {
        const char* name;
        bool projection;
        bool pyramid;
        int titleX;
    };
    const Row rows[] = {
        {"census pyramid", false, true, 250},
        {"census total graph", false, false, 250},
        {"projection pyramid", true, true, 150},
        {"projection total graph", true, false, 150},
    };
    for (const Row& r : rows) {
        if (r.projection) ProjectionState();
        else CensusState(1901);
        PopulationChart chart(r.projection ? ProjectionChartView : CensusChartView);
        FakeSurface surface;
        chart.SetSurface(&surface);
        RecordingCanvas printer(true);
        if (r.pyramid) chart.DrawPyramid(printer);
        else chart.DrawTotalGraph(printer);

        const auto texts = printer.Texts();
        EXPECT_EQ(texts[0].x, r.titleX) << r.name;
        EXPECT_EQ(printer.TextsEqual("Antal i 10.000")[0].x, 10) << r.name;
        const auto youngest = std::find_if(texts.begin(), texts.end(),
                                           [](const RecordedText& t) { return t.text.rfind(" 0- 4", 0) == 0; });
        ASSERT_NE(youngest, texts.end()) << r.name;
        EXPECT_EQ(youngest->x, 30) << r.name;
        const int axis = r.pyramid ? 342 : 142;
        EXPECT_TRUE(HasLine(printer, {axis, r.projection ? 70 : 400 - (14 * 19 + 60), axis, 352, PenMode::Copy}))
            << r.name;
        EXPECT_TRUE(surface.ranges.empty()) << r.name << ": the printer leaves the scroll box alone";

        // A picture is drawn as on screen but leaves the scroll box alone too.
        RecordingCanvas picture;
        if (r.pyramid) chart.DrawPyramid(picture);
        else chart.DrawTotalGraph(picture);
        EXPECT_TRUE(surface.ranges.empty()) << r.name;
        RecordingCanvas& screen = surface.canvas;
        if (r.pyramid) chart.DrawPyramid(screen);
        else chart.DrawTotalGraph(screen);
        ASSERT_EQ(screen.Texts().size(), texts.size());
        for (size_t i = 1; i < texts.size(); ++i) EXPECT_EQ(screen.Texts()[i].x, texts[i].x + 50) << texts[i].text;
        EXPECT_EQ(picture.Texts().size(), texts.size());
        ASSERT_EQ(surface.ranges.size(), 1u);
        EXPECT_EQ(surface.ranges[0], std::make_pair(640, 420));
    }
}

TEST_F(ChartTest, EmptyPopulationDrawsFrameAndTextsOnly) {
    CensusState(1840);
    for (int a = 0; a <= MaxAge; ++a) State.PopMale[a] = State.PopFemale[a] = 0;
    ComputeGroupTotals();
    State.ChartUnit = 0;  // what an empty population makes of the scale
    for (const ChartViewDescription* view : {&CensusChartView, &ProjectionChartView}) {
        PopulationChart chart(*view);
        RecordingCanvas pyramid, total;
        chart.DrawPyramid(pyramid);
        chart.DrawTotalGraph(total);
        EXPECT_EQ(pyramid.Lines().size(), 2u);  // centre axis and base line
        EXPECT_EQ(total.Lines().size(), 2u);    // axis and base line
        EXPECT_TRUE(Ticks(pyramid).empty());
        EXPECT_TRUE(Ticks(total).empty());
        for (const RecordingCanvas* c : {&pyramid, &total}) {
            EXPECT_EQ(c->TextsEqual(" 0- 4").size(), 1u);
            EXPECT_EQ(c->TextsEqual("Antal i 10.000").size(), 1u);
            for (const RecordedText& t : c->Texts()) EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
        }
        // A click still shows a cursor, standing for nobody.
        State.CursorLineX = 0;
        State.ClickX = 500;
        RecordingCanvas cursor;
        chart.DrawPyramidCursor(cursor);
        EXPECT_EQ(cursor.TextsEqual("0").size(), 1u);
    }
}

// ---- Cursor routine ------------------------------------------------------

TEST_F(ChartTest, CursorAcceptsClicksInTheChartRangeOnly) {
    struct Row {
        const char* name;
        bool pyramid;
        int32_t clickX;
        const char* count;  // nullptr: refused
        double unit = 833.3;
    };
    const Row rows[] = {
        {"100 px right of the pyramid axis", true, 492, "83000"},
        {"100 px left of the pyramid axis", true, 292, "83000"},
        {"on the pyramid axis", true, 392, nullptr},
        {"pyramid left end", true, 200, "160000"},
        {"left of the pyramid", true, 199, nullptr},
        {"pyramid right end", true, 600, "173000"},
        {"right of the pyramid", true, 601, nullptr},
        {"removal request", true, 1, nullptr},
        {"left of the total graph", false, 150, nullptr},
        {"on the total-graph axis", false, 192, nullptr},
        {"first total-graph pixel", false, 193, "1000"},
        {"100 px on the total graph", false, 292, "83000"},
        {"total graph right end", false, 600, "340000"},
        {"right of the total graph", false, 601, nullptr},
        {"half a thousand rounds to even (down)", true, 492, "0", 5.0},
        {"one and a half thousand rounds to even (up)", true, 492, "2000", 15.0},
        {"beyond 32 bits", true, 592, "20000000000", 1.0e8},
    };
    CensusState(1840);
    for (const Row& r : rows) {
        State.ChartUnit = r.unit;
        PopulationChart chart(CensusChartView);
        State.CursorLineX = 0;
        State.ClickX = r.clickX;
        RecordingCanvas canvas;
        if (r.pyramid) chart.DrawPyramidCursor(canvas);
        else chart.DrawTotalCursor(canvas);
        if (!r.count) {
            EXPECT_EQ(State.CursorLineX, 0) << r.name;
            EXPECT_TRUE(canvas.Texts().empty()) << r.name;
            EXPECT_TRUE(canvas.Lines().empty()) << r.name;
            continue;
        }
        EXPECT_EQ(State.CursorLineX, r.clickX) << r.name;
        ASSERT_EQ(canvas.Texts().size(), 1u) << r.name;
        EXPECT_EQ(canvas.Texts()[0].text, r.count) << r.name;
        EXPECT_EQ(canvas.Texts()[0].x, r.clickX) << r.name;
        EXPECT_EQ(canvas.Texts()[0].y, 390) << r.name;
        const std::vector<RecordedLine> line = {{r.clickX, 74, r.clickX, 352, PenMode::Invert}};
        EXPECT_EQ(canvas.Lines(), line) << r.name;
    }
}

TEST_F(ChartTest, MovingTheCursorErasesTheOldOneFirst) {
    struct Row {
        const char* name;
        bool projection;
        bool pyramid;
        int boxHeight;
        int top;
    };
    const Row rows[] = {
        {"projection pyramid", true, true, 16, 70},
        {"projection total graph", true, false, 15, 70},
        {"census pyramid", false, true, 15, 74},
        {"census total graph", false, false, 15, 74},
    };
    for (const Row& r : rows) {
        if (r.projection) ProjectionState();
        else CensusState(1840);
        PopulationChart chart(r.projection ? ProjectionChartView : CensusChartView);
        State.ChartOriginY = 400;
        State.CursorLineX = 450;
        State.ClickX = 500;
        RecordingCanvas canvas;
        if (r.pyramid) chart.DrawPyramidCursor(canvas);
        else chart.DrawTotalCursor(canvas);

        ASSERT_EQ(canvas.Count(CanvasCall::FillRect), 1u) << r.name;
        const CanvasCall& fill = *std::find_if(canvas.Calls.begin(), canvas.Calls.end(),
                                               [](const CanvasCall& c) { return c.kind == CanvasCall::FillRect; });
        EXPECT_EQ(fill.x, 450) << r.name;
        EXPECT_EQ(fill.y, 390) << r.name;
        EXPECT_EQ(fill.x2, 515) << r.name;
        EXPECT_EQ(fill.y2, 390 + r.boxHeight) << r.name;
        EXPECT_EQ(fill.rgb, 0xFFFFFFu) << r.name;
        const std::vector<RecordedLine> lines = {{450, r.top, 450, 352, PenMode::Invert},
                                                 {500, r.top, 500, 352, PenMode::Invert}};
        EXPECT_EQ(canvas.Lines(), lines) << r.name;
        EXPECT_EQ(canvas.GetPenMode(), PenMode::Copy) << r.name << ": pen mode restored";
        EXPECT_EQ(State.CursorLineX, 500) << r.name;

        // Drawn again on a fresh chart (a repaint) it neither erases nor moves.
        canvas.Clear();
        canvas.SetPenMode(PenMode::Invert);
        if (r.pyramid) chart.DrawPyramidCursor(canvas);
        else chart.DrawTotalCursor(canvas);
        EXPECT_EQ(canvas.Count(CanvasCall::FillRect), 0u) << r.name;
        EXPECT_EQ(canvas.Lines().size(), 1u) << r.name;
        EXPECT_EQ(canvas.GetPenMode(), PenMode::Invert) << r.name << ": pen mode restored";
    }
}

TEST_F(ChartTest, MouseUpDispatchesByDisplayMode) {
    struct Row {
        const char* name;
        int32_t mode;
        bool left;
        int32_t x;
        int32_t clickX;       // afterwards
        int32_t cursorLineX;  // afterwards
        bool drawn;
    };
    const Row rows[] = {
        {"left click on the pyramid", 12, true, 450, 450, 450, true},
        {"right click removes", 12, false, 450, 1, 0, true},
        {"left click on the total graph", 13, true, 450, 450, 450, true},
        {"refused on the total graph", 13, true, 150, 150, 0, true},
        {"table shows no chart", 11, true, 450, 450, 0, false},
        {"another view's pyramid mode", 2, true, 450, 450, 0, false},
        {"nothing shown", 0, true, 450, 450, 0, false},
    };
    for (const Row& r : rows) {
        CensusState(1840);
        PopulationChart chart(CensusChartView);
        FakeSurface surface;
        chart.SetSurface(&surface);
        State.DisplayMode = r.mode;
        chart.PaintBox1MouseUp(r.left, r.x, 100);
        EXPECT_EQ(State.ClickX, r.clickX) << r.name;
        EXPECT_EQ(State.CursorLineX, r.cursorLineX) << r.name;
        EXPECT_EQ(surface.shows, r.drawn ? 1 : 0) << r.name;
        EXPECT_EQ(surface.invalidates, 0) << r.name << ": a click never repaints the chart";
    }
}

TEST_F(ChartTest, ScrollingRemovesTheCursor) {
    CensusState(1840);
    PopulationChart chart(CensusChartView);
    FakeSurface surface;
    chart.SetSurface(&surface);
    chart.PaintBox1Paint();
    chart.PaintBox1MouseUp(true, 450, 100);
    ASSERT_EQ(State.CursorLineX, 450);
    surface.canvas.Clear();

    chart.PaintBox1Paint();  // same scroll position: the cursor is drawn again
    EXPECT_EQ(surface.invalidates, 0);
    EXPECT_EQ(State.CursorLineX, 450);

    surface.scrollPos = 30;
    chart.PaintBox1Paint();
    EXPECT_EQ(State.CursorLineX, 0);
    EXPECT_EQ(State.ClickX, 1);
    EXPECT_EQ(State.SavedScrollPos, 30);
    EXPECT_EQ(surface.invalidates, 1);
}

TEST_F(ChartTest, TextModeWritesTheTableLinesAndSetsScrollRanges) {
    struct Row {
        const char* name;
        const ChartViewDescription* view;
        int32_t mode;
        std::pair<int32_t, int32_t> ranges;  // 3 lines, widest 10 characters, 15 px high
    };
    const Row rows[] = {
        {"projection", &ProjectionChartView, 1, {80 + 50, 5 * 15}},
        {"census", &CensusChartView, 11, {80 + 20, 3 * 15 + 2}},
    };
    for (const Row& r : rows) {
        State.TableLines = {"abc", "1234567890", "ø"};
        State.DisplayMode = r.mode;
        PopulationChart chart(*r.view);
        FakeSurface surface;
        chart.SetSurface(&surface);
        chart.DrawView(surface.canvas);
        ASSERT_EQ(surface.ranges.size(), 1u) << r.name;
        EXPECT_EQ(surface.ranges[0], r.ranges) << r.name;
        EXPECT_EQ(surface.canvas.Calls[0].kind, CanvasCall::SetFontPointSize) << r.name;
        EXPECT_EQ(surface.canvas.Calls[0].x, 12) << r.name;
        const auto texts = surface.canvas.Texts();
        ASSERT_EQ(texts.size(), 3u) << r.name;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[i].x, 50);
            EXPECT_EQ(texts[i].y, 20 + 15 * i);
            EXPECT_EQ(texts[i].text, State.TableLines[i]);
        }

        // On a bitmap the scroll box is left alone.
        RecordingCanvas bitmap;
        chart.DrawView(bitmap);
        EXPECT_EQ(surface.ranges.size(), 1u) << r.name;
        EXPECT_EQ(bitmap.Texts().size(), 3u) << r.name;
    }
}
}  // namespace
