// Playing a projection year by year, another population outlined over a
// chart, and charts in percent.
#include "ChartFixture.h"
#include "NumberText.h"
#include "ProjectionPlayback.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

// The vertical sides of the bars drawn in a colour: (x, top y, bottom y).
std::set<std::tuple<int32_t, int32_t, int32_t>> BarEnds(const RecordingCanvas& canvas, uint32_t rgb) {
    std::set<std::tuple<int32_t, int32_t, int32_t>> out;
    uint32_t pen = 0;
    int32_t px = 0, py = 0;
    for (const CanvasCall& c : canvas.Calls) {
        if (c.kind == CanvasCall::SetPenColor) pen = c.rgb;
        if (c.kind == CanvasCall::MoveTo) px = c.x, py = c.y;
        if (c.kind != CanvasCall::LineTo) continue;
        if (pen == rgb && c.x == px && c.y != py) out.insert({c.x, std::min(py, c.y), std::max(py, c.y)});
        px = c.x, py = c.y;
    }
    return out;
}

constexpr uint32_t Red = 0xC00000;
constexpr int32_t Centre = 50 + 30 + 312;  // the pyramid's axis on screen

}  // namespace

using ExtraChartTest = ChartTest;

TEST_F(ExtraChartTest, PlaybackRunsEveryYearToTheProjectionWithoutTouchingState) {
    ProjectionState();
    const ModelState before = State;
    ProjectionPlayback play(DisplayModes::ProjectionPyramid);
    EXPECT_EQ(play.Year(), 2000);
    // The base year is the base population itself.
    EXPECT_EQ(play.Frame().GroupMale[3], BaseYearComparison().Male[3]);
    int32_t frames = 1;
    while (play.Step()) {
        ++frames;
        EXPECT_EQ(play.Year(), 1999 + frames);
    }
    EXPECT_EQ(frames, 31);
    EXPECT_FALSE(play.Step());
    EXPECT_TRUE(State == before);
    for (int32_t g = 0; g < 20; ++g) {
        EXPECT_DOUBLE_EQ(play.Frame().GroupMale[g], State.GroupMale[g]) << g;
        EXPECT_DOUBLE_EQ(play.Frame().GroupFemale[g], State.GroupFemale[g]) << g;
    }
    EXPECT_DOUBLE_EQ(play.Frame().ChartUnit, State.ChartUnit);
}

TEST_F(ExtraChartTest, ChartShowsAFrameInsteadOfStateAndLeavesStateAlone) {
    ProjectionState();
    const ModelState before = State;
    ProjectionPlayback play(DisplayModes::ProjectionPyramid);
    play.Step();
    PopulationChart chart(ProjectionChartView);
    FakeSurface surface;
    chart.SetSurface(&surface);
    chart.ShowInstead(&play.Frame());
    chart.PaintBox1Paint();
    chart.PaintBox1MouseUp(true, 450, 100);  // a cursor on the frame
    EXPECT_EQ(surface.canvas.Texts()[0].text.rfind("PROGNOSE år 2001 ", 0), 0u);
    EXPECT_EQ(play.Frame().CursorLineX, 450);
    EXPECT_TRUE(State == before);

    chart.ShowInstead(nullptr);
    surface.canvas.Clear();
    chart.PaintBox1Paint();
    EXPECT_EQ(surface.canvas.Texts()[0].text.rfind("PROGNOSE år 2030 ", 0), 0u);
}

TEST_F(ExtraChartTest, OutlineOfTheBaseYearOnTheLargerUnitWithALegend) {
    ProjectionState();
    const ChartComparison base = BaseYearComparison();
    EXPECT_EQ(base.Name, "basisår 2000");
    ASSERT_EQ(base.GroupCount, 20);
    double maxMale = 0, maxFemale = 0;
    for (int32_t g = 0; g < 20; ++g) maxMale = std::max(maxMale, base.Male[g]), maxFemale = std::max(maxFemale, base.Female[g]);
    const double unit = std::max(State.ChartUnit, (maxMale + maxFemale) / 360);

    for (const bool larger : {false, true}) {
        ChartComparison other = base;
        if (larger) for (double& m : other.Male) m *= 3;  // the other pyramid sets the scale
        const double u = larger ? std::max(State.ChartUnit, (3 * maxMale + maxFemale) / 360) : unit;
        PopulationChart chart(ProjectionChartView);
        chart.SetComparison(&other);
        RecordingCanvas canvas;
        chart.DrawPyramid(canvas);
        const auto red = BarEnds(canvas, Red);
        const auto black = BarEnds(canvas, 0);
        for (int32_t g = 0; g < 20; ++g) {
            const int32_t top = 400 - (14 * g + 62), bottom = 400 - (14 * g + 48);
            EXPECT_TRUE(red.count({Centre + RoundHalfEven(other.Female[g] / u), top, bottom})) << g;
            EXPECT_TRUE(red.count({Centre - RoundHalfEven(other.Male[g] / u), top, bottom})) << g;
            EXPECT_TRUE(black.count({Centre + RoundHalfEven(State.GroupFemale[g] / u), top, bottom})) << g;
        }
        EXPECT_EQ(canvas.TextsEqual("basisår 2000").size(), 1u);
        EXPECT_EQ(canvas.TextsEqual("år 2030").size(), 1u);
    }

    // Taken away again, the chart is drawn as before.
    PopulationChart plain(ProjectionChartView), toggled(ProjectionChartView);
    toggled.SetComparison(&base);
    toggled.SetComparison(nullptr);
    RecordingCanvas a, b;
    plain.DrawPyramid(a);
    toggled.DrawPyramid(b);
    EXPECT_EQ(a.Lines(), b.Lines());
}

TEST_F(ExtraChartTest, CensusComparisonIsGroupedAsTheChartOnShow) {
    CensusState(1787);  // ten-year groups
    const ChartComparison c = CensusComparison(1901);
    EXPECT_EQ(c.Name, "folketælling 1901");
    ASSERT_EQ(c.GroupCount, 10);
    double total = 0;
    for (int32_t g = 0; g < 10; ++g) total += c.Male[g] + c.Female[g];
    double census = 0;
    for (const CensusRecord& r : State.Censuses)
        if (r.Year == 1901)
            for (int32_t g = 0; g < 19; ++g) census += r.Male[g] + r.Female[g];
    EXPECT_NEAR(total, census, 1e-6);
    EXPECT_EQ(State.GroupCount, 10);
    EXPECT_EQ(CensusComparison(1902).GroupCount, 0);  // not a census year

    // Over a chart grouped otherwise it is left out.
    PopulationChart chart(CensusChartView);
    chart.SetComparison(&c);
    CensusState(1901);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);
    EXPECT_TRUE(BarEnds(canvas, Red).empty());
    EXPECT_TRUE(canvas.TextsEqual("folketælling 1901").empty());
}

TEST_F(ExtraChartTest, PercentBarsAddUpToTheWholePopulation) {
    ProjectionState();
    const GroupShares shares = SharesOf(State.GroupMale, State.GroupFemale, State.GroupCount);
    double sum = 0;
    for (int32_t g = 0; g < 20; ++g) sum += shares.Male[g] + shares.Female[g];
    EXPECT_NEAR(sum, 100, 1e-9);

    PopulationChart chart(ProjectionChartView);
    chart.SetPercent(true);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);
    const double unit = State.ChartUnit * 100 / (State.TotalMale + State.TotalFemale);
    const auto ends = BarEnds(canvas, 0);
    for (int32_t g = 0; g < 20; ++g) {
        const int32_t top = 400 - (14 * g + 62), bottom = 400 - (14 * g + 48);
        EXPECT_TRUE(ends.count({Centre + RoundHalfEven(shares.Female[g] / unit), top, bottom})) << g;
        EXPECT_TRUE(ends.count({Centre - RoundHalfEven(shares.Male[g] / unit), top, bottom})) << g;
    }
    EXPECT_EQ(canvas.TextsEqual("Procent").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("1").size(), 2u);  // 1% each side

    // The cursor reads percent.
    FakeSurface surface;
    chart.SetSurface(&surface);
    chart.PaintBox1MouseUp(true, 392 + 45, 100);
    EXPECT_EQ(surface.canvas.Texts().back().text, FormatFixed(45 * unit, 0, 1) + "%");
}

// Another population in its own groups: each group once, over the rows it
// covers, in persons per chart row, nothing lost at the top.
TEST_F(ExtraChartTest, OutlineSpansTheRowsOfItsOwnGroups) {
    std::vector<int32_t> tens, fives, fivesOpenTop;
    for (int32_t g = 0; g < 10; ++g) tens.insert(tens.end(), {2, 0});
    fives.assign(19, 1);
    fivesOpenTop.assign(18, 1), fivesOpenTop.insert(fivesOpenTop.end(), {2, 0});
    std::vector<int32_t> tensOverCensus(tens.begin(), tens.begin() + 18);
    tensOverCensus.push_back(1);  // 90-99 is the census chart's top row
    struct Row {
        const char* name;
        int32_t chart;  // a census year, or 0 for the projection 2008 -> 2030
        int32_t year;
        std::vector<int32_t> spans;
        const char* note;
    };
    const Row rows[] = {
        {"1787 over a projection", 0, 1787, tens, "(10-års grupper)"},
        {"1801 over a projection", 0, 1801, tens, "(10-års grupper)"},
        {"1901 over a projection", 0, 1901, fivesOpenTop, "(90 og derover samlet)"},
        {"2006 over a projection", 0, 2006, fivesOpenTop, "(90 og derover samlet)"},
        {"1801 over 1901", 1901, 1801, tensOverCensus, "(10-års grupper)"},
        {"2006 over 1901", 1901, 2006, fives, ""},
        {"1901 over 1801: added up by ten years", 1801, 1901, std::vector<int32_t>(10, 1), ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.chart) CensusState(r.chart);
        else ProjectionState(), State.BaseYear = 2008, SetUpProjection(), RunProjection(), ComputeGroupTotals();
        const ChartComparison c = CensusComparison(r.year);
        ASSERT_EQ(c.GroupCount, static_cast<int32_t>(r.spans.size()));
        EXPECT_EQ(std::vector<int32_t>(c.Span, c.Span + c.GroupCount), r.spans);
        EXPECT_EQ(c.GroupNote, r.note);
        double outlined = 0, census = 0;
        for (int32_t g = 0; g < c.GroupCount; ++g) {
            outlined += c.Male[g] + c.Female[g];
            if (c.Span[g] == 0) {
                EXPECT_EQ(c.Male[g], c.Male[g - 1]) << "one bar, one length";
            }
        }
        for (const EarlyCensusRecord& e : State.EarlyCensuses)
            if (e.Year == r.year) for (int32_t g = 0; g < 10; ++g) census += e.Male[g] + e.Female[g];
        for (const CensusRecord& e : State.Censuses)
            if (e.Year == r.year) for (int32_t g = 0; g < 19; ++g) census += e.Male[g] + e.Female[g];
        EXPECT_NEAR(outlined, census, 1e-6) << "nobody lost or counted twice";
    }

    // The audit's figures: 2006's 8,532 men of 90 and over as 4,266 over
    // each of 90-94 and 95-99; 1801's 355 persons of 90-99 whole in the
    // census chart's top row.
    ProjectionState();
    State.BaseYear = 2008, SetUpProjection(), RunProjection(), ComputeGroupTotals();
    ChartComparison c = CensusComparison(2006);
    EXPECT_DOUBLE_EQ(c.Male[18], 4266);
    EXPECT_DOUBLE_EQ(c.Male[19], 4266);
    // Drawn once: one red side from the top of 95-99 to the foot of 90-94.
    PopulationChart chart(ProjectionChartView);
    chart.SetComparison(&c);
    RecordingCanvas canvas;
    chart.DrawPyramid(canvas);
    const auto red = BarEnds(canvas, Red);
    const auto top = std::find_if(red.begin(), red.end(), [](const auto& e) { return std::get<1>(e) == 400 - (14 * 20 + 48); });
    ASSERT_NE(top, red.end());
    EXPECT_EQ(std::get<2>(*top), 400 - (14 * 18 + 48));
    EXPECT_EQ(canvas.TextsEqual("(90 og derover samlet)").size(), 1u);

    CensusState(1901);
    c = CensusComparison(1801);
    EXPECT_DOUBLE_EQ(c.Male[18] + c.Female[18], 355);
}

// Groups of any file over the projection's rows 0-4 .. 95-99 (with 100).
TEST_F(ExtraChartTest, OutlineOfOwnGroupsNamesHowTheyDiffer) {
    const auto groups = [](std::vector<std::pair<int32_t, int32_t>> ages, bool open) {
        std::vector<OutlineGroup> out;
        for (const auto& [from, to] : ages) out.push_back({from, to, false, 1.0 * (to - from + 1), 2.0 * (to - from + 1)});
        if (open) out.back().Open = true;
        return out;
    };
    std::vector<std::pair<int32_t, int32_t>> single, mixed;
    for (int32_t a = 0; a <= 110; ++a) single.push_back({a, a});
    for (int32_t a = 0; a < 80; a += 20) mixed.insert(mixed.end(), {{a, a + 9}, {a + 10, a + 19}});
    mixed.push_back({80, 99});
    struct Row {
        const char* name;
        std::vector<OutlineGroup> groups;
        int32_t count;  // 0: refused
        int32_t topSpan;
        const char* note;
    };
    const Row rows[] = {
        {"single ages to 110, added up", groups(single, false), 20, 1, ""},
        {"ten years then twenty", groups(mixed, false), 20, 4, "(egne aldersgrupper)"},
        {"none", {}, 0, 0, ""},
        {"a gap", groups({{0, 4}, {10, 99}}, true), 0, 0, ""},
        {"not from 0", groups({{5, 99}}, true), 0, 0, ""},
        {"overlapping", groups({{0, 50}, {40, 99}}, false), 0, 0, ""},
    };
    ProjectionState(), State.BaseYear = 2008, SetUpProjection(), RunProjection(), ComputeGroupTotals();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ChartComparison c = OutlineInOwnGroups(r.groups);
        ASSERT_EQ(c.GroupCount, r.count);
        if (r.count == 0) continue;
        EXPECT_EQ(c.Span[16], r.topSpan);
        EXPECT_EQ(c.GroupNote, r.note);
        double outlined = 0, given = 0;
        for (int32_t g = 0; g < c.GroupCount; ++g) outlined += c.Male[g] + c.Female[g];
        for (const OutlineGroup& g : r.groups) given += g.Male + g.Female;
        EXPECT_NEAR(outlined, given, 1e-9) << "nobody lost or counted twice";
    }
}
