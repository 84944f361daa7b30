// The population pyramid and the total graph with their click cursor, drawn
// from the group figures of the model state. The projection view and the
// census view each own one renderer; what differs between them is data
// (ChartViewDescription), not code.
#pragma once

#include "Lys_erkl.h"
#include "NumberText.h"

#include <cstdint>
#include <string>
#include <vector>

struct Canvas;

struct ChartViewDescription {
    // DisplayMode values of the view.
    int32_t TextMode;
    int32_t PyramidMode;
    int32_t TotalGraphMode;

    std::string (*TitleText)();  // built from the model state
    int32_t TitleX;
    bool TitleXAfterOffset;      // add the chart offset (50 on screen, 0 on the printer)

    // Upper end of the axes and the cursor line in chart y; 0: just above
    // the top bar (14 x GroupCount + 60).
    int32_t FixedAxisTop;

    const char* UpperAge94Text;  // replaces the upper age 94 in labels; nullptr: keep
    const char* TotalGraphHeader;
    bool TotalGraphShowsShare;   // label "lo-hi  share%" instead of "lo-hi"

    // Height of the white box that erases the old cursor count.
    int32_t PyramidCursorBoxHeight;
    int32_t TotalCursorBoxHeight;

    // Text mode scroll ranges: widest line + TextWidthExtra across, and
    // (lines + TextLinesExtra) x line height + TextHeightExtra down.
    int32_t TextWidthExtra;
    int32_t TextLinesExtra;
    int32_t TextHeightExtra;
};

extern const ChartViewDescription ProjectionChartView;
extern const ChartViewDescription CensusChartView;

class PopulationChart;

// A second population outlined over the chart, in its own age groups: each
// group is one bar spanning exactly the chart rows it covers, at the length
// that keeps the chart's meaning (persons per chart row of age). A ten-year
// group over five-year rows spans two rows at half its figure; an open top
// group spans every row from its lower age up. Where the other population's
// groups are finer than the rows, the groups within a row are added up.
struct ChartComparison {
    std::string Name;       // the legend's text for it, e.g. "basisår 2008"
    std::string GroupNote;  // a second legend line when its groups differ, e.g. "(10-års grupper)"
    bool Census = false;
    bool WithoutMigration = false;  // the projection in force without net migration
    bool Actual = false;     // an imported actual population, not the base year
    int32_t GroupCount = 0;  // the chart grouping it was made for; drawn only over that
    int32_t GroupSpan = 0;
    double Male[MaxGroups] = {};    // the outline's length over each chart row
    double Female[MaxGroups] = {};
    int32_t Span[MaxGroups] = {};   // rows of the bar starting at a row; 0 where a bar below goes on
};

// The base year of the projection in State, grouped as State is.
ChartComparison BaseYearComparison();
// The projection in force as it would be with no net migration, grouped as
// State is.
ChartComparison WithoutMigrationComparison();
// A census year in its own groups over the chart rows of State's grouping;
// no groups (GroupCount 0) for a year that is not a census.
ChartComparison CensusComparison(int32_t year);

// A population in its own age groups, youngest first from age 0 without
// gaps, laid over the chart rows of State's grouping, with the legend's
// note when a group spans several rows; its name and kind are the caller's.
// An open group ends at the chart's oldest age, groups from 100 on count in
// the top row. Groups that overlap or leave a gap give no groups.
struct OutlineGroup {
    int32_t From = 0;
    int32_t To = 0;
    bool Open = false;
    double Male = 0;
    double Female = 0;
};
ChartComparison OutlineInOwnGroups(const std::vector<OutlineGroup>& groups);

// The share of the whole population (men and women of all groups) in each
// bar, in percent; the chart's percent mode draws these.
struct GroupShares {
    double Male[MaxGroups] = {};
    double Female[MaxGroups] = {};
};
GroupShares SharesOf(const double* male, const double* female, int32_t groups);

// What the renderer needs from the chart surface it shows on screen. A
// surface and its renderer forget each other when either goes away first.
struct ChartSurfaceHost {
    virtual ~ChartSurfaceHost();
    virtual Canvas& SurfaceCanvas() = 0;
    virtual void SetScrollRanges(int32_t width, int32_t height) = 0;
    virtual int32_t VerticalScrollPos() const = 0;
    // Shows what was drawn on the surface's canvas, without drawing it again.
    virtual void ShowCanvas() = 0;
    // Asks for the whole chart to be painted again (PaintBox1Paint).
    virtual void Invalidate() = 0;

    // The renderer that draws on this surface, if any.
    PopulationChart* AttachedChart() const { return attachedChart_; }

private:
    friend class PopulationChart;
    PopulationChart* attachedChart_ = nullptr;
};

// The table the view shows instead of a chart: 22 lines of 25 characters or
// more, a header, one line per group (at most 20) with its age label and the
// men and women rounded for display, blank lines, and the totals on the last
// line. The view adds its own texts to the right of some lines.
std::vector<std::string> GroupTableLines(const ChartViewDescription& view);

class PopulationChart {
public:
    explicit PopulationChart(const ChartViewDescription& view) : view_(view) {}
    ~PopulationChart();
    PopulationChart(const PopulationChart&) = delete;
    PopulationChart& operator=(const PopulationChart&) = delete;

    const ChartViewDescription& View() const { return view_; }
    // The chart surface the paint and mouse handlers and RemoveCursor work on.
    void SetSurface(ChartSurfaceHost* surface);
    ChartSurfaceHost* Surface() const { return surface_; }

    void DrawPyramid(Canvas& canvas);
    void DrawTotalGraph(Canvas& canvas);
    void DrawPyramidCursor(Canvas& canvas);
    void DrawTotalCursor(Canvas& canvas);
    void RemoveCursor();
    void CheckScroll();
    void DrawView(Canvas& canvas);
    // The cursor routine of the chart DisplayMode shows, if any.
    void DrawCurrentCursor(Canvas& canvas);

    // Chart surface events.
    void PaintBox1Paint();
    void PaintBox1MouseUp(bool leftButton, int32_t x, int32_t y);
    // The arrow keys move the cursor from bar to bar: up and down to the
    // next older or younger group, left and right to the men's or women's
    // bar of the pyramid. The cursor stands at the bar's end and reads its
    // count, as a click there would.
    enum class CursorKey { Up, Down, Left, Right };
    void PaintBox1Key(CursorKey key);

    // Upper end of the axes in chart y for the current grouping.
    int32_t AxisTop() const;
    // The age label " 0- 4", "15-19", ... of group g.
    std::string GroupLabel(int32_t g) const;

    // Bars as shares of the whole population, with a percent scale.
    void SetPercent(bool on) { percent_ = on; }
    bool Percent() const { return percent_; }
    // Another population outlined over the chart on a common scale; nullptr
    // removes it.
    void SetComparison(const ChartComparison* other);
    const ChartComparison* Comparison() const { return comparison_.Name.empty() ? nullptr : &comparison_; }
    // A census (or else the base year) is outlined: the compare item of
    // that kind is checked.
    bool ShowsOutline(bool census) const {
        return Comparison() && comparison_.Census == census && !comparison_.Actual && !comparison_.WithoutMigration;
    }
    // A compare item chosen: its own outline, when shown, is taken away;
    // otherwise other replaces whatever is outlined.
    void ChooseOutline(const ChartComparison& other);
    // Draws (and handles clicks on) this population instead of State's, a
    // year of a playback, until set back to nullptr; State itself is left
    // alone. The chart does not own it.
    void ShowInstead(ModelState* frame) { frame_ = frame; }
    ModelState* ShownInstead() const { return frame_; }

    // The chart surface's own font.
    static constexpr const char* FontName = "Courier New";
    static constexpr int32_t FontPixels = 13;

private:
    friend struct ChartSurfaceHost;
    int32_t BeginChart(Canvas& canvas);
    // The surface's own canvas: only there do scroll ranges and the cursor
    // on screen change.
    bool OnScreen(const Canvas& canvas) const;
    void DrawCursor(Canvas& canvas, bool pyramid);
    // The comparison, when it is grouped as the chart on show.
    const ChartComparison* DrawnComparison() const;
    struct Scale;
    Scale ChartScale(bool pyramid) const;
    void DrawComparison(Canvas& canvas, int32_t offset, bool pyramid, const Scale& scale);
    void DrawTicks(Canvas& canvas, int32_t x0, double maximum, int32_t first, int32_t direction,
                   const Scale& scale);
    void DrawUnitText(Canvas& canvas, int32_t offset);

    // Puts the frame shown instead in State for its lifetime (once, however
    // deeply the drawing nests).
    class FrameScope {
    public:
        explicit FrameScope(PopulationChart& chart);
        ~FrameScope();
        FrameScope(const FrameScope&) = delete;
        FrameScope& operator=(const FrameScope&) = delete;

    private:
        PopulationChart& chart_;
        bool swapped_ = false;
    };

    const ChartViewDescription& view_;
    ChartSurfaceHost* surface_ = nullptr;
    bool percent_ = false;
    ChartComparison comparison_;
    ModelState* frame_ = nullptr;
    bool frameInState_ = false;
    // Where the keyboard's cursor is: its group and side, and the ClickX it
    // set (a click or a new chart since starts it again at the lowest bar).
    int32_t keyGroup_ = -1;
    bool keyWomen_ = true;
    int32_t keyX_ = 0;
};
