#include "PopulationChart.h"

#include "Canvas.h"
#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr int32_t ChartOrigin = 400;
constexpr int32_t BarHeight = 14;
constexpr int32_t BaseY = 48;  // chart y of the base line: the bottom of the lowest bar
constexpr int32_t PyramidCentre = 312;
constexpr int32_t TotalGraphStart = 112;
// The on-screen axes (offset 50 + 30 + the chart x above); clicks are
// measured from them.
constexpr int32_t PyramidAxisX = 392;
constexpr int32_t TotalGraphAxisX = 192;

std::string ProjectionTitle() {
    const std::string inputs = FormatFixed(State.ChildrenPerFamily, 4, 2) + " børn   " + std::to_string(State.RetirementAge) + " år";
    // Net migration is named only when there is some, so a title without it
    // reads as it always has; the blanks before the inputs make room for it.
    if (State.NetMigration != 0)
        return "PROGNOSE år " + std::to_string(State.TargetYear) + "   (" + inputs + "   " +
               std::to_string(State.NetMigration) + " nettoindv. )";
    return "PROGNOSE år " + std::to_string(State.TargetYear) + "            (" + inputs + " )";
}

std::string CensusTitle() { return "Folketælling år " + std::to_string(State.TargetYear); }

// The group figures are only read up to the room they have.
int32_t Groups() { return std::clamp(State.GroupCount, 0, MaxGroups); }

// " 0- 4", "15-19", ... for group g, both ages at least two characters wide.
std::string AgeLabel(int32_t g, const ChartViewDescription& view) {
    const int32_t lo = g * (State.GroupSpan + 1);
    const int32_t hi = lo + State.GroupSpan;
    const std::string hiText = hi == 94 && view.UpperAge94Text ? view.UpperAge94Text : FormatFixed(hi, 2, 0);
    return FormatFixed(lo, 2, 0) + "-" + hiText;
}

constexpr int32_t TableLineCount = 22;
constexpr size_t TableWidth = 25;  // the age label, the men and the women

// Without a positive chart unit (all groups empty) no length can be scaled:
// the charts then draw their frame and texts only.
bool Scaled() { return State.ChartUnit > 0 && std::isfinite(State.ChartUnit); }

constexpr uint32_t Black = 0x000000;
constexpr uint32_t ComparisonColor = 0xC00000;

// The labelled ticks of a scale in persons, as the model chooses them for its
// own chart unit.
int32_t PersonStep(double unit) {
    if (unit > 32000) return 200;
    if (unit > 10000) return 100;
    if (unit > 5000) return 50;
    if (unit > 2500) return 10;
    if (unit > 500) return 5;
    return 2;
}

// Percent ticks at least 30 pixels apart.
int32_t PercentStep(double unit) {
    for (int32_t step : {1, 2, 5, 10, 20}) {
        if (step / unit >= 30) return step;
    }
    return 50;
}

// Age groups of a population, at most one a year of age; an open top group
// ends at 99, the oldest age the charts have.
struct AgeGroups {
    int32_t Count = 0;
    int32_t Hi[MaxAge] = {};  // the upper age of each group
    double Male[MaxAge] = {};
    double Female[MaxAge] = {};
    int32_t Lo[MaxAge] = {};  // the lower age, for the legend's note
    bool Open[MaxAge] = {};
};

// The upper age of each chart row of State's grouping. The top row holds
// everybody above its lower age: the census chart's 90 and over, the
// projection's 95-99 with the few of 100.
AgeGroups ChartRows() {
    AgeGroups rows;
    const int32_t width = State.GroupSpan + 1;
    if (width <= 0) return rows;
    rows.Count = std::clamp(State.GroupCount, 0, MaxGroups);
    for (int32_t g = 0; g < rows.Count; ++g) rows.Hi[g] = std::min(g * width + width - 1, MaxAge - 1);
    if (rows.Count > 0) rows.Hi[rows.Count - 1] = MaxAge - 1;
    return rows;
}

// Lays the groups over the rows: each run of rows and groups that ends at
// one age becomes one bar, its figure shared evenly by its rows. A bar over
// several rows gets the legend's note: "(10-års grupper)" for groups of ten
// years (the width they share, or "(egne aldersgrupper)" when they differ),
// "(90 og derover samlet)" for an open group alone.
void LayOver(const AgeGroups& groups, const AgeGroups& rows, ChartComparison& c) {
    int32_t r = 0, g = 0;
    int32_t width = 0, openFrom = -1;
    bool mixed = false;
    while (r < rows.Count && g < groups.Count) {
        const int32_t firstRow = r, firstGroup = g;
        double male = groups.Male[g], female = groups.Female[g];
        while (rows.Hi[r] != groups.Hi[g]) {
            if (rows.Hi[r] < groups.Hi[g]) {
                if (++r == rows.Count) return;
            } else {
                if (++g == groups.Count) return;
                male += groups.Male[g];
                female += groups.Female[g];
            }
        }
        const int32_t span = r - firstRow + 1;
        c.Span[firstRow] = span;
        for (int32_t k = firstRow; k <= r; ++k) {
            c.Male[k] = male / span;
            c.Female[k] = female / span;
        }
        for (int32_t k = firstGroup; span > 1 && k <= g; ++k) {
            if (groups.Open[k]) {
                openFrom = groups.Lo[k];
                continue;
            }
            const int32_t w = groups.Hi[k] - groups.Lo[k] + 1;
            mixed = mixed || (width != 0 && w != width);
            width = std::max(width, w);
        }
        ++r, ++g;
    }
    if (mixed) c.GroupNote = "(egne aldersgrupper)";
    else if (width > 1) c.GroupNote = "(" + std::to_string(width) + "-års grupper)";
    else if (openFrom >= 0) c.GroupNote = "(" + std::to_string(openFrom) + " og derover samlet)";
}

}  // namespace

// State's groups, one chart row each, as an outline.
static void TakeStateGroups(ChartComparison& c) {
    c.GroupCount = std::clamp(State.GroupCount, 0, MaxGroups);
    c.GroupSpan = State.GroupSpan;
    for (int32_t g = 0; g < c.GroupCount; ++g) {
        c.Male[g] = State.GroupMale[g];
        c.Female[g] = State.GroupFemale[g];
        c.Span[g] = 1;
    }
}

ChartComparison BaseYearComparison() {
    // The base population is put in State only while it is grouped as State is.
    ModelState work = State;
    std::swap(State, work);
    SetUpProjection();
    State.GroupCount = work.GroupCount;
    State.GroupSpan = work.GroupSpan;
    ComputeGroupTotals();
    ChartComparison c;
    c.Name = "basisår " + std::to_string(work.BaseYear);
    TakeStateGroups(c);
    std::swap(State, work);
    return c;
}

ChartComparison WithoutMigrationComparison() {
    // The same projection with no net migration, in State only while it is
    // projected and grouped as State is.
    ModelState work = State;
    std::swap(State, work);
    State.NetMigration = 0;
    SetUpProjection();
    RunProjection();
    State.GroupCount = work.GroupCount;
    State.GroupSpan = work.GroupSpan;
    ComputeGroupTotals();
    ChartComparison c;
    c.Name = "uden indvandring";
    c.WithoutMigration = true;
    TakeStateGroups(c);
    std::swap(State, work);
    return c;
}

ChartComparison CensusComparison(int32_t year) {
    std::vector<OutlineGroup> groups;
    for (const EarlyCensusRecord& r : State.EarlyCensuses) {
        if (r.Year != year) continue;
        for (int32_t g = 0; g < 10; ++g) groups.push_back({10 * g, 10 * g + 9, false, r.Male[g], r.Female[g]});
    }
    for (const CensusRecord& r : State.Censuses) {
        if (r.Year != year) continue;
        for (int32_t g = 0; g < 19; ++g) groups.push_back({5 * g, 5 * g + 4, g == 18, r.Male[g], r.Female[g]});
    }
    // Any other year has no population to compare with.
    if (groups.empty()) return {};
    ChartComparison c = OutlineInOwnGroups(groups);
    c.Name = "folketælling " + std::to_string(year);
    c.Census = true;
    return c;
}

ChartComparison OutlineInOwnGroups(const std::vector<OutlineGroup>& groups) {
    AgeGroups own;
    for (const OutlineGroup& group : groups) {
        // Ages past the chart's oldest count in its top row, as the projection's 100 do.
        if (group.From >= MaxAge && own.Count > 0) {
            own.Male[own.Count - 1] += group.Male;
            own.Female[own.Count - 1] += group.Female;
            continue;
        }
        if (own.Count == MaxAge || group.From != (own.Count > 0 ? own.Hi[own.Count - 1] + 1 : 0)) return {};
        const int32_t g = own.Count++;
        own.Lo[g] = group.From;
        own.Hi[g] = group.Open ? MaxAge - 1 : std::min(group.To, MaxAge - 1);
        own.Open[g] = group.Open;
        own.Male[g] = group.Male;
        own.Female[g] = group.Female;
    }
    if (own.Count == 0) return {};
    ChartComparison c;
    const AgeGroups rows = ChartRows();
    c.GroupCount = rows.Count;
    c.GroupSpan = State.GroupSpan;
    LayOver(own, rows, c);
    return c;
}

GroupShares SharesOf(const double* male, const double* female, int32_t groups) {
    GroupShares s;
    groups = std::clamp(groups, 0, MaxGroups);
    double total = 0;
    for (int32_t g = 0; g < groups; ++g) total += male[g] + female[g];
    if (!(total > 0)) return s;
    for (int32_t g = 0; g < groups; ++g) {
        s.Male[g] = male[g] / total * 100;
        s.Female[g] = female[g] / total * 100;
    }
    return s;
}

// How chart values become pixels: persons, or percent of the whole
// population, per pixel, shared by the chart and an outline over it.
struct PopulationChart::Scale {
    bool scaled = false;
    double unit = 0;      // chart value per pixel
    double perTick = 0;   // chart value of one tick number
    int32_t step = 0;     // every step-th tick is labelled
    double left = 0;      // largest value left of the pyramid's axis (men)
    double right = 0;     // largest value right of the axis (women; the total graph's sum)
    double factor = 1;    // State's persons to chart values
    double otherFactor = 1;
};

PopulationChart::Scale PopulationChart::ChartScale(bool pyramid) const {
    Scale s;
    const double total = State.TotalMale + State.TotalFemale;
    s.scaled = Scaled() && (!percent_ || total > 0);
    s.factor = percent_ ? (total > 0 ? 100 / total : 0) : 1;
    s.unit = State.ChartUnit * s.factor;
    s.perTick = percent_ ? 1 : 10000.0;
    s.step = percent_ ? 0 : State.ScaleStep;
    s.left = State.MaxMaleGroup * s.factor;
    s.right = (pyramid ? State.MaxFemaleGroup : State.MaxMaleGroup + State.MaxFemaleGroup) * s.factor;
    if (const ChartComparison* other = DrawnComparison()) {
        double maxMale = 0, maxFemale = 0, otherTotal = 0;
        for (int32_t g = 0; g < other->GroupCount; ++g) {
            maxMale = std::max(maxMale, other->Male[g]);
            maxFemale = std::max(maxFemale, other->Female[g]);
            otherTotal += other->Male[g] + other->Female[g];
        }
        s.otherFactor = percent_ ? (otherTotal > 0 ? 100 / otherTotal : 0) : 1;
        const double otherUnit = (maxMale + maxFemale) * s.otherFactor / 360;
        if (otherUnit > s.unit && std::isfinite(otherUnit)) {
            s.unit = otherUnit;
            s.step = percent_ ? 0 : PersonStep(otherUnit);
            s.scaled = true;
        }
        s.left = std::max(s.left, maxMale * s.otherFactor);
        s.right = std::max(s.right, (pyramid ? maxFemale : maxMale + maxFemale) * s.otherFactor);
    }
    if (percent_ && s.unit > 0) s.step = PercentStep(s.unit);
    return s;
}

const ChartComparison* PopulationChart::DrawnComparison() const {
    const ChartComparison* other = Comparison();
    if (!other || other->GroupSpan != State.GroupSpan || other->GroupCount != Groups()) return nullptr;
    return other;
}

void PopulationChart::SetComparison(const ChartComparison* other) {
    comparison_ = other ? *other : ChartComparison();
}

void PopulationChart::ChooseOutline(const ChartComparison& other) {
    const bool sameKind = Comparison() && comparison_.Census == other.Census && comparison_.Actual == other.Actual &&
                          comparison_.WithoutMigration == other.WithoutMigration;
    if (sameKind) SetComparison(nullptr);
    else if (other.GroupCount > 0) SetComparison(&other);
}

PopulationChart::FrameScope::FrameScope(PopulationChart& chart) : chart_(chart) {
    if (!chart_.frame_ || chart_.frameInState_) return;
    std::swap(State, *chart_.frame_);
    chart_.frameInState_ = swapped_ = true;
}

PopulationChart::FrameScope::~FrameScope() {
    if (!swapped_) return;
    std::swap(State, *chart_.frame_);
    chart_.frameInState_ = false;
}

const ChartViewDescription ProjectionChartView = {
    .TextMode = DisplayModes::ProjectionTable,
    .PyramidMode = DisplayModes::ProjectionPyramid,
    .TotalGraphMode = DisplayModes::ProjectionTotalGraph,
    .TitleText = ProjectionTitle,
    .TitleX = 150,
    .TitleXAfterOffset = false,
    .FixedAxisTop = 330,
    .UpperAge94Text = nullptr,
    .TotalGraphHeader = "Alder   Andel",
    .TotalGraphShowsShare = true,
    .PyramidCursorBoxHeight = 16,
    .TotalCursorBoxHeight = 15,
    .TextWidthExtra = 50,
    .TextLinesExtra = 2,
    .TextHeightExtra = 0,
};

const ChartViewDescription CensusChartView = {
    .TextMode = DisplayModes::CensusTable,
    .PyramidMode = DisplayModes::CensusPyramid,
    .TotalGraphMode = DisplayModes::CensusTotalGraph,
    .TitleText = CensusTitle,
    .TitleX = 250,
    .TitleXAfterOffset = true,
    .FixedAxisTop = 0,
    .UpperAge94Text = "99",  // the last census group holds everybody of 90 and over
    .TotalGraphHeader = "Alder",
    .TotalGraphShowsShare = false,
    .PyramidCursorBoxHeight = 15,
    .TotalCursorBoxHeight = 15,
    .TextWidthExtra = 20,
    .TextLinesExtra = 0,
    .TextHeightExtra = 2,
};

ChartSurfaceHost::~ChartSurfaceHost() {
    if (attachedChart_) attachedChart_->surface_ = nullptr;
}

PopulationChart::~PopulationChart() { SetSurface(nullptr); }

void PopulationChart::SetSurface(ChartSurfaceHost* surface) {
    if (surface_ == surface) return;
    if (surface_) surface_->attachedChart_ = nullptr;
    surface_ = surface;
    if (!surface_) return;
    if (surface_->attachedChart_) surface_->attachedChart_->surface_ = nullptr;
    surface_->attachedChart_ = this;
}

bool PopulationChart::OnScreen(const Canvas& canvas) const {
    return surface_ && &canvas == &surface_->SurfaceCanvas();
}

int32_t PopulationChart::AxisTop() const {
    return view_.FixedAxisTop > 0 ? view_.FixedAxisTop : BarHeight * Groups() + 60;
}

std::string PopulationChart::GroupLabel(int32_t g) const { return AgeLabel(g, view_); }

std::vector<std::string> GroupTableLines(const ChartViewDescription& view) {
    std::vector<std::string> lines(TableLineCount, std::string(TableWidth, ' '));
    lines[0] = " Alder     Mænd   Kvinder";
    // Lines 1..20 have room for twenty groups; the totals keep line 21.
    const int32_t groups = std::clamp(State.GroupCount, 0, TableLineCount - 2);
    for (int32_t g = 0; g < groups; ++g) {
        lines[g + 1] = AgeLabel(g, view) + ":" + FormatFixed(RoundForDisplay(State.GroupMale[g]), 9, 0) +
                       FormatFixed(RoundForDisplay(State.GroupFemale[g]), 10, 0);
    }
    lines[TableLineCount - 1] = "I alt:" + FormatFixed(RoundForDisplay(State.TotalMale), 9, 0) +
                                FormatFixed(RoundForDisplay(State.TotalFemale), 10, 0) + " =" +
                                FormatFixed(RoundForDisplay(State.TotalMale + State.TotalFemale), 9, 0) + " indb.";
    return lines;
}

// The start both charts share; returns the chart's x offset.
int32_t PopulationChart::BeginChart(Canvas& canvas) {
    const int32_t offset = canvas.IsPrinter() ? 0 : 50;
    if (OnScreen(canvas)) surface_->SetScrollRanges(640, 420);
    State.ChartOriginY = ChartOrigin;
    const int32_t titleX = view_.TitleX + (view_.TitleXAfterOffset ? offset : 0);
    canvas.TextOut(titleX, FlipY(380), view_.TitleText());
    return offset;
}

void PopulationChart::DrawPyramid(Canvas& canvas) {
    const FrameScope frame(*this);
    const int32_t offset = BeginChart(canvas);
    canvas.TextOut(offset + 30, FlipY(350), "Alder");
    canvas.TextOut(offset + 150, FlipY(360), "Mænd");
    canvas.TextOut(offset + 500, FlipY(360), "Kvinder");

    const Scale scale = ChartScale(true);
    const bool scaled = scale.scaled;
    const double unit = scale.unit;
    ChartPoint* p = State.MarkerPoints;
    p[0].x = PyramidCentre;
    p[3].x = PyramidCentre;
    for (int32_t g = 0; g < Groups(); ++g) {
        const int32_t y = BarHeight * g + BaseY;
        p[0].y = y, p[1].y = y, p[2].y = y + BarHeight, p[3].y = y + BarHeight;
        if (scaled) p[1].x = p[2].x = PyramidCentre + RoundHalfEven(State.GroupFemale[g] * scale.factor / unit);
        canvas.TextOut(offset + 30, FlipY(y + BarHeight), GroupLabel(g));
        if (!scaled) continue;
        DrawBar(canvas, offset);
        p[1].x = p[2].x = PyramidCentre - RoundHalfEven(State.GroupMale[g] * scale.factor / unit);
        DrawBar(canvas, offset);
    }
    DrawComparison(canvas, offset, true, scale);

    canvas.MoveTo(offset + PyramidCentre + 30, FlipY(AxisTop()));
    canvas.LineTo(offset + PyramidCentre + 30, FlipY(BaseY));
    canvas.MoveTo(offset + 100, FlipY(BaseY));
    canvas.LineTo(offset + 540, FlipY(BaseY));

    if (scaled && scale.step > 0) {
        DrawTicks(canvas, offset + PyramidCentre, scale.right, 0, 1, scale);
        DrawTicks(canvas, offset, scale.left, 1, -1, scale);
    }
    DrawUnitText(canvas, offset);
}

void PopulationChart::DrawTotalGraph(Canvas& canvas) {
    const FrameScope frame(*this);
    const int32_t offset = BeginChart(canvas);
    canvas.TextOut(offset + 30, FlipY(350), view_.TotalGraphHeader);

    const Scale scale = ChartScale(false);
    const bool scaled = scale.scaled;
    const double unit = scale.unit;
    const double total = State.TotalMale + State.TotalFemale;
    ChartPoint* p = State.MarkerPoints;
    p[0].x = TotalGraphStart;
    p[3].x = TotalGraphStart;
    for (int32_t g = 0; g < Groups(); ++g) {
        const double v = State.GroupMale[g] + State.GroupFemale[g];
        const int32_t y = BarHeight * g + BaseY;
        p[0].y = y, p[1].y = y, p[2].y = y + BarHeight, p[3].y = y + BarHeight;
        if (scaled) p[1].x = p[2].x = TotalGraphStart + RoundHalfEven(v * scale.factor / unit);
        std::string label = GroupLabel(g);
        if (view_.TotalGraphShowsShare && total > 0) {
            const double share = RoundHalfEven(v / total * 1000) / 10.0;
            label += "  " + FormatFixed(share, 5, 1) + "%";
        }
        canvas.TextOut(offset + 30, FlipY(y + BarHeight), label);
        if (scaled) DrawBar(canvas, offset);
    }
    DrawComparison(canvas, offset, false, scale);

    canvas.MoveTo(offset + TotalGraphStart + 30, FlipY(AxisTop()));
    canvas.LineTo(offset + TotalGraphStart + 30, FlipY(BaseY));
    canvas.LineTo(offset + 510, FlipY(BaseY));

    if (scaled && scale.step > 0) DrawTicks(canvas, offset + TotalGraphStart, scale.right, 0, 1, scale);
    DrawUnitText(canvas, offset);
}

// Ticks numbered from first while they stay within maximum, away from the
// axis at x0 (+30) to the right (direction 1) or to the left.
void PopulationChart::DrawTicks(Canvas& canvas, int32_t x0, double maximum, int32_t first, int32_t direction,
                                const Scale& scale) {
    const double perTick = scale.perTick / scale.unit;
    const int32_t n = RoundHalfEven(maximum / scale.perTick);
    for (int32_t i = first; i <= n; ++i) {
        if (i % scale.step != 0) continue;
        // Left of the axis the offset stays outside the rounding.
        const int32_t x = direction > 0 ? x0 + RoundHalfEven(perTick * i)
                                        : x0 + RoundHalfEven(PyramidCentre - perTick * i);
        DrawAxisTick(canvas, i, x);
    }
}

void PopulationChart::DrawUnitText(Canvas& canvas, int32_t offset) {
    canvas.TextOut(offset + 10, FlipY(30), percent_ ? "Procent" : "Antal i 10.000");
}

// The outline of the other population in its own colour, and a legend
// naming both.
void PopulationChart::DrawComparison(Canvas& canvas, int32_t offset, bool pyramid, const Scale& scale) {
    const ChartComparison* other = DrawnComparison();
    if (!other) return;
    canvas.SetPenColor(ComparisonColor);
    if (scale.scaled) {
        const double f = scale.otherFactor / scale.unit;
        const int32_t start = pyramid ? PyramidCentre : TotalGraphStart;
        ChartPoint* p = State.MarkerPoints;
        p[0].x = p[3].x = start;
        for (int32_t g = 0; g < other->GroupCount; ++g) {
            // One bar over all the rows its group covers.
            const int32_t rows = std::min(other->Span[g], other->GroupCount - g);
            if (rows <= 0) continue;
            const int32_t y = BarHeight * g + BaseY;
            p[0].y = y, p[1].y = y, p[2].y = y + BarHeight * rows, p[3].y = y + BarHeight * rows;
            if (pyramid) {
                p[1].x = p[2].x = start + RoundHalfEven(other->Female[g] * f);
                DrawBar(canvas, offset);
                p[1].x = p[2].x = start - RoundHalfEven(other->Male[g] * f);
            } else {
                p[1].x = p[2].x = start + RoundHalfEven((other->Male[g] + other->Female[g]) * f);
            }
            DrawBar(canvas, offset);
        }
    }
    // Under "Kvinder", where the top bars leave room; each line in the
    // middle of its text.
    const int32_t x = offset + 420;
    canvas.SetPenColor(Black);
    canvas.MoveTo(x, FlipY(338) + 7);
    canvas.LineTo(x + 20, FlipY(338) + 7);
    canvas.SetPenColor(ComparisonColor);
    canvas.MoveTo(x, FlipY(323) + 7);
    canvas.LineTo(x + 20, FlipY(323) + 7);
    canvas.SetPenColor(Black);
    canvas.SetTextColor(ComparisonColor);
    canvas.TextOut(x + 26, FlipY(323), other->Name);
    if (!other->GroupNote.empty()) canvas.TextOut(x + 26, FlipY(308), other->GroupNote);
    canvas.SetTextColor(Black);
    canvas.TextOut(x + 26, FlipY(338), "år " + std::to_string(State.TargetYear));
}

// Inverting lines: drawing the same line again removes it, so the chart
// under the cursor never has to be drawn again.
void PopulationChart::DrawCursor(Canvas& canvas, bool pyramid) {
    const FrameScope frame(*this);
    const PenMode saved = canvas.GetPenMode();
    canvas.SetPenMode(PenMode::Invert);
    State.ChartOriginY = ChartOrigin;
    const int32_t top = FlipY(AxisTop());
    const int32_t bottom = FlipY(BaseY);
    const int32_t boxHeight = pyramid ? view_.PyramidCursorBoxHeight : view_.TotalCursorBoxHeight;

    const int32_t old = State.CursorLineX;
    if (old != 0 && old != State.ClickX) {
        canvas.FillRect(old, FlipY(10), old + 65, FlipY(10) + boxHeight, White);
        canvas.MoveTo(old, top);
        canvas.LineTo(old, bottom);
    }

    const int32_t x = State.ClickX;
    const bool accepted = pyramid ? x >= 200 && x <= 600 && x != PyramidAxisX : x > TotalGraphAxisX && x <= 600;
    if (!accepted) {
        State.CursorLineX = 0;
    } else {
        State.CursorLineX = x;
        const int32_t d = std::abs(x - (pyramid ? PyramidAxisX : TotalGraphAxisX));
        const Scale scale = ChartScale(pyramid);
        std::string text;
        if (percent_) {
            text = FormatFixed(scale.scaled ? d * scale.unit : 0, 0, 1) + "%";
        } else {
            const int64_t count = scale.scaled ? RoundHalfEven64(d * scale.unit / 1000) * 1000 : 0;
            text = std::to_string(count);
        }
        canvas.MoveTo(x, top);
        canvas.LineTo(x, bottom);
        canvas.TextOut(x, FlipY(10), text);
    }
    canvas.SetPenMode(saved);
}

void PopulationChart::DrawPyramidCursor(Canvas& canvas) { DrawCursor(canvas, true); }

void PopulationChart::DrawTotalCursor(Canvas& canvas) { DrawCursor(canvas, false); }

void PopulationChart::DrawCurrentCursor(Canvas& canvas) {
    const FrameScope frame(*this);
    if (State.DisplayMode == view_.PyramidMode) DrawPyramidCursor(canvas);
    else if (State.DisplayMode == view_.TotalGraphMode) DrawTotalCursor(canvas);
}

void PopulationChart::RemoveCursor() {
    const FrameScope frame(*this);
    State.ClickX = 1;
    const bool chartShown = State.DisplayMode == view_.PyramidMode || State.DisplayMode == view_.TotalGraphMode;
    if (!surface_ || !chartShown) {
        // No chart on the surface, so no cursor line either.
        State.CursorLineX = 0;
        return;
    }
    DrawCurrentCursor(surface_->SurfaceCanvas());
    surface_->ShowCanvas();
}

void PopulationChart::CheckScroll() {
    const FrameScope frame(*this);
    if (!surface_) return;
    const int32_t pos = surface_->VerticalScrollPos();
    if (State.SavedScrollPos == pos) return;
    RemoveCursor();
    State.SavedScrollPos = pos;
    surface_->Invalidate();
}

void PopulationChart::DrawView(Canvas& canvas) {
    const FrameScope frame(*this);
    const int32_t mode = State.DisplayMode;
    if (mode == view_.TextMode) {
        canvas.SetFontPointSize(12);
        const int32_t lineHeight = canvas.TextHeight("H");
        int32_t widest = 0;
        for (const std::string& line : State.TableLines) widest = std::max(widest, canvas.TextWidth(line));
        const auto lines = static_cast<int32_t>(State.TableLines.size());
        if (OnScreen(canvas))
            surface_->SetScrollRanges(widest + view_.TextWidthExtra,
                                      (lines + view_.TextLinesExtra) * lineHeight + view_.TextHeightExtra);
        int32_t y = 20;
        for (const std::string& line : State.TableLines) {
            canvas.TextOut(50, y, line);
            y += lineHeight;
        }
    } else if (mode == view_.PyramidMode || mode == view_.TotalGraphMode) {
        if (mode == view_.PyramidMode) DrawPyramid(canvas);
        else DrawTotalGraph(canvas);
        // Only the screen scrolls; a picture or a printout leaves the
        // screen's cursor and ClickX alone.
        if (OnScreen(canvas)) CheckScroll();
    }
}

void PopulationChart::PaintBox1Paint() {
    const FrameScope frame(*this);
    if (!surface_) return;
    Canvas& canvas = surface_->SurfaceCanvas();
    canvas.SetFont(FontName, FontPixels, false, true);
    DrawView(canvas);
    // The cursor stands where the last click put it (CursorLineX = ClickX),
    // so this draws it again on the fresh chart.
    DrawCurrentCursor(canvas);
}

void PopulationChart::PaintBox1Key(CursorKey key) {
    const FrameScope frame(*this);
    const bool pyramid = State.DisplayMode == view_.PyramidMode;
    if (!pyramid && State.DisplayMode != view_.TotalGraphMode) return;
    const int32_t groups = Groups();
    if (groups == 0) return;
    if (keyGroup_ < 0 || keyGroup_ >= groups || State.ClickX != keyX_) {
        keyGroup_ = 0;
        keyWomen_ = key != CursorKey::Left;
    } else if (key == CursorKey::Up) {
        keyGroup_ = std::min(keyGroup_ + 1, groups - 1);
    } else if (key == CursorKey::Down) {
        keyGroup_ = std::max(keyGroup_ - 1, 0);
    } else {
        keyWomen_ = key == CursorKey::Right;
    }
    const Scale scale = ChartScale(pyramid);
    if (!scale.scaled) return;
    const int32_t g = keyGroup_;
    int32_t x = 0;
    if (pyramid) {
        const double v = keyWomen_ ? State.GroupFemale[g] : State.GroupMale[g];
        const int32_t length = RoundHalfEven(v * scale.factor / scale.unit);
        x = PyramidAxisX + (keyWomen_ ? length : -length);
    } else {
        x = TotalGraphAxisX + RoundHalfEven((State.GroupMale[g] + State.GroupFemale[g]) * scale.factor / scale.unit);
    }
    PaintBox1MouseUp(true, x, 0);
    keyX_ = State.ClickX;
}

void PopulationChart::PaintBox1MouseUp(bool leftButton, int32_t x, int32_t /*y*/) {
    const FrameScope frame(*this);
    // A second click on the line already shown would invert it away while
    // its count stays, and the next click would then leave a stray line.
    if (leftButton && x != 0 && x == State.CursorLineX && x == State.ClickX) return;
    State.ClickX = leftButton ? x : 1;
    const bool chartShown = State.DisplayMode == view_.PyramidMode || State.DisplayMode == view_.TotalGraphMode;
    if (!surface_ || !chartShown) return;
    DrawCurrentCursor(surface_->SurfaceCanvas());
    surface_->ShowCanvas();
}
