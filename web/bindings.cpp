// The program core as the web page sees it: model operations, the state
// fields it reads and writes, each by a typed function that checks its
// arguments, the input rules, the table texts, and the chart renderers
// drawing on canvas objects the page supplies. Every text, rule and picture
// comes from the core. TypedBinding.h declares all of it to TypeScript.
#include "AgeGroupCommands.h"
#include "AgeInterval.h"
#include "Canvas.h"
#include "CensusCommands.h"
#include "ExtraCommands.h"
#include "HistoricalTables.h"
#include "InputRules.h"
#include "Lifetime.h"
#include "LifetimeCommands.h"
#include "LifetimeGraph.h"
#include "LifetimeTable.h"
#include "Lys_erkl.h"
#include "OutputCommands.h"
#include "PopulationChart.h"
#include "PrintLayout.h"
#include "ProjectionCommands.h"
#include "ProjectionPlayback.h"
#include "StatbankImports.h"
#include "StatbankReader.h"
#include "TableExport.h"
#include "TextInput.h"
#include "ViewTables.h"
#include "YearLists.h"
#include "TypedBinding.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

using emscripten::val;
using namespace typed;

namespace {

// Forwards every drawing call to a JavaScript object with the same
// operations in lower camel case (see web/src/canvas.ts).
class JsCanvas final : public Canvas {
public:
    explicit JsCanvas(val js) : js_(std::move(js)) {}

    void TextOut(int32_t x, int32_t y, const std::string& text) override { js_.call<void>("textOut", x, y, text); }
    int32_t TextWidth(const std::string& text) override { return js_.call<int32_t>("textWidth", text); }
    int32_t TextHeight(const std::string& text) override { return js_.call<int32_t>("textHeight", text); }
    void MoveTo(int32_t x, int32_t y) override { js_.call<void>("moveTo", x, y); }
    void LineTo(int32_t x, int32_t y) override { js_.call<void>("lineTo", x, y); }
    void SetPenColor(uint32_t rgb) override { js_.call<void>("setPenColor", rgb); }
    void SetTextColor(uint32_t rgb) override { js_.call<void>("setTextColor", rgb); }
    PenMode GetPenMode() const override { return mode_; }
    void SetPenMode(PenMode mode) override {
        mode_ = mode;
        js_.call<void>("setInvert", mode == PenMode::Invert);
    }
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t rgb) override {
        js_.call<void>("fillRect", x1, y1, x2, y2, rgb);
    }
    void SetFont(const std::string& name, int32_t size, bool sizeInPoints, bool bold) override {
        js_.call<void>("setFont", name, size, sizeInPoints, bold);
    }
    void SetFontPointSize(int32_t points) override { js_.call<void>("setFontPointSize", points); }
    bool IsPrinter() const override { return js_["printer"].as<bool>(); }

private:
    val js_;
    PenMode mode_ = PenMode::Copy;
};

// The on-screen chart area: the page's canvas plus its scroll position.
class WebSurface final : public ChartSurfaceHost {
public:
    explicit WebSurface(val js) : js_(js), canvas_(js) {}
    Canvas& SurfaceCanvas() override { return canvas_; }
    void SetScrollRanges(int32_t width, int32_t height) override { js_.call<void>("setScrollRanges", width, height); }
    int32_t VerticalScrollPos() const override { return js_.call<int32_t>("verticalScrollPos"); }
    void ShowCanvas() override { js_.call<void>("showCanvas"); }
    void Invalidate() override { js_.call<void>("invalidate"); }

private:
    val js_;
    JsCanvas canvas_;
};


using Lines = Js<"string[]">;
using Bytes = Js<"Uint8Array<ArrayBuffer>">;
using CanvasObject = Js<"CoreCanvas">;
using SurfaceObject = Js<"ChartSurface">;
using ViewKind = Word<"'projection' | 'census'">;
using OnShowWord = Word<"'table' | 'chart' | ''">;

// No projection runs past this year, nor starts before year 0.
constexpr int32_t LastTargetYear = 2100;
// Pixel coordinates and sizes the page passes: the 16-bit range of the
// program's original platform, far beyond any screen.
constexpr int32_t MaxPixel = 32767;
// Lines the page hands over for printing, copying or saving: far more than
// any table or list of the program has.
constexpr size_t MaxLines = 100000;
constexpr int32_t MaxWhole = 2147483647;

const std::initializer_list<const char*> CanvasMethods = {
    "textOut", "textWidth", "textHeight", "moveTo", "lineTo", "setPenColor", "setTextColor",
    "setInvert", "fillRect", "setFont", "setFontPointSize"};
const std::initializer_list<const char*> SurfaceMethods = {
    "textOut", "textWidth", "textHeight", "moveTo", "lineTo", "setPenColor", "setTextColor", "setInvert",
    "fillRect", "setFont", "setFontPointSize", "setScrollRanges", "verticalScrollPos", "showCanvas", "invalidate"};

bool IsCanvas(const val& canvas) { return HasMethods(canvas, "canvas", CanvasMethods); }

// The projection in State can run: from its base year on to a target year
// no later than LastTargetYear. A target year far off would run for minutes.
bool ProjectionYearsUsable(const char* what) {
    const ModelState& s = State;
    if (s.BaseYear >= 0 && s.BaseYear <= s.TargetYear && s.TargetYear <= LastTargetYear) return true;
    return Refuse(std::string(what) + ": the projection must run from its base year to a target year from it to " +
                  std::to_string(LastTargetYear) + " (base year " + std::to_string(s.BaseYear) + ", target year " +
                  std::to_string(s.TargetYear) + ")");
}

// An age interval the age-group lists can count: 0 <= from <= to <= 99.
bool AgeIntervalUsable() {
    if (IntervalFrom >= 0 && IntervalFrom <= IntervalTo && IntervalTo < MaxAge) return true;
    return Refuse("the age interval must lie within 0..99 (it is " + std::to_string(IntervalFrom) + ".." +
                  std::to_string(IntervalTo) + ")");
}

bool IsDisplayMode(int32_t mode) {
    using namespace DisplayModes;
    for (const int32_t m : {Nothing, ProjectionTable, ProjectionPyramid, ProjectionTotalGraph, ContinuedTable,
                            CensusTable, CensusPyramid, CensusTotalGraph})
        if (mode == m) return true;
    return false;
}

std::optional<int32_t> DisplayMode(double mode) {
    const auto m = Whole(mode, "display mode", 0, DisplayModes::CensusTotalGraph);
    if (m && !IsDisplayMode(*m)) {
        Refuse("display mode " + std::to_string(*m) + " is none of the core's DisplayModes");
        return std::nullopt;
    }
    return m;
}

// A chart of a projection: the pyramid or the total graph.
std::optional<int32_t> ProjectionChartMode(double mode) {
    const auto m = Whole(mode, "chart mode", DisplayModes::ProjectionPyramid, DisplayModes::ProjectionTotalGraph);
    return m;
}

Lines Strings(const std::vector<std::string>& lines) {
    val out = val::array();
    for (const std::string& line : lines) out.call<void>("push", line);
    return {out};
}

// A file's bytes as they are, for the page to download: a text would lose
// the CSV's byte-order mark on its way into JavaScript.
Bytes BytesOf(const std::string& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    return {val(emscripten::typed_memory_view(data.size(), bytes)).call<val>("slice")};
}

// One chart renderer of a view bound to its surface.
class WebChart {
public:
    WebChart(ViewKind kind, SurfaceObject surface)
        : chart_(kind.text == "census" ? CensusChartView : ProjectionChartView), surface_(surface.v) {
        if (kind.text != "census" && kind.text != "projection") {
            Refuse("a chart is of kind \"projection\" or \"census\", not \"" + kind.text + "\"");
            return;
        }
        if (HasMethods(surface.v, "chart surface", SurfaceMethods)) chart_.SetSurface(&surface_);
    }
    PopulationChart& Chart() { return chart_; }
    void Paint() { chart_.PaintBox1Paint(); }
    void MouseUp(bool left, double x, double y) {
        const auto px = Whole(x, "x", -MaxPixel, MaxPixel);
        const auto py = Whole(y, "y", -MaxPixel, MaxPixel);
        if (px && py) chart_.PaintBox1MouseUp(left, *px, *py);
    }
    // An arrow key: "up", "down", "left" or "right".
    void CursorKey(Word<"'up' | 'down' | 'left' | 'right'"> word) {
        using Key = PopulationChart::CursorKey;
        const std::string& key = word.text;
        if (key == "up") chart_.PaintBox1Key(Key::Up);
        else if (key == "down") chart_.PaintBox1Key(Key::Down);
        else if (key == "left") chart_.PaintBox1Key(Key::Left);
        else if (key == "right") chart_.PaintBox1Key(Key::Right);
        else Refuse("a cursor key is \"up\", \"down\", \"left\" or \"right\", not \"" + key + "\"");
    }
    void RemoveCursor() { chart_.RemoveCursor(); }
    bool Percent() const { return chart_.Percent(); }
    void SetPercent(bool on) { chart_.SetPercent(on); }
    bool Compared() const { return chart_.Comparison() != nullptr; }
    bool ShowsOutline(bool census) const { return chart_.ShowsOutline(census); }
    void ChooseBaseYearOutline() {
        if (ProjectionYearsUsable("chooseBaseYearOutline")) chart_.ChooseOutline(BaseYearComparison());
    }
    void ChooseCensusOutline(double year) {
        if (const auto y = Whole(year, "census year", 0, MaxWhole)) chart_.ChooseOutline(CensusComparison(*y));
    }
    bool ComparedWithoutMigration() const { return chart_.Comparison() && chart_.Comparison()->WithoutMigration; }
    void ChooseWithoutMigrationOutline() {
        if (ProjectionYearsUsable("chooseWithoutMigrationOutline")) chart_.ChooseOutline(WithoutMigrationComparison());
    }
    void EndComparison() { chart_.SetComparison(nullptr); }
    bool ComparedWithActual() const { return IsActualPopulationComparison(chart_.Comparison()); }
    void CompareWithActual() {
        const ChartComparison actual = ActualPopulationComparison();
        if (actual.GroupCount > 0) chart_.SetComparison(&actual);
    }
    // A playback of the projection in State, year by year from its base year.
    bool StartPlayback(double displayMode) {
        const auto mode = ProjectionChartMode(displayMode);
        if (!mode || !ProjectionYearsUsable("startPlayback")) return false;
        playback_ = std::make_unique<ProjectionPlayback>(*mode);
        if (playback_->AtEnd()) {
            playback_.reset();  // only the target year: nothing to play
            return false;
        }
        chart_.ShowInstead(&playback_->Frame());
        return true;
    }
    // On to the next year; false at the end.
    bool StepPlayback() { return playback_ && playback_->Step() && !playback_->AtEnd(); }
    void EndPlayback() {
        chart_.ShowInstead(nullptr);
        playback_.reset();
    }
    // Draws the current view on another canvas (printout, clipboard picture).
    void DrawOn(CanvasObject canvas, bool withCursor) {
        if (!IsCanvas(canvas.v)) return;
        JsCanvas target(canvas.v);
        target.SetFont(PopulationChart::FontName, PopulationChart::FontPixels, false, true);
        chart_.DrawView(target);
        if (withCursor) chart_.DrawCurrentCursor(target);
    }

private:
    PopulationChart chart_;
    WebSurface surface_;
    std::unique_ptr<ProjectionPlayback> playback_;
};

// The state fields the page reads, by their names in ModelState.
struct StateFields {
    int32_t ChartOriginY, DisplayMode, YearsToProject, ScaleStep, GroupCount, GroupSpan, SavedScrollPos,
        CursorLineX, BaseYear, TargetYear, SavedTargetYear, RetirementAge, ClickX, IntervalFrom, IntervalTo,
        NetMigration;
    bool LifetimeGraphShown, LifetimeViewActive, InputsAccepted, ExactFigures;
    double ChildrenPerFamily, TotalMale, TotalFemale, ChartUnit;
    std::string OutliveChanceText;
};

StateFields CurrentState() {
    const ModelState& s = State;
    return {s.ChartOriginY, s.DisplayMode, s.YearsToProject, s.ScaleStep, s.GroupCount, s.GroupSpan,
            s.SavedScrollPos, s.CursorLineX, s.BaseYear, s.TargetYear, s.SavedTargetYear, s.RetirementAge,
            s.ClickX, IntervalFrom, IntervalTo, s.NetMigration, s.LifetimeGraphShown, s.LifetimeViewActive,
            s.InputsAccepted, s.ExactFigures, s.ChildrenPerFamily, s.TotalMale, s.TotalFemale, s.ChartUnit,
            s.OutliveChanceText};
}

// The lifetime inputs the view keeps between its handlers.
struct LifetimeInputs {
    int32_t AgeA, AgeB, PersonCount;
    std::string SexCode;  // "m", "k", "b" or " " before one is read
    int32_t ShownPersonCount;
};

struct AgeIntervalRead {
    bool Valid = false;
    int32_t From = 0;
    int32_t To = 0;
};

struct CensusCsvFile {
    Bytes Csv;
    std::string Name;
};

struct LifetimeGridCells {
    int32_t ColCount = 0;
    int32_t FixedRows = 0;
    Js<"string[][]"> Cells;
    Lines WidthTexts;
    Lines ResultLines;
};

// What the age-group dialog may change while it lists other years: the
// whole state, put back afterwards (see ShowAgeGroups in the page).
ModelState& Saved() {
    static ModelState saved;
    return saved;
}

// "Fortsæt" and the base-year chooser span a dialog the page awaits; what
// they put back afterwards waits here.
Continuation& PendingContinuation() {
    static Continuation pending;
    return pending;
}

BaseYearChoice& PendingBaseYearChoice() {
    static BaseYearChoice pending;
    return pending;
}

FieldKeys KeysNamed(const std::string& name, bool& known) {
    known = true;
    if (name == "digits") return FieldKeys::Digits;
    if (name == "decimal") return FieldKeys::Decimal;
    if (name == "interval") return FieldKeys::Interval;
    if (name == "sex") return FieldKeys::Sex;
    if (name == "signed") return FieldKeys::Signed;
    if (name == "any") return FieldKeys::Any;
    known = false;
    return FieldKeys::Any;
}

// One typed character (a UTF-8 string of one code point) through a field's
// filter: what the field keeps, or "" when the key is dropped.
std::string Filter(std::string keys, std::string typed) {
    bool known = false;
    const FieldKeys set = KeysNamed(keys, known);
    if (!known) {
        Refuse("unknown set of keys \"" + keys + "\"");
        return {};
    }
    if (typed.size() > 4) {
        Refuse("a typed key is one character, not " + std::to_string(typed.size()) + " bytes");
        return {};
    }
    char32_t c = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(typed.data());
    const size_t n = typed.size();
    if (n == 1) c = p[0];
    else if (n == 2) c = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
    else if (n == 3) c = ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
    else if (n == 4) c = ((p[0] & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
    const char32_t kept = FilterKey(set, c);
    if (kept == 0) return {};
    if (kept == c) return typed;
    std::string out;
    if (kept < 0x80) out += static_cast<char>(kept);
    else if (kept < 0x800) out += {static_cast<char>(0xC0 | (kept >> 6)), static_cast<char>(0x80 | (kept & 0x3F))};
    else out += {static_cast<char>(0xE0 | (kept >> 12)), static_cast<char>(0x80 | ((kept >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (kept & 0x3F))};
    return out;
}

Js<"ListedYear[]"> Positions(const std::vector<ListedYear>& listed) {
    val out = val::array();
    for (const ListedYear& y : listed) out.call<void>("push", y);
    return {out};
}

// A profile the migration dialog offers, as the page lists it: its name, the
// net migration it proposes, whether it is in force, the year it was taken
// from (0 for the standard profile).
struct MigrationOffer {
    std::string Name;
    int32_t ProposedNet = 0;
    bool InForce = false;
    int32_t Year = 0;
};

// The years as the page drew them: {entry, left, top, right, bottom}, each
// entry a place in its list.
std::optional<std::vector<DrawnYear>> Drawn(const val& drawn, int32_t listed) {
    const auto n = ArrayLength(drawn, "drawn years", static_cast<size_t>(listed));
    if (!n) return std::nullopt;
    std::vector<DrawnYear> out;
    for (size_t i = 0; i < *n; ++i) {
        const val d = drawn[i];
        if (!IsObject(d)) {
            Refuse("a drawn year must be an object");
            return std::nullopt;
        }
        auto number = [&](const char* name) { return d[name].isNumber() ? d[name].as<double>() : NAN; };
        const auto entry = Whole(number("entry"), "a drawn year's entry", 1, listed);
        const auto left = Whole(number("left"), "a drawn year's left", -MaxPixel, MaxPixel);
        const auto top = Whole(number("top"), "a drawn year's top", -MaxPixel, MaxPixel);
        const auto right = Whole(number("right"), "a drawn year's right", -MaxPixel, MaxPixel);
        const auto bottom = Whole(number("bottom"), "a drawn year's bottom", -MaxPixel, MaxPixel);
        if (!entry || !left || !top || !right || !bottom) return std::nullopt;
        out.push_back({*entry, *left, *top, *right, *bottom});
    }
    return out;
}

template <typename AtClick>
int32_t YearAtClick(double x, double y, const val& drawn, int32_t listed, AtClick atClick) {
    const auto px = Whole(x, "x", -MaxPixel, MaxPixel);
    const auto py = Whole(y, "y", -MaxPixel, MaxPixel);
    const auto years = Drawn(drawn, listed);
    return px && py && years ? atClick(*px, *py, *years) : 0;
}

OnShowWord OnShowName(OnShow shown) {
    return {shown == OnShow::Table ? "table" : shown == OnShow::Chart ? "chart" : ""};
}

// A whole-number state field written by the page: the value or, refused, nothing.
void SetWhole(int32_t& field, double value, const char* what, int32_t lo, int32_t hi) {
    if (const auto v = Whole(value, what, lo, hi)) field = *v;
}

// The window commands of the core (model/*Commands.h) as the page calls
// them: what a dialog spans waits here between its opening and its closing.
using OutputViewWord = Word<"'lifetime' | 'projection' | 'census' | ''">;

struct CensusChoiceShown {
    int32_t Year = 0;
    bool Valid = false;
};

CensusChoice& PendingCensusChoice() {
    static CensusChoice pending;
    return pending;
}

CensusChoiceShown ShownCensusChoice() { return {PendingCensusChoice().Year, PendingCensusChoice().Valid}; }

AgeGroupOpening& PendingAgeGroups() {
    static AgeGroupOpening pending;
    return pending;
}

AgeGroupVisit& PendingAgeGroupVisit() {
    static AgeGroupVisit pending;
    return pending;
}

struct AgeGroupOpeningShown {
    bool ProjectionListed = false;
    std::string YearCaption;
};

struct AgeGroupLines {
    Lines Projected;
    Lines Historical;
};

struct OutputChoiceShown {
    OutputViewWord View;
    OnShowWord What;
    std::string Name;
};

OutputChoiceShown ShownChoice(const OutputChoice& choice) {
    const char* view = choice.View == OutputView::Lifetime     ? "lifetime"
                       : choice.View == OutputView::Projection ? "projection"
                       : choice.View == OutputView::Census     ? "census"
                                                               : "";
    return {{view}, OnShowName(choice.What), choice.Name};
}

std::optional<OutputView> ViewNamed(const std::string& name) {
    if (name == "lifetime") return OutputView::Lifetime;
    if (name == "projection") return OutputView::Projection;
    if (name == "census") return OutputView::Census;
    Refuse("a view is \"lifetime\", \"projection\" or \"census\", not \"" + name + "\"");
    return std::nullopt;
}

// The choice "Gem som" made last, whose table a CSV file holds.
OutputChoice& PendingSave() {
    static OutputChoice pending;
    return pending;
}

}  // namespace

EMSCRIPTEN_BINDINGS(lysvandre_core) {
    // The wrapper's two (web/core-pre.js): whether the call just made was refused, and why.
    emscripten::function("argumentRefused", +[] { return !ArgumentError().empty(); });
    emscripten::function("takeArgumentError", +[] { return std::exchange(ArgumentError(), std::string()); });
    Function("bindingDeclarations", "preamble", +[](std::string preamble) { return DeclarationsText(preamble); });
    Function("declaredNames", "", +[] {
        return Js<"{ functions: Record<string, number>; classes: Record<string, Record<string, number>>; problems: string[] }">{
            DeclaredNames()};
    });
    Function("constants", "", +[] { return Js<"Constants">{ConstantValues()}; });
    Constants("DisplayModes", {{"Nothing", DisplayModes::Nothing},
                               {"ProjectionTable", DisplayModes::ProjectionTable},
                               {"ProjectionPyramid", DisplayModes::ProjectionPyramid},
                               {"ProjectionTotalGraph", DisplayModes::ProjectionTotalGraph},
                               {"ContinuedTable", DisplayModes::ContinuedTable},
                               {"CensusTable", DisplayModes::CensusTable},
                               {"CensusPyramid", DisplayModes::CensusPyramid},
                               {"CensusTotalGraph", DisplayModes::CensusTotalGraph}});
    Constants("ActiveViews", {{"None", ActiveViews::None},
                              {"Lifetime", ActiveViews::Lifetime},
                              {"Projection", ActiveViews::Projection},
                              {"Census", ActiveViews::Census}});
    Constants("Limits", {{"LastTargetYear", LastTargetYear},
                         {"AgeGroupYears", AgeGroupYearListSize},
                         {"AgeGroupHistoricalLines", AgeGroupHistoricalLines},
                         {"MaxLifetimeAge", MaxLifetimeAge},
                         {"MaxAge", MaxAge}});

    Record<StateFields>("StateFields")
        .field("ChartOriginY", &StateFields::ChartOriginY)
        .field("DisplayMode", &StateFields::DisplayMode)
        .field("YearsToProject", &StateFields::YearsToProject)
        .field("ScaleStep", &StateFields::ScaleStep)
        .field("GroupCount", &StateFields::GroupCount)
        .field("GroupSpan", &StateFields::GroupSpan)
        .field("SavedScrollPos", &StateFields::SavedScrollPos)
        .field("CursorLineX", &StateFields::CursorLineX)
        .field("BaseYear", &StateFields::BaseYear)
        .field("TargetYear", &StateFields::TargetYear)
        .field("SavedTargetYear", &StateFields::SavedTargetYear)
        .field("RetirementAge", &StateFields::RetirementAge)
        .field("ClickX", &StateFields::ClickX)
        .field("IntervalFrom", &StateFields::IntervalFrom)
        .field("IntervalTo", &StateFields::IntervalTo)
        .field("NetMigration", &StateFields::NetMigration)
        .field("LifetimeGraphShown", &StateFields::LifetimeGraphShown)
        .field("LifetimeViewActive", &StateFields::LifetimeViewActive)
        .field("InputsAccepted", &StateFields::InputsAccepted)
        .field("ExactFigures", &StateFields::ExactFigures)
        .field("ChildrenPerFamily", &StateFields::ChildrenPerFamily)
        .field("TotalMale", &StateFields::TotalMale)
        .field("TotalFemale", &StateFields::TotalFemale)
        .field("ChartUnit", &StateFields::ChartUnit)
        .field("OutliveChanceText", &StateFields::OutliveChanceText);
    Record<LifetimeInputs>("LifetimeInputs")
        .field("ageA", &LifetimeInputs::AgeA)
        .field("ageB", &LifetimeInputs::AgeB)
        .field("personCount", &LifetimeInputs::PersonCount)
        .field("sexCode", &LifetimeInputs::SexCode)
        .field("shownPersonCount", &LifetimeInputs::ShownPersonCount);
    Record<ProjectionCommandState>("ProjectionCommandState")
        .field("projection", &ProjectionCommandState::Projection)
        .field("continue", &ProjectionCommandState::Continue)
        .field("ageGroups", &ProjectionCommandState::AgeGroups);
    Record<Continuation>("Continuation")
        .field("ask", &Continuation::Ask)
        .field("proposedYear", &Continuation::ProposedYear);
    Record<WholeNumberText>("NumberText").field("value", &WholeNumberText::Value).field("valid", &WholeNumberText::Valid);
    Record<AgeIntervalRead>("AgeIntervalRead")
        .field("valid", &AgeIntervalRead::Valid)
        .field("from", &AgeIntervalRead::From)
        .field("to", &AgeIntervalRead::To);
    Record<ProjectionInputCheck>("ProjectionInputCheck")
        .field("filled", &ProjectionInputCheck::Filled)
        .field("inputError", &ProjectionInputCheck::InputError);
    Record<NetMigrationCheck>("NetMigrationCheck")
        .field("filled", &NetMigrationCheck::Filled)
        .field("valid", &NetMigrationCheck::Valid)
        .field("value", &NetMigrationCheck::Value);
    Record<MigrationOffer>("MigrationOffer")
        .field("name", &MigrationOffer::Name)
        .field("proposedNet", &MigrationOffer::ProposedNet)
        .field("inForce", &MigrationOffer::InForce)
        .field("year", &MigrationOffer::Year);
    Record<SaveTarget>("SaveTarget")
        .field("path", &SaveTarget::Path)
        .field("type", &SaveTarget::Type)
        .field("message", &SaveTarget::Message);
    Record<StatbankImportResult>("StatbankImportResult")
        .field("ok", &StatbankImportResult::Ok)
        .field("message", &StatbankImportResult::Message);
    Record<CensusCsvFile>("CensusCsvFile").field("csv", &CensusCsvFile::Csv).field("name", &CensusCsvFile::Name);
    Record<ListedYear>("ListedYear")
        .field("entry", &ListedYear::Entry)
        .field("line", &ListedYear::Line)
        .field("column", &ListedYear::Column)
        .field("length", &ListedYear::Length);
    Record<DrawnYear>("DrawnYear")
        .field("entry", &DrawnYear::Entry)
        .field("left", &DrawnYear::Left)
        .field("top", &DrawnYear::Top)
        .field("right", &DrawnYear::Right)
        .field("bottom", &DrawnYear::Bottom);
    Record<LifetimeGridCells>("LifetimeGrid")
        .field("colCount", &LifetimeGridCells::ColCount)
        .field("fixedRows", &LifetimeGridCells::FixedRows)
        .field("cells", &LifetimeGridCells::Cells)
        .field("widthTexts", &LifetimeGridCells::WidthTexts)
        .field("resultLines", &LifetimeGridCells::ResultLines);

    // The model state: read as a whole, written field by checked field.
    Function("state", "", &CurrentState);
    Function("tableLines", "", +[] { return Strings(State.TableLines); });
    Function("printLines", "", +[] { return Strings(State.PrintLines); });
    Function("clearTableLines", "", +[] { State.TableLines.clear(); });
    Function("setBaseYear", "year", +[](double year) { SetWhole(State.BaseYear, year, "base year", 0, MaxWhole); });
    Function("setTargetYear", "year", +[](double year) { SetWhole(State.TargetYear, year, "target year", 0, MaxWhole); });
    Function("setSavedTargetYear", "year",
             +[](double year) { SetWhole(State.SavedTargetYear, year, "saved target year", 0, MaxWhole); });
    Function("setYearsToProject", "years",
             +[](double years) { SetWhole(State.YearsToProject, years, "years to project", 0, LastTargetYear); });
    Function("setDisplayMode", "mode", +[](double mode) {
        if (const auto m = DisplayMode(mode)) State.DisplayMode = *m;
    });
    Function("setCursorLineX", "x", +[](double x) { SetWhole(State.CursorLineX, x, "cursor line x", 0, MaxPixel); });
    Function("setClickX", "x", +[](double x) { SetWhole(State.ClickX, x, "click x", -MaxPixel, MaxPixel); });
    Function("setSavedScrollPos", "pos",
             +[](double pos) { SetWhole(State.SavedScrollPos, pos, "scroll position", 0, MaxWhole); });
    Function("setNetMigration", "persons", +[](double persons) {
        SetWhole(State.NetMigration, persons, "net migration", LeastNetMigration, MostNetMigration);
    });
    Function("setExactFigures", "on", +[](bool on) { State.ExactFigures = on; });
    Function("setInputsAccepted", "on", +[](bool on) { State.InputsAccepted = on; });
    Function("setLifetimeGraphShown", "on", +[](bool on) { State.LifetimeGraphShown = on; });
    Function("setLifetimeViewActive", "on", +[](bool on) { State.LifetimeViewActive = on; });
    Function("saveState", "", +[] { Saved() = State; });
    Function("restoreState", "", +[] { State = Saved(); });

    // Model and base data.
    Function("loadAllData", "", &LoadAllData);
    Function("listBaseYears", "", &ListBaseYears);
    Function("listCensusYears", "", &ListCensusYears);
    Function("yearChoices", "", +[] {
        val out = val::array();
        for (int k = 1; k <= CensusYearCount; ++k) out.call<void>("push", State.YearChoices[k]);
        return Js<"number[]">{out};
    });
    Function("hasBaseDataSet", "year", +[](double year) {
        const auto y = Whole(year, "year", -MaxWhole, MaxWhole);
        return y && HasBaseDataSet(*y);
    });
    // The year of the data set a projection from this year uses.
    Function("baseDataSetYear", "year", +[](double year) {
        const auto y = Whole(year, "year", -MaxWhole, MaxWhole);
        return y ? BaseDataSetFor(*y).Year : 0;
    });
    Function("setUpProjection", "", +[] {
        if (ProjectionYearsUsable("setUpProjection")) SetUpProjection();
    });
    Function("runProjection", "", +[] {
        if (!ProjectionYearsUsable("runProjection")) return;
        if (State.YearsToProject >= 0 && State.YearsToProject <= State.TargetYear - State.BaseYear) RunProjection();
        else Refuse("runProjection: " + std::to_string(State.YearsToProject) + " years to project from " +
                    std::to_string(State.BaseYear) + " to " + std::to_string(State.TargetYear));
    });
    // The projection in force computed again with the inputs now in the state.
    Function("rerunProjection", "", +[] {
        if (ProjectionYearsUsable("rerunProjection")) RerunProjection();
    });
    Function("groupCensus", "", +[] {
        double total = 0;
        GroupCensus(total);
        return total;
    });
    Function("computeGroupTotals", "", &ComputeGroupTotals);

    // The projection view's commands (model/ProjectionCommands.h).
    Function("projectionCommands", "", +[] { return ProjectionCommands; });
    Function("setProjectionCommandsAvailable", "available", &SetProjectionCommandsAvailable);
    Function("beginProjectionInputs", "", &BeginProjectionInputs);
    Function("acceptProjectionInputs", "", +[] {
        if (State.DisplayMode != DisplayModes::Nothing || ProjectionYearsUsable("acceptProjectionInputs"))
            AcceptProjectionInputs();
    });
    Function("cancelProjectionInputs", "", &CancelProjectionInputs);
    Function("finishProjectionInputs", "", +[] {
        return State.InputsAccepted && !ProjectionYearsUsable("finishProjectionInputs") ? false : FinishProjectionInputs();
    });
    Function("makeProjectionTable", "", &MakeProjectionTable);
    Function("makeProjectionChart", "mode", +[](double mode) {
        if (const auto m = ProjectionChartMode(mode)) MakeProjectionChart(*m);
    });
    Function("beginContinuation", "", +[] {
        PendingContinuation() = BeginContinuation();
        return PendingContinuation();
    });
    Function("finishContinuation", "", +[] {
        return State.InputsAccepted && !ProjectionYearsUsable("finishContinuation")
                   ? false
                   : FinishContinuation(PendingContinuation());
    });
    Function("beginBaseYearChoice", "", +[] { PendingBaseYearChoice() = BeginBaseYearChoice(); });
    Function("finishBaseYearChoice", "", +[] { return FinishBaseYearChoice(PendingBaseYearChoice()); });
    Function("acceptBaseYear", "year", +[](double year) {
        if (const auto y = Whole(year, "base year", 0, MaxWhole)) AcceptBaseYear(*y);
    });
    Function("cancelBaseYear", "", &CancelBaseYear);
    Function("projectionInForce", "", &ProjectionInForce);
    Function("projectionHasYearsToPlay", "", &ProjectionHasYearsToPlay);

    // Input rules.
    Function("filterKey", "keys, ch", +[](Word<"'digits' | 'decimal' | 'interval' | 'sex' | 'signed' | 'any'"> keys, std::string ch) {
        return Filter(keys.text, ch);
    });
    Function("sortsAfterBlank", "text", +[](std::string text) { return SortsAfterBlank(text); });
    Function("readWholeNumber", "text", +[](std::string text) { return ReadWholeNumber(text); });
    // The age-group dialog's interval field read into IntervalFrom and
    // IntervalTo (0..0 first; what converted stays, valid or not).
    Function("enterAgeInterval", "text", +[](std::string text) {
        IntervalFrom = 0;
        IntervalTo = 0;
        AgeIntervalRead read;
        read.Valid = ReadAgeInterval(text, IntervalFrom, IntervalTo);
        read.From = IntervalFrom;
        read.To = IntervalTo;
        return read;
    });
    Function("readLifetimeAge", "text", +[](std::string text) { return ReadLifetimeAge(text); });
    Function("ageTooHighMessage", "", +[] { return std::string(AgeTooHighMessage); });
    Function("checkProjectionInputs", "children, year, retirement",
             +[](std::string children, std::string year, std::string retirement) {
                 return CheckProjectionInputs(State, children, year, retirement);
             });
    Function("projectionInputMessage", "inputError", +[](double inputError) {
        const auto e = Whole(inputError, "input error", 0, 3);
        return e ? ProjectionInputMessage(*e, State) : std::string();
    });
    Function("projectionInputCaption", "", +[] { return std::string(ProjectionInputCaption); });
    Function("checkNetMigration", "text", +[](std::string text) { return CheckNetMigration(text); });
    Function("netMigrationMessage", "", +[] { return std::string(NetMigrationMessage); });
    Function("migrationProfileName", "", +[] { return MigrationProfileName(State.Migration); });
    // The profiles the dialog offers, and one of them put in force with the net migration.
    Function("migrationChoices", "", +[] {
        val out = val::array();
        for (const MigrationChoice& choice : MigrationChoices()) {
            out.call<void>("push", MigrationOffer{MigrationProfileName(choice.Profile), choice.ProposedNet,
                                                  choice.Profile == State.Migration, choice.Profile.Year});
        }
        return Js<"MigrationOffer[]">{out};
    });
    Function("chooseMigration", "index, netMigration", +[](double index, double net) {
        const auto i = Whole(index, "profile index", 0, MaxWhole);
        const auto n = Whole(net, "net migration", LeastNetMigration, MostNetMigration);
        if (i && n) ChooseMigration(*i, *n);
    });
    // The year the profile in force was taken from; 0 for the standard profile.
    Function("migrationProfileYear", "", +[] { return State.Migration.Year; });

    // Table texts and year lists.
    Function("buildProjectionTable", "", &BuildProjectionTable);
    Function("buildCensusTable", "", &BuildCensusTable);
    Function("addActualPopulationLine", "", +[] { AddActualPopulationLine(State.TableLines); });
    Function("hasActualPopulation", "year", +[](double year) {
        const auto y = Whole(year, "year", -MaxWhole, MaxWhole);
        return y && HasActualPopulation(*y);
    });
    Function("modelTextLines", "decimalSeparator", +[](Word<"',' | '.'"> word) {
        const std::string& separator = word.text;
        if (separator != "," && separator != ".") {
            Refuse("the decimal separator is \",\" or \".\", not \"" + separator + "\"");
            return Strings({});
        }
        return Strings(ModelTextLines(separator));
    });
    // One of the three historical tables into TableLines.
    Function("setHistoricalTable", "which", +[](Word<"'lifeExpectancy' | 'mortality' | 'fertility'"> table) {
        const std::string& which = table.text;
        if (which == "lifeExpectancy") State.TableLines = LifeExpectancyLines();
        else if (which == "mortality") State.TableLines = MortalityLines();
        else if (which == "fertility") State.TableLines = FertilityLines();
        else Refuse("the historical tables are \"lifeExpectancy\", \"mortality\" and \"fertility\", not \"" + which + "\"");
    });
    Function("baseYearListLines", "", +[] { return Strings(BaseYearListLines()); });
    Function("censusYearListLines", "", +[] { return Strings(CensusYearListLines()); });
    Function("baseYearPositions", "", +[] { return Positions(BaseYearPositions()); });
    Function("censusYearPositions", "", +[] { return Positions(CensusYearPositions()); });
    Function("baseYearAtClick", "x, y, drawn, scrolled", +[](double x, double y, Js<"DrawnYear[]"> drawn, bool scrolled) {
        const auto listed = static_cast<int32_t>(ProjectionBaseYears().size());
        return YearAtClick(x, y, drawn.v, listed, [scrolled](int32_t px, int32_t py, const std::vector<DrawnYear>& years) {
            return BaseYearAtClick(px, py, years, scrolled);
        });
    });
    // The base year of the list's entry (from 1); 0 past the list.
    Function("listedBaseYear", "entry", +[](double entry) {
        const auto e = Whole(entry, "entry", -MaxWhole, MaxWhole);
        return e ? ListedBaseYear(*e) : 0;
    });
    Function("censusYearAtClick", "x, y, drawn", +[](double x, double y, Js<"DrawnYear[]"> drawn) {
        return YearAtClick(x, y, drawn.v, CensusYearCount, &CensusYearAtClick);
    });
    // What copying a view acts on: "table", "chart" or "" for nothing.
    Function("populationViewOnShow", "kind, tableShown", +[](ViewKind kind, bool tableShown) {
        if (kind.text != "census" && kind.text != "projection") {
            Refuse("a view is \"projection\" or \"census\", not \"" + kind.text + "\"");
            return OnShowWord{};
        }
        return OnShowName(PopulationViewOnShow(kind.text == "census" ? CensusChartView : ProjectionChartView, tableShown));
    });
    Function("lifetimeViewOnShow", "gridShown", +[](bool gridShown) { return OnShowName(LifetimeViewOnShow(gridShown)); });

    // The age-group dialog.
    Function("censusIntervalLines", "", +[] { return AgeIntervalUsable() ? Strings(CensusIntervalLines()) : Strings({}); });
    // Each year projected afresh from the base year: from it up to the last
    // target year (the target year in the state may be one typed and not listed).
    Function("projectedIntervalLines", "years", +[](Js<"number[]"> years) {
        if (!AgeIntervalUsable()) return Strings({});
        const auto list = Wholes(years.v, "target years", AgeGroupYearListSize, State.BaseYear, LastTargetYear);
        return list ? Strings(ProjectedIntervalLines(*list)) : Strings({});
    });
    Function("ageGroupPrintLines", "interval, projected, historical, historicalLineCount",
             +[](std::string interval, Lines projected, Lines historical, double historicalLineCount) {
                 const auto p = Texts(projected.v, "projected lines", MaxLines);
                 const auto h = Texts(historical.v, "historical lines", MaxLines);
                 const auto count = Whole(historicalLineCount, "historical line count", 0, AgeGroupHistoricalLines);
                 return p && h && count ? Strings(AgeGroupPrintLines(interval, *p, *h, *count)) : Strings({});
             });
    Function("ageGroupCopyLines", "projected, historical", +[](Lines projected, Lines historical) {
        const auto p = Texts(projected.v, "projected lines", MaxLines);
        const auto h = Texts(historical.v, "historical lines", MaxLines);
        return p && h ? Strings(AgeGroupCopyLines(*p, *h)) : Strings({});
    });

    // Lifetime.
    Function("lifetimeInputs", "", +[] {
        return LifetimeInputs{Lifetime.AgeA, Lifetime.AgeB, Lifetime.PersonCount,
                              std::string(1, Lifetime.SexCode ? Lifetime.SexCode : ' '), Lifetime.Shown.PersonCount};
    });
    // Person 1 (A) or 2 (B); an age above MaxLifetimeAge stands for one refused.
    Function("setLifetimeAge", "person, age", +[](double person, double age) {
        const auto p = Whole(person, "person", 1, 2);
        const auto a = Whole(age, "age", 0, MaxAge);
        if (p && a) (*p == 1 ? Lifetime.AgeA : Lifetime.AgeB) = *a;
    });
    Function("setLifetimePersonCount", "count",
             +[](double count) { SetWhole(Lifetime.PersonCount, count, "person count", 1, 2); });
    Function("readLifetimeSexes", "sexA, sexB",
             +[](std::string sexA, std::string sexB) { ReadLifetimeSexes(Lifetime, sexA, sexB); });
    Function("lifetimeInputsValid", "", +[] { return LifetimeInputsValid(Lifetime); });
    Function("computeLifetimeResults", "", &ComputeLifetimeResults);
    Function("buildLifetimeTable", "", &BuildLifetimeTable);
    // The grid, its header rows and the result lines of the results computed last.
    Function("lifetimeGrid", "", +[] {
        const LifetimeTable table = MakeLifetimeTable();
        val rows = val::array();
        for (const auto& row : table.Cells) rows.call<void>("push", Strings(row).v);
        return LifetimeGridCells{table.ColCount, table.FixedRows, {rows}, Strings(table.ColumnWidthTexts),
                                 Strings({table.ResultLines[0], table.ResultLines[1], table.ResultLines[2]})};
    });
    Function("shownResultLines", "", +[] {
        const LifetimeState::Result& shown = Lifetime.Shown;
        return Strings({shown.LineA, shown.PersonCount == 2 ? shown.LineB : " ",
                        shown.PersonCount == 2 ? shown.LineOutlive : " "});
    });
    Function("drawLifetimeGraph", "canvas, kind, width, height",
             +[](CanvasObject canvas, Word<"'screen' | 'picture' | 'printer'"> word, double width, double height) {
                 const std::string& kind = word.text;
                 const auto w = Whole(width, "width", 0, MaxPixel);
                 const auto h = Whole(height, "height", 0, MaxPixel);
                 if (kind != "screen" && kind != "picture" && kind != "printer")
                     Refuse("a lifetime graph is drawn for \"screen\", \"picture\" or \"printer\", not \"" + kind + "\"");
                 else if (w && h && IsCanvas(canvas.v)) {
                     JsCanvas target(canvas.v);
                     DrawLifetimeGraph(target,
                                       kind == "printer"   ? LifetimeCanvas::Printer
                                       : kind == "picture" ? LifetimeCanvas::Picture
                                                           : LifetimeCanvas::Screen,
                                       *w, *h);
                 }
             });
    Function("drawLifetimeCursor", "canvas, viewHeight", +[](CanvasObject canvas, double viewHeight) {
        const auto h = Whole(viewHeight, "view height", 0, MaxPixel);
        if (h && IsCanvas(canvas.v)) {
            JsCanvas target(canvas.v);
            DrawLifetimeCursor(target, *h);
        }
    });
    // One step of the cursor: -1 to the left, 1 to the right.
    Function("lifetimeCursorXAfterStep", "step", +[](double step) {
        if (step != -1 && step != 1) {
            Refuse("a cursor step is -1 or 1, not " + NumberText(step));
            return State.ClickX;
        }
        return LifetimeCursorXAfterStep(static_cast<int32_t>(step));
    });

    // Printouts, copies and saved files.
    Function("headingIsUsed", "heading", +[](std::string heading) { return HeadingIsUsed(heading); });
    Function("headedLines", "heading, lines", +[](std::string heading, Lines lines) {
        const auto l = Texts(lines.v, "lines", MaxLines);
        return l ? Strings(HeadedLines(heading, *l)) : Strings({});
    });
    Function("linesAsText", "lines", +[](Lines lines) {
        const auto l = Texts(lines.v, "lines", MaxLines);
        return l ? LinesAsText(*l) : std::string();
    });
    Function("saveFileTypes", "table", +[](bool table) { return Strings(SaveFileTypesFor(table)); });
    Function("resolveSaveTarget", "path, chosenType, table", +[](std::string path, std::string chosenType, bool table) {
        return ResolveSaveTarget(path, chosenType, table);
    });
    // CSV files as their bytes (a byte-order mark first).
    Function("projectionCsv", "", +[] { return BytesOf(ProjectionCsv()); });
    Function("lifetimeCsv", "", +[] { return BytesOf(LifetimeCsv()); });
    // The census view's table as CSV, with the name a saved file gets.
    Function("censusTableCsv", "", +[] {
        const CsvTable table = CensusViewCsv();
        return CensusCsvFile{BytesOf(table.Csv), table.Name};
    });

    // Statistikbanken's files: bytes in, the message out; what to remember as text.
    Function("importStatbankFile", "bytes", +[](Js<"Uint8Array"> bytes) {
        if (!bytes.v.instanceof(val::global("Uint8Array"))) {
            Refuse("a file's bytes come as a Uint8Array");
            return StatbankImportResult{};
        }
        // Copied in one piece into a string, which is cleared with memset: a
        // vector of bytes in this size-optimised file is made a byte at a time.
        std::string data(bytes.v["length"].as<size_t>(), '\0');
        val(emscripten::typed_memory_view(data.size(), reinterpret_cast<uint8_t*>(data.data()))).call<void>("set", bytes.v);
        return ImportStatbankFile(data);
    });
    // The browser compiles the reader when it is first used, and compiles it
    // well only after that; the page has a small table of the binding's own
    // read as it starts, so that the first file a pupil opens reads as fast
    // as the next.
    // Nothing is imported.
    Function("warmStatbankReader", "", +[] {
        std::string text = " , , ,I alt,Mænd,Kvinder\nHele landet,,,,,\n";
        for (int year = 2015; year <= 2025; ++year) {
            text += " ," + std::to_string(year) + ",,,,\n";
            for (int age = 0; age <= 125; ++age) text += " , ," + std::to_string(age) + " år,2,1,1\n";
        }
        return ReadStatbankFile(text).Error.empty();
    });
    Function("forgetStatbankImports", "", &ForgetStatbankImports);
    Function("hasStatbankImports", "", +[] { return !ImportedTables.empty(); });
    Function("statbankImportsText", "", &StatbankImportsText);
    Function("restoreStatbankImports", "text", +[](std::string text) { RestoreStatbankImports(text); });
    Function("startFromNewestImport", "", &StartFromNewestImport);

    // The census view and its year chooser (model/CensusCommands.h).
    Record<CensusCommandState>("CensusCommandState")
        .field("census", &CensusCommandState::Census)
        .field("print", &CensusCommandState::Print);
    Record<CensusChoiceShown>("CensusChoice")
        .field("year", &CensusChoiceShown::Year)
        .field("valid", &CensusChoiceShown::Valid);
    Function("censusCommands", "", +[] { return CensusCommands; });
    Function("beginCensusChoice", "", +[] {
        PendingCensusChoice() = BeginCensusChoice();
        return ShownCensusChoice();
    });
    Function("censusYearTyped", "text", +[](std::string text) {
        CensusYearTyped(PendingCensusChoice(), text);
        return ShownCensusChoice();
    });
    Function("acceptCensusYear", "", +[] { AcceptCensusYear(PendingCensusChoice()); });
    Function("cancelCensusYear", "", +[] { CancelCensusYear(PendingCensusChoice()); });
    Function("beginCensusInput", "", &BeginCensusInput);
    Function("finishCensusInput", "accepted", &FinishCensusInput);
    Function("resetCensusCommands", "", &ResetCensusCommands);
    Function("makeCensusTable", "", &MakeCensusTable);
    Function("makeCensusChart", "mode", +[](double mode) {
        if (const auto m = Whole(mode, "chart mode", DisplayModes::CensusPyramid, DisplayModes::CensusTotalGraph))
            MakeCensusChart(*m);
    });
    Function("makeHistoricalTable", "which", +[](Word<"'lifeExpectancy' | 'mortality' | 'fertility'"> which) {
        if (which.text == "lifeExpectancy") MakeHistoricalTable(HistoricalTable::LifeExpectancy);
        else if (which.text == "mortality") MakeHistoricalTable(HistoricalTable::Mortality);
        else if (which.text == "fertility") MakeHistoricalTable(HistoricalTable::Fertility);
        else Refuse("a historical table is \"lifeExpectancy\", \"mortality\" or \"fertility\", not \"" + which.text + "\"");
    });

    // The lifetime view (model/LifetimeCommands.h).
    Record<LifetimeCommandState>("LifetimeCommandState")
        .field("results", &LifetimeCommandState::Results)
        .field("print", &LifetimeCommandState::Print);
    Function("lifetimeCommands", "", +[] { return LifetimeCommands; });
    Function("clearLifetimeResults", "", &ClearLifetimeResults);
    Function("startLifetimePersons", "count", +[](double count) {
        if (const auto n = Whole(count, "person count", 1, 2)) StartLifetimePersons(*n);
    });
    Function("lifetimeInputChanged", "", &LifetimeInputChanged);
    // Person 1 (A) or 2 (B) from its field's text; false: refused, say so.
    Function("storeLifetimeAge", "person, text", +[](double person, std::string text) {
        const auto p = Whole(person, "person", 1, 2);
        return !p || StoreLifetimeAge(text, *p == 1 ? Lifetime.AgeA : Lifetime.AgeB);
    });
    Function("acceptLifetimeInputs", "sexA, sexB", +[](std::string sexA, std::string sexB) {
        const LifetimeShow next = AcceptLifetimeInputs(sexA, sexB);
        return Word<"'table' | 'graph' | ''">{next == LifetimeShow::Table   ? "table"
                                              : next == LifetimeShow::Graph ? "graph"
                                                                            : ""};
    });
    // The table's grid, or one without cells when nothing can be computed.
    Function("makeLifetimeTableView", "", +[] {
        LifetimeTable table;
        if (!MakeLifetimeTableView(table)) table = LifetimeTable();
        val rows = val::array();
        for (const auto& row : table.Cells) rows.call<void>("push", Strings(row).v);
        return LifetimeGridCells{table.ColCount, table.FixedRows, {rows}, Strings(table.ColumnWidthTexts),
                                 Strings({table.ResultLines[0], table.ResultLines[1], table.ResultLines[2]})};
    });
    Function("makeLifetimeGraphView", "", &MakeLifetimeGraphView);
    Function("shownLifetimeResultLines", "", +[] {
        const std::array<std::string, 3> lines = ShownLifetimeResultLines();
        return Strings({lines[0], lines[1], lines[2]});
    });
    Function("clickLifetimeCursor", "canvas, left, x, viewHeight",
             +[](CanvasObject canvas, bool left, double x, double viewHeight) {
                 const auto px = Whole(x, "x", -MaxPixel, MaxPixel);
                 const auto h = Whole(viewHeight, "view height", 0, MaxPixel);
                 if (px && h && IsCanvas(canvas.v)) {
                     JsCanvas target(canvas.v);
                     ClickLifetimeCursor(target, left, *px, *h);
                 }
             });
    Function("stepLifetimeCursor", "canvas, step, viewHeight", +[](CanvasObject canvas, double step, double viewHeight) {
        const auto h = Whole(viewHeight, "view height", 0, MaxPixel);
        if (step != -1 && step != 1) Refuse("a cursor step is -1 or 1, not " + NumberText(step));
        else if (h && IsCanvas(canvas.v)) {
            JsCanvas target(canvas.v);
            StepLifetimeCursor(target, static_cast<int32_t>(step), *h);
        }
    });

    // The age-group dialog (model/AgeGroupCommands.h).
    Record<AgeGroupOpeningShown>("AgeGroupOpening")
        .field("projectionListed", &AgeGroupOpeningShown::ProjectionListed)
        .field("yearCaption", &AgeGroupOpeningShown::YearCaption);
    Record<AgeGroupLines>("AgeGroupLines")
        .field("projected", &AgeGroupLines::Projected)
        .field("historical", &AgeGroupLines::Historical);
    Function("beginAgeGroupVisit", "", +[] { PendingAgeGroupVisit() = BeginAgeGroupVisit(); });
    Function("endAgeGroupVisit", "", +[] { EndAgeGroupVisit(PendingAgeGroupVisit()); });
    Function("openAgeGroups", "", +[] {
        PendingAgeGroups() = OpenAgeGroups();
        return AgeGroupOpeningShown{PendingAgeGroups().ProjectionListed, PendingAgeGroups().YearCaption};
    });
    Function("startAgeGroupYears", "", +[] { StartAgeGroupYears(PendingAgeGroups()); });
    Function("readAgeGroupInterval", "text", +[](std::string text) { return ReadAgeGroupInterval(text); });
    Function("ageGroupYearTyped", "text", +[](std::string text) { return AgeGroupYearTyped(text); });
    Function("clearAgeGroupYears", "", &ClearAgeGroupYears);
    Function("makeAgeGroupResult", "", +[] {
        if (!AgeIntervalUsable()) return AgeGroupLines{Strings({}), Strings({})};
        const AgeGroupResult result = MakeAgeGroupResult(PendingAgeGroups());
        return AgeGroupLines{Strings(result.Projected), Strings(result.Historical)};
    });
    Function("ageGroupPrintout", "heading, interval, projected, historical",
             +[](std::string heading, std::string interval, Lines projected, Lines historical) {
                 const auto p = Texts(projected.v, "projected lines", MaxLines);
                 const auto h = Texts(historical.v, "historical lines", MaxLines);
                 if (!p || !h) return Strings({});
                 PrepareAgeGroupPrintout(heading, interval, *p, *h);
                 return Strings(State.PrintLines);
             });
    Function("ageGroupCopiedLines", "heading, projected, historical",
             +[](std::string heading, Lines projected, Lines historical) {
                 const auto p = Texts(projected.v, "projected lines", MaxLines);
                 const auto h = Texts(historical.v, "historical lines", MaxLines);
                 return p && h ? Strings(AgeGroupCopiedLines(heading, *p, *h)) : Strings({});
             });

    // What printing, copying and saving act on (model/OutputCommands.h).
    Record<ViewsShown>("ViewsShown")
        .field("lifetimeFront", &ViewsShown::LifetimeFront)
        .field("lifetimeGrid", &ViewsShown::LifetimeGrid)
        .field("projection", &ViewsShown::Projection)
        .field("projectionTable", &ViewsShown::ProjectionTable)
        .field("census", &ViewsShown::Census)
        .field("censusTable", &ViewsShown::CensusTable);
    Record<OutputChoiceShown>("OutputChoice")
        .field("view", &OutputChoiceShown::View)
        .field("what", &OutputChoiceShown::What)
        .field("name", &OutputChoiceShown::Name);
    Function("printedBy", "view, tableShown", +[](Word<"'lifetime' | 'projection' | 'census'"> view, bool tableShown) {
        const auto v = ViewNamed(view.text);
        return ShownChoice(v ? PrintedBy(*v, tableShown) : OutputChoice());
    });
    Function("copiedBy", "view, tableShown", +[](Word<"'lifetime' | 'projection' | 'census'"> view, bool tableShown) {
        const auto v = ViewNamed(view.text);
        return ShownChoice(v ? CopiedBy(*v, tableShown) : OutputChoice());
    });
    Function("printChoice", "shown", +[](ViewsShown shown) { return ShownChoice(PrintChoice(shown)); });
    Function("copyChoice", "activeView, shown", +[](double activeView, ViewsShown shown) {
        const auto a = Whole(activeView, "active view", ActiveViews::None, ActiveViews::Census);
        return ShownChoice(a ? CopyChoice(*a, shown) : OutputChoice());
    });
    Function("saveChoice", "shown", +[](ViewsShown shown) {
        PendingSave() = SaveChoice(shown);
        return ShownChoice(PendingSave());
    });
    // The figures of the table the last saveChoice chose, as the file's bytes.
    Function("savedTableCsv", "", +[] { return BytesOf(SavedTableCsv(PendingSave())); });
    Function("headedTableLines", "heading", +[](std::string heading) { return Strings(HeadedTableLines(heading)); });
    Function("offeredSaveType", "table", &OfferedSaveType);
    Function("chooseSaveType", "table, chosen", +[](bool table, std::string chosen) { return ChooseSaveType(table, chosen); });
    Function("activateHeadingDialog", "field", +[](std::string field) { ActivateHeadingDialog(field); });
    Function("acceptHeading", "field", +[](std::string field) {
        AcceptHeading(field);
        return Heading.HeadingText;
    });
    Function("cancelHeading", "", +[] {
        CancelHeading();
        return Heading.HeadingText;
    });

    // The Ekstra menu (model/ExtraCommands.h).
    Record<MenuItemState>("MenuItemState")
        .field("enabled", &MenuItemState::Enabled)
        .field("checked", &MenuItemState::Checked)
        .field("visible", &MenuItemState::Visible)
        .field("caption", &MenuItemState::Caption);
    Record<ExtraMenuState>("ExtraMenuState")
        .field("Afspilprognose1", &ExtraMenuState::Afspilprognose1)
        .field("Sammenlign1", &ExtraMenuState::Sammenlign1)
        .field("Sammenlignfolketlling1", &ExtraMenuState::Sammenlignfolketlling1)
        .field("Sammenlignudenindvandring1", &ExtraMenuState::Sammenlignudenindvandring1)
        .field("Sammenlignfaktisk1", &ExtraMenuState::Sammenlignfaktisk1)
        .field("Visiprocent1", &ExtraMenuState::Visiprocent1)
        .field("Gemsom1", &ExtraMenuState::Gemsom1)
        .field("Kopierlink1", &ExtraMenuState::Kopierlink1)
        .field("Glemindlstetal1", &ExtraMenuState::Glemindlstetal1);
    Function("extraMenu", "shown, projection, census", +[](ViewsShown shown, WebChart& projection, WebChart& census) {
        return ExtraMenu(shown, projection.Chart(), census.Chart());
    });
    Function("beginCensusOutline", "chart", +[](WebChart& chart) {
        return BeginCensusOutline(chart.Chart(), Saved());
    });
    Function("finishCensusOutline", "chart, chosen, year", +[](WebChart& chart, bool chosen, double year) {
        const auto y = Whole(year, "census year", 0, MaxWhole);
        FinishCensusOutline(chart.Chart(), Saved(), chosen && y, y ? *y : 0);
    });
    Function("canPlayProjection", "shown", +[](ViewsShown shown) { return CanPlayProjection(shown); });
    Function("playbackMode", "", &PlaybackMode);
    Function("canCompareWithActual", "shown", +[](ViewsShown shown) { return CanCompareWithActual(shown); });
    Function("projectAgain", "projectionShown", +[](bool projectionShown) {
        return State.InputsAccepted && !ProjectionYearsUsable("projectAgain") ? DisplayModes::Nothing
                                                                              : ProjectAgain(projectionShown);
    });
    Function("startNewestImportProjection", "", &StartNewestImportProjection);
    Function("forgetImportedProjection", "", &ForgetImportedProjection);

    Class<WebChart>("Chart")
        .constructor<ViewKind, SurfaceObject>("kind, surface")
        .method("paint", "", &WebChart::Paint)
        .method("mouseUp", "left, x, y", &WebChart::MouseUp)
        .method("cursorKey", "key", &WebChart::CursorKey)
        .method("removeCursor", "", &WebChart::RemoveCursor)
        .method("drawOn", "canvas, withCursor", &WebChart::DrawOn)
        .method("percent", "", &WebChart::Percent)
        .method("setPercent", "on", &WebChart::SetPercent)
        .method("compared", "", &WebChart::Compared)
        .method("showsOutline", "census", &WebChart::ShowsOutline)
        .method("chooseBaseYearOutline", "", &WebChart::ChooseBaseYearOutline)
        .method("chooseCensusOutline", "year", &WebChart::ChooseCensusOutline)
        .method("comparedWithoutMigration", "", &WebChart::ComparedWithoutMigration)
        .method("chooseWithoutMigrationOutline", "", &WebChart::ChooseWithoutMigrationOutline)
        .method("endComparison", "", &WebChart::EndComparison)
        .method("comparedWithActual", "", &WebChart::ComparedWithActual)
        .method("compareWithActual", "", &WebChart::CompareWithActual)
        .method("startPlayback", "displayMode", &WebChart::StartPlayback)
        .method("stepPlayback", "", &WebChart::StepPlayback)
        .method("endPlayback", "", &WebChart::EndPlayback);
}
