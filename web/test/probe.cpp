// Prints, as JSON, the table texts the native core makes for the grid of
// cases the web page is checked against (tables.test.mjs walks the same
// grid through the page). With "chart ...", prints instead what the native
// renderer draws for one chart state (charts.test.mjs compares the page's
// canvas with it).
#include "AgeInterval.h"
#include "Canvas.h"
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "LifetimeTable.h"
#include "PopulationChart.h"
#include "Lys_erkl.h"
#include "ViewTables.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

namespace {

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

bool first = true;
void Case(const std::string& kind, const std::string& args, const std::vector<std::string>& lines) {
    std::printf("%s\n{\"kind\":%s,\"args\":%s,\"lines\":[", first ? "" : ",", Json(kind).c_str(), args.c_str());
    for (size_t i = 0; i < lines.size(); ++i) std::printf("%s%s", i ? "," : "", Json(lines[i]).c_str());
    std::printf("]}");
    first = false;
}

// Records the lines, fills and text places a renderer draws, in order.
class Recorder final : public Canvas {
public:
    std::string Ops;

    void TextOut(int32_t x, int32_t y, const std::string& text) override {
        int32_t chars = 0;
        for (const unsigned char c : text) chars += (c & 0xC0) != 0x80;
        Add("[\"text\"," + Ints({x, y, chars, pixels_}) + "]");
    }
    int32_t TextWidth(const std::string& text) override { return 8 * static_cast<int32_t>(text.size()); }
    int32_t TextHeight(const std::string&) override { return 15; }
    void MoveTo(int32_t x, int32_t y) override { x_ = x, y_ = y; }
    void LineTo(int32_t x, int32_t y) override {
        Add("[\"line\"," + Ints({x_, y_, x, y, static_cast<int32_t>(pen_), mode_ == PenMode::Invert}) + "]");
        x_ = x, y_ = y;
    }
    void SetPenColor(uint32_t rgb) override { pen_ = rgb; }
    void SetTextColor(uint32_t) override {}
    PenMode GetPenMode() const override { return mode_; }
    void SetPenMode(PenMode mode) override { mode_ = mode; }
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) override {
        Add("[\"rect\"," + Ints({x1, y1, x2, y2, static_cast<int32_t>(rgb)}) + "]");
    }
    void SetFont(const std::string&, int32_t size, bool sizeInPoints, bool) override {
        pixels_ = sizeInPoints ? (size * 96 + 36) / 72 : size;
    }
    void SetFontPointSize(int32_t points) override { pixels_ = (points * 96 + 36) / 72; }
    bool IsPrinter() const override { return false; }

private:
    static std::string Ints(std::initializer_list<int32_t> values) {
        std::string out;
        for (const int32_t v : values) out += (out.empty() ? "" : ",") + std::to_string(v);
        return out;
    }
    void Add(const std::string& op) { Ops += (Ops.empty() ? "" : ",\n") + op; }

    int32_t x_ = 0, y_ = 0, pixels_ = 13;
    uint32_t pen_ = 0;
    PenMode mode_ = PenMode::Copy;
};

class Surface final : public ChartSurfaceHost {
public:
    Recorder Drawn;
    Canvas& SurfaceCanvas() override { return Drawn; }
    void SetScrollRanges(int32_t, int32_t) override {}
    int32_t VerticalScrollPos() const override { return 0; }
    void ShowCanvas() override {}
    void Invalidate() override {}
};

// The chart states the page shows, set up as its views set them up:
//   chart projection <mode 2|3> <percent 0|1> <base year outlined 0|1> <click x> <click y>
//     (a projection from 2000 to 2030, 1.8 children, retirement at 65)
//   chart census <year> <mode 12|13> <percent 0|1> <census outlined or 0> <click x> <click y>
//   chart lifetime <age A> <sex A> <age B or -1> <sex B> <width> <height> <click x>
// A click at x 0 is none.
int Chart(int argc, char** argv) {
    const auto arg = [&](int i) { return i < argc ? std::atoi(argv[i]) : 0; };
    const std::string kind = argc > 2 ? argv[2] : "";
    Surface surface;
    if (kind == "lifetime") {
        ChooseLifetimePersons(arg(3), argv[4][0], arg(5), argv[6][0]);
        State.ClickX = 1;
        State.CursorLineX = 0;
        surface.Drawn.SetFont("Courier New", 16, false, true);  // the view's font
        DrawLifetimeGraph(surface.Drawn, LifetimeCanvas::Screen, arg(7), arg(8));
        DrawLifetimeCursor(surface.Drawn, arg(8));
        if (arg(9)) {
            State.ClickX = arg(9);
            DrawLifetimeCursor(surface.Drawn, arg(8));
        }
    } else if (kind == "projection" || kind == "census") {
        const bool census = kind == "census";
        PopulationChart chart(census ? CensusChartView : ProjectionChartView);
        chart.SetSurface(&surface);
        const int first = census ? 4 : 3;
        if (census) {
            State.ExactFigures = true;
            State.BaseYear = arg(3);
            double total = 0;
            GroupCensus(total);
            State.TargetYear = State.BaseYear;
        } else {
            ListBaseYears();
            State.BaseYear = 2000;
            State.ChildrenPerFamily = 1.8;
            State.TargetYear = 2030;
            State.RetirementAge = 65;
            SetUpProjection();
            RunProjection();
        }
        ComputeGroupTotals();
        chart.SetPercent(arg(first + 1) != 0);
        ChartComparison outline;
        if (census && arg(first + 2)) outline = CensusComparison(arg(first + 2));
        if (!census && arg(first + 2)) outline = BaseYearComparison();
        if (outline.GroupCount > 0) chart.SetComparison(&outline);
        State.DisplayMode = arg(first);
        State.YearsToProject = State.TargetYear - State.BaseYear;
        ComputeGroupTotals();
        if (!census) State.GroupSpan = 4, State.GroupCount = 20;
        State.CursorLineX = 0;
        State.ClickX = 1;
        chart.PaintBox1Paint();
        if (arg(first + 3)) chart.PaintBox1MouseUp(true, arg(first + 3), arg(first + 4));
        chart.SetSurface(nullptr);
    } else {
        std::fprintf(stderr, "unknown chart %s\n", kind.c_str());
        return 2;
    }
    std::printf("[%s]\n", surface.Drawn.Ops.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    LoadAllData();
    if (argc > 1 && std::string(argv[1]) == "chart") return Chart(argc, argv);
    std::printf("[");

    ListBaseYears();
    const int32_t baseYears[] = {State.YearChoices[1], State.YearChoices[2], State.YearChoices[3], State.YearChoices[4]};
    for (const int32_t base : baseYears) {
        for (const char* children : {"0.5", "1.8", "2.35", "6"}) {
            for (const int32_t target : {base, base + 1, 2030, 2100}) {
                for (const int32_t retirement : {50, 67, 99}) {
                    if (retirement == 99 && target != 2030) continue;
                    State.ExactFigures = false;
                    State.BaseYear = base;
                    State.ChildrenPerFamily = std::stod(children);
                    State.TargetYear = target;
                    State.RetirementAge = retirement;
                    State.DisplayMode = 0;
                    SetUpProjection();
                    State.YearsToProject = target - base;
                    RunProjection();
                    ComputeGroupTotals();
                    BuildProjectionTable();
                    Case("projection",
                         "[" + std::to_string(base) + "," + Json(children) + "," + std::to_string(target) + "," +
                             std::to_string(retirement) + "]",
                         State.TableLines);
                }
            }
        }
    }

    int n = 0;
    int32_t years[CensusYearCount];
    for (const EarlyCensusRecord& c : State.EarlyCensuses) years[n++] = c.Year;
    for (const CensusRecord& c : State.Censuses) years[n++] = c.Year;
    for (const int32_t year : years) {
        State.ExactFigures = true;  // a census is shown in exact figures
        State.BaseYear = year;
        double total = 0;
        GroupCensus(total);
        State.TargetYear = year;
        ComputeGroupTotals();
        BuildCensusTable();
        Case("census", "[" + std::to_string(year) + "]", State.TableLines);
    }

    for (const int32_t ageA : {0, 45, 98, 99}) {
        for (const char sexA : {'m', 'k'}) {
            ChooseLifetimePersons(ageA, sexA, -1, 'm');
            BuildLifetimeTable();
            Case("lifetime", "[" + std::to_string(ageA) + ",\"" + sexA + "\"]", State.TableLines);
            for (const int32_t ageB : {0, 45, 98, 99}) {
                for (const char sexB : {'m', 'k'}) {
                    ChooseLifetimePersons(ageA, sexA, ageB, sexB);
                    BuildLifetimeTable();
                    Case("lifetime",
                         "[" + std::to_string(ageA) + ",\"" + sexA + "\"," + std::to_string(ageB) + ",\"" + sexB + "\"]",
                         State.TableLines);
                }
            }
        }
    }
    // Age intervals after a projection from 2008 to 2030, with 2050 and 2099 added.
    for (const auto& [from, to] : {std::pair{0, 4}, {20, 64}, {65, 99}, {99, 99}, {0, 99}}) {
        State.ExactFigures = false;
        ListBaseYears();
        State.BaseYear = 2008;
        State.ChildrenPerFamily = 1.8;
        State.TargetYear = 2030;
        State.RetirementAge = 65;
        State.DisplayMode = 0;
        SetUpProjection();
        State.YearsToProject = 2030 - 2008;
        RunProjection();
        ComputeGroupTotals();
        IntervalFrom = from;
        IntervalTo = to;
        std::vector<std::string> lines = CensusIntervalLines();
        lines.push_back("--");
        for (const std::string& line : ProjectedIntervalLines({2030, 2050, 2099})) lines.push_back(line);
        Case("interval", "[\"" + std::to_string(from) + ".." + std::to_string(to) + "\"]", lines);
    }
    // Projections with net migration, put in force after the projection.
    for (const int32_t base : {2000, 2008}) {
        for (const int32_t net : {30000, -100000, 200000}) {
            for (const int32_t target : {2030, 2100}) {
                State.ExactFigures = false;
                ListBaseYears();
                State.BaseYear = base;
                State.ChildrenPerFamily = 1.8;
                State.TargetYear = target;
                State.RetirementAge = 67;
                State.NetMigration = net;
                RerunProjection();
                BuildProjectionTable();
                Case("migration", "[" + std::to_string(base) + "," + std::to_string(target) + "," + std::to_string(net) + "]",
                     State.TableLines);
                State.NetMigration = 0;
            }
        }
    }
    std::printf("\n]\n");
}
