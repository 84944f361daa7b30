#include "PopulationChart.h"

#include "Canvas.h"
#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    return "PROGNOSE år " + std::to_string(State.TargetYear) + "            (" +
           FormatFixed(State.ChildrenPerFamily, 4, 2) + " børn   " + std::to_string(State.RetirementAge) + " år )";
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

}  // namespace

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
    const int32_t offset = BeginChart(canvas);
    canvas.TextOut(offset + 30, FlipY(350), "Alder");
    canvas.TextOut(offset + 150, FlipY(360), "Mænd");
    canvas.TextOut(offset + 500, FlipY(360), "Kvinder");

    const bool scaled = Scaled();
    const double unit = State.ChartUnit;
    ChartPoint* p = State.MarkerPoints;
    p[0].x = PyramidCentre;
    p[3].x = PyramidCentre;
    for (int32_t g = 0; g < Groups(); ++g) {
        const int32_t y = BarHeight * g + BaseY;
        p[0].y = y, p[1].y = y, p[2].y = y + BarHeight, p[3].y = y + BarHeight;
        if (scaled) p[1].x = p[2].x = PyramidCentre + RoundHalfEven(State.GroupFemale[g] / unit);
        canvas.TextOut(offset + 30, FlipY(y + BarHeight), GroupLabel(g));
        if (!scaled) continue;
        DrawBar(canvas, offset);
        p[1].x = p[2].x = PyramidCentre - RoundHalfEven(State.GroupMale[g] / unit);
        DrawBar(canvas, offset);
    }

    canvas.MoveTo(offset + PyramidCentre + 30, FlipY(AxisTop()));
    canvas.LineTo(offset + PyramidCentre + 30, FlipY(BaseY));
    canvas.MoveTo(offset + 100, FlipY(BaseY));
    canvas.LineTo(offset + 540, FlipY(BaseY));

    if (scaled && State.ScaleStep > 0) {
        const double perTenThousand = 10000.0 / unit;
        const int32_t women = RoundHalfEven(State.MaxFemaleGroup / 10000.0);
        for (int32_t i = 0; i <= women; ++i)
            if (i % State.ScaleStep == 0)
                DrawAxisTick(canvas, i, offset + PyramidCentre + RoundHalfEven(perTenThousand * i));
        const int32_t men = RoundHalfEven(State.MaxMaleGroup / 10000.0);
        for (int32_t i = 1; i <= men; ++i)
            if (i % State.ScaleStep == 0)
                DrawAxisTick(canvas, i, offset + RoundHalfEven(PyramidCentre - perTenThousand * i));
    }
    canvas.TextOut(offset + 10, FlipY(30), "Antal i 10.000");
}

void PopulationChart::DrawTotalGraph(Canvas& canvas) {
    const int32_t offset = BeginChart(canvas);
    canvas.TextOut(offset + 30, FlipY(350), view_.TotalGraphHeader);

    const bool scaled = Scaled();
    const double unit = State.ChartUnit;
    const double total = State.TotalMale + State.TotalFemale;
    ChartPoint* p = State.MarkerPoints;
    p[0].x = TotalGraphStart;
    p[3].x = TotalGraphStart;
    for (int32_t g = 0; g < Groups(); ++g) {
        const double v = State.GroupMale[g] + State.GroupFemale[g];
        const int32_t y = BarHeight * g + BaseY;
        p[0].y = y, p[1].y = y, p[2].y = y + BarHeight, p[3].y = y + BarHeight;
        if (scaled) p[1].x = p[2].x = TotalGraphStart + RoundHalfEven(v / unit);
        std::string label = GroupLabel(g);
        if (view_.TotalGraphShowsShare && total > 0) {
            const double share = RoundHalfEven(v / total * 1000) / 10.0;
            label += "  " + FormatFixed(share, 5, 1) + "%";
        }
        canvas.TextOut(offset + 30, FlipY(y + BarHeight), label);
        if (scaled) DrawBar(canvas, offset);
    }

    canvas.MoveTo(offset + TotalGraphStart + 30, FlipY(AxisTop()));
    canvas.LineTo(offset + TotalGraphStart + 30, FlipY(BaseY));
    canvas.LineTo(offset + 510, FlipY(BaseY));

    if (scaled && State.ScaleStep > 0) {
        const double perTenThousand = 10000.0 / unit;
        const int32_t n = RoundHalfEven((State.MaxMaleGroup + State.MaxFemaleGroup) / 10000.0);
        for (int32_t i = 0; i <= n; ++i)
            if (i % State.ScaleStep == 0)
                DrawAxisTick(canvas, i, offset + TotalGraphStart + RoundHalfEven(perTenThousand * i));
    }
    canvas.TextOut(offset + 10, FlipY(30), "Antal i 10.000");
}

// Inverting lines: drawing the same line again removes it, so the chart
// under the cursor never has to be drawn again.
void PopulationChart::DrawCursor(Canvas& canvas, bool pyramid) {
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
        const int64_t count = Scaled() ? RoundHalfEven64(d * State.ChartUnit / 1000) * 1000 : 0;
        canvas.MoveTo(x, top);
        canvas.LineTo(x, bottom);
        canvas.TextOut(x, FlipY(10), std::to_string(count));
    }
    canvas.SetPenMode(saved);
}

void PopulationChart::DrawPyramidCursor(Canvas& canvas) { DrawCursor(canvas, true); }

void PopulationChart::DrawTotalCursor(Canvas& canvas) { DrawCursor(canvas, false); }

void PopulationChart::DrawCurrentCursor(Canvas& canvas) {
    if (State.DisplayMode == view_.PyramidMode) DrawPyramidCursor(canvas);
    else if (State.DisplayMode == view_.TotalGraphMode) DrawTotalCursor(canvas);
}

void PopulationChart::RemoveCursor() {
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
    if (!surface_) return;
    const int32_t pos = surface_->VerticalScrollPos();
    if (State.SavedScrollPos == pos) return;
    RemoveCursor();
    State.SavedScrollPos = pos;
    surface_->Invalidate();
}

void PopulationChart::DrawView(Canvas& canvas) {
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
    if (!surface_) return;
    Canvas& canvas = surface_->SurfaceCanvas();
    canvas.SetFont(FontName, FontPixels, false, true);
    DrawView(canvas);
    // The cursor stands where the last click put it (CursorLineX = ClickX),
    // so this draws it again on the fresh chart.
    DrawCurrentCursor(canvas);
}

void PopulationChart::PaintBox1MouseUp(bool leftButton, int32_t x, int32_t /*y*/) {
    // A second click on the line already shown would invert it away while
    // its count stays, and the next click would then leave a stray line.
    if (leftButton && x != 0 && x == State.CursorLineX && x == State.ClickX) return;
    State.ClickX = leftButton ? x : 1;
    const bool chartShown = State.DisplayMode == view_.PyramidMode || State.DisplayMode == view_.TotalGraphMode;
    if (!surface_ || !chartShown) return;
    DrawCurrentCursor(surface_->SurfaceCanvas());
    surface_->ShowCanvas();
}
