// The program core as the web page sees it: model operations, state fields
// by name, the input rules, the table texts, and the chart renderers drawing
// on canvas objects the page supplies. Every text, rule and picture comes
// from the core; the one window step below that the core does not offer (a
// census table's CSV with its file name) repeats the desktop window's own.
#include "AgeInterval.h"
#include "Canvas.h"
#include "HistoricalTables.h"
#include "InputRules.h"
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "LifetimeTable.h"
#include "Lys_erkl.h"
#include "PopulationChart.h"
#include "PrintLayout.h"
#include "ProjectionCommands.h"
#include "ProjectionPlayback.h"
#include "StatbankImports.h"
#include "TableExport.h"
#include "TextInput.h"
#include "ViewTables.h"
#include "YearLists.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using emscripten::val;

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

// One chart renderer of a view bound to its surface.
class WebChart {
public:
    WebChart(const std::string& kind, val surface)
        : chart_(kind == "census" ? CensusChartView : ProjectionChartView), surface_(std::move(surface)) {
        chart_.SetSurface(&surface_);
    }
    void Paint() { chart_.PaintBox1Paint(); }
    void MouseUp(bool left, int32_t x, int32_t y) { chart_.PaintBox1MouseUp(left, x, y); }
    // An arrow key: "up", "down", "left" or "right"; anything else does nothing.
    void CursorKey(const std::string& key) {
        using Key = PopulationChart::CursorKey;
        if (key == "up") chart_.PaintBox1Key(Key::Up);
        else if (key == "down") chart_.PaintBox1Key(Key::Down);
        else if (key == "left") chart_.PaintBox1Key(Key::Left);
        else if (key == "right") chart_.PaintBox1Key(Key::Right);
    }
    void RemoveCursor() { chart_.RemoveCursor(); }
    bool Percent() const { return chart_.Percent(); }
    void SetPercent(bool on) { chart_.SetPercent(on); }
    bool Compared() const { return chart_.Comparison() != nullptr; }
    bool ShowsOutline(bool census) const { return chart_.ShowsOutline(census); }
    void ChooseBaseYearOutline() { chart_.ChooseOutline(BaseYearComparison()); }
    void ChooseCensusOutline(int32_t year) { chart_.ChooseOutline(CensusComparison(year)); }
    bool ComparedWithoutMigration() const { return chart_.Comparison() && chart_.Comparison()->WithoutMigration; }
    void ChooseWithoutMigrationOutline() { chart_.ChooseOutline(WithoutMigrationComparison()); }
    void EndComparison() { chart_.SetComparison(nullptr); }
    bool ComparedWithActual() const { return IsActualPopulationComparison(chart_.Comparison()); }
    void CompareWithActual() {
        const ChartComparison actual = ActualPopulationComparison();
        if (actual.GroupCount > 0) chart_.SetComparison(&actual);
    }
    // A playback of the projection in State, year by year from its base year.
    bool StartPlayback(int32_t displayMode) {
        playback_ = std::make_unique<ProjectionPlayback>(displayMode);
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
    void DrawOn(val canvas, bool withCursor) {
        JsCanvas target(std::move(canvas));
        target.SetFont(PopulationChart::FontName, PopulationChart::FontPixels, false, true);
        chart_.DrawView(target);
        if (withCursor) chart_.DrawCurrentCursor(target);
    }

private:
    PopulationChart chart_;
    WebSurface surface_;
    std::unique_ptr<ProjectionPlayback> playback_;
};

val Strings(const std::vector<std::string>& lines) {
    val out = val::array();
    for (const std::string& line : lines) out.call<void>("push", line);
    return out;
}

std::vector<std::string> StringsFrom(const val& array) {
    std::vector<std::string> out;
    const auto n = array["length"].as<unsigned>();
    for (unsigned i = 0; i < n; ++i) out.push_back(array[i].as<std::string>());
    return out;
}

// State fields the page reads and writes, by their names in ModelState.
const std::map<std::string, int32_t*>& IntFields() {
    static const std::map<std::string, int32_t*> fields = {
        {"ChartOriginY", &State.ChartOriginY}, {"DisplayMode", &State.DisplayMode},
        {"YearsToProject", &State.YearsToProject}, {"ScaleStep", &State.ScaleStep},
        {"GroupCount", &State.GroupCount}, {"GroupSpan", &State.GroupSpan},
        {"SavedScrollPos", &State.SavedScrollPos}, {"CursorLineX", &State.CursorLineX},
        {"BaseYear", &State.BaseYear}, {"TargetYear", &State.TargetYear},
        {"SavedTargetYear", &State.SavedTargetYear}, {"RetirementAge", &State.RetirementAge},
        {"ClickX", &State.ClickX}, {"IntervalFrom", &IntervalFrom}, {"IntervalTo", &IntervalTo},
        {"NetMigration", &State.NetMigration},
    };
    return fields;
}

const std::map<std::string, bool*>& BoolFields() {
    static const std::map<std::string, bool*> fields = {
        {"LifetimeGraphShown", &State.LifetimeGraphShown}, {"LifetimeViewActive", &State.LifetimeViewActive},
        {"InputsAccepted", &State.InputsAccepted}, {"ExactFigures", &State.ExactFigures},
    };
    return fields;
}

const std::map<std::string, double*>& DoubleFields() {
    static const std::map<std::string, double*> fields = {
        {"ChildrenPerFamily", &State.ChildrenPerFamily}, {"TotalMale", &State.TotalMale},
        {"TotalFemale", &State.TotalFemale}, {"ChartUnit", &State.ChartUnit},
    };
    return fields;
}

template <typename T>
T* Field(const std::map<std::string, T*>& fields, const std::string& name) {
    const auto it = fields.find(name);
    if (it == fields.end()) throw std::invalid_argument("unknown state field " + name);
    return it->second;
}

val GetField(const std::string& name) {
    if (IntFields().count(name)) return val(*Field(IntFields(), name));
    if (BoolFields().count(name)) return val(*Field(BoolFields(), name));
    if (DoubleFields().count(name)) return val(*Field(DoubleFields(), name));
    if (name == "TableLines") return Strings(State.TableLines);
    if (name == "PrintLines") return Strings(State.PrintLines);
    if (name == "OutliveChanceText") return val(State.OutliveChanceText);
    return val::undefined();
}

// Numbers from the page arrive as JavaScript numbers; whole-number fields
// take them as the core's own conversions would store them.
void SetField(const std::string& name, const val& value) {
    if (IntFields().count(name)) *Field(IntFields(), name) = value.as<int32_t>();
    else if (BoolFields().count(name)) *Field(BoolFields(), name) = value.as<bool>();
    else if (DoubleFields().count(name)) *Field(DoubleFields(), name) = value.as<double>();
    else if (name == "TableLines") State.TableLines = StringsFrom(value);
    else if (name == "PrintLines") State.PrintLines = StringsFrom(value);
    else throw std::invalid_argument("unknown state field " + name);
}

// What the age-group dialog may change while it lists other years: the
// whole state, put back afterwards (see ShowAgeGroups in the page).
ModelState& Saved() {
    static ModelState saved;
    return saved;
}

val YearChoices() {
    val out = val::array();
    for (int k = 1; k <= CensusYearCount; ++k) out.call<void>("push", State.YearChoices[k]);
    return out;
}

val WholeNumber(const std::string& text) {
    const WholeNumberText n = ReadWholeNumber(text);
    val out = val::object();
    out.set("value", n.Value);
    out.set("valid", n.Valid);
    return out;
}

val AgeIntervalText(const std::string& text) {
    int32_t from = IntervalFrom, to = IntervalTo;
    const bool ok = ReadAgeInterval(text, from, to);
    val out = val::object();
    out.set("valid", ok);
    out.set("from", from);
    out.set("to", to);
    return out;
}

double GroupCensusTotal() {
    double total = 0;
    GroupCensus(total);
    return total;
}

val HistoricalTable(const std::string& which) {
    if (which == "lifeExpectancy") return Strings(LifeExpectancyLines());
    if (which == "mortality") return Strings(MortalityLines());
    return Strings(FertilityLines());
}

FieldKeys KeysNamed(const std::string& name) {
    if (name == "digits") return FieldKeys::Digits;
    if (name == "decimal") return FieldKeys::Decimal;
    if (name == "interval") return FieldKeys::Interval;
    if (name == "sex") return FieldKeys::Sex;
    if (name == "signed") return FieldKeys::Signed;
    return FieldKeys::Any;
}

// One typed character (a UTF-8 string of one code point) through a field's
// filter: what the field keeps, or "" when the key is dropped.
std::string Filter(const std::string& keys, const std::string& typed) {
    char32_t c = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(typed.data());
    const size_t n = typed.size();
    if (n == 1) c = p[0];
    else if (n == 2) c = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
    else if (n == 3) c = ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
    else if (n == 4) c = ((p[0] & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
    const char32_t kept = FilterKey(KeysNamed(keys), c);
    if (kept == 0) return {};
    if (kept == c) return typed;
    std::string out;
    if (kept < 0x80) out += static_cast<char>(kept);
    else if (kept < 0x800) out += {static_cast<char>(0xC0 | (kept >> 6)), static_cast<char>(0x80 | (kept & 0x3F))};
    else out += {static_cast<char>(0xE0 | (kept >> 12)), static_cast<char>(0x80 | ((kept >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (kept & 0x3F))};
    return out;
}

val CheckProjection(const std::string& children, const std::string& year, const std::string& retirement) {
    const ProjectionInputCheck check = CheckProjectionInputs(State, children, year, retirement);
    val out = val::object();
    out.set("filled", check.Filled);
    out.set("inputError", check.InputError);
    return out;
}

val NetMigrationField(const std::string& text) {
    const NetMigrationCheck check = CheckNetMigration(text);
    val out = val::object();
    out.set("filled", check.Filled);
    out.set("valid", check.Valid);
    out.set("value", check.Value);
    return out;
}

std::string ProjectionMessage(int32_t inputError) { return ProjectionInputMessage(inputError, State); }
std::string ProjectionCaption() { return ProjectionInputCaption; }
std::string AgeTooHigh() { return AgeTooHighMessage; }

val Positions(const std::vector<ListedYear>& listed) {
    val out = val::array();
    for (const ListedYear& y : listed) {
        val p = val::object();
        p.set("entry", y.Entry);
        p.set("line", y.Line);
        p.set("column", y.Column);
        p.set("length", y.Length);
        out.call<void>("push", p);
    }
    return out;
}

// The years as the page drew them: {entry, left, top, right, bottom}.
std::vector<DrawnYear> Drawn(const val& drawn) {
    std::vector<DrawnYear> out;
    const auto n = drawn["length"].as<unsigned>();
    for (unsigned i = 0; i < n; ++i) {
        const val d = drawn[i];
        out.push_back({d["entry"].as<int32_t>(), d["left"].as<int32_t>(), d["top"].as<int32_t>(),
                       d["right"].as<int32_t>(), d["bottom"].as<int32_t>()});
    }
    return out;
}

// A file's bytes as they are, for the page to download: a text would lose
// the CSV's byte-order mark on its way into JavaScript.
val Bytes(const std::string& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    return val(emscripten::typed_memory_view(data.size(), bytes)).call<val>("slice");
}

// The census view's table as CSV, with the name a saved file gets.
val CensusTableCsv() {
    const CsvTable table = CensusViewCsv();
    val out = val::object();
    out.set("csv", Bytes(table.Csv));
    out.set("name", table.Name);
    return out;
}

// The lifetime inputs the view keeps between its handlers.
val LifetimeGet(const std::string& name) {
    if (name == "AgeA") return val(Lifetime.AgeA);
    if (name == "AgeB") return val(Lifetime.AgeB);
    if (name == "PersonCount") return val(Lifetime.PersonCount);
    if (name == "SexCode") return val(std::string(1, Lifetime.SexCode ? Lifetime.SexCode : ' '));
    if (name == "ShownPersonCount") return val(Lifetime.Shown.PersonCount);
    return val::undefined();
}

void LifetimeSet(const std::string& name, int32_t value) {
    if (name == "AgeA") Lifetime.AgeA = value;
    else if (name == "AgeB") Lifetime.AgeB = value;
    else if (name == "PersonCount") Lifetime.PersonCount = value;
    else throw std::invalid_argument("unknown lifetime field " + name);
}

// The grid, its header rows and the result lines of the results computed last.
val LifetimeGrid() {
    const LifetimeTable table = MakeLifetimeTable();
    val out = val::object();
    out.set("colCount", table.ColCount);
    out.set("fixedRows", table.FixedRows);
    val rows = val::array();
    for (const auto& row : table.Cells) rows.call<void>("push", Strings(row));
    out.set("cells", rows);
    out.set("widthTexts", Strings(table.ColumnWidthTexts));
    out.set("resultLines", Strings({table.ResultLines[0], table.ResultLines[1], table.ResultLines[2]}));
    return out;
}

val ShownResultLines() {
    const LifetimeState::Result& shown = Lifetime.Shown;
    return Strings({shown.LineA, shown.PersonCount == 2 ? shown.LineB : " ", shown.PersonCount == 2 ? shown.LineOutlive : " "});
}

LifetimeCanvas CanvasKind(const std::string& kind) {
    if (kind == "printer") return LifetimeCanvas::Printer;
    if (kind == "picture") return LifetimeCanvas::Picture;
    return LifetimeCanvas::Screen;
}

void DrawLifetime(val canvas, const std::string& kind, int32_t width, int32_t height) {
    JsCanvas target(std::move(canvas));
    DrawLifetimeGraph(target, CanvasKind(kind), width, height);
}

void DrawLifetimeCursorOn(val canvas, int32_t viewHeight) {
    JsCanvas target(std::move(canvas));
    DrawLifetimeCursor(target, viewHeight);
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

val ProjectionCommandsNow() {
    val out = val::object();
    out.set("projection", ProjectionCommands.Projection);
    out.set("continue", ProjectionCommands.Continue);
    out.set("ageGroups", ProjectionCommands.AgeGroups);
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(lysvandre_core) {
    using namespace emscripten;
    function("loadAllData", &LoadAllData);
    function("listBaseYears", &ListBaseYears);
    function("setUpProjection", &SetUpProjection);
    function("projectionCommands", &ProjectionCommandsNow);
    function("setProjectionCommandsAvailable", &SetProjectionCommandsAvailable);
    function("beginProjectionInputs", &BeginProjectionInputs);
    function("acceptProjectionInputs", &AcceptProjectionInputs);
    function("cancelProjectionInputs", &CancelProjectionInputs);
    function("finishProjectionInputs", &FinishProjectionInputs);
    function("makeProjectionTable", &MakeProjectionTable);
    function("makeProjectionChart", &MakeProjectionChart);
    function("beginContinuation", +[] {
        PendingContinuation() = BeginContinuation();
        val out = val::object();
        out.set("ask", PendingContinuation().Ask);
        out.set("proposedYear", PendingContinuation().ProposedYear);
        return out;
    });
    function("finishContinuation", +[] { return FinishContinuation(PendingContinuation()); });
    function("beginBaseYearChoice", +[] { PendingBaseYearChoice() = BeginBaseYearChoice(); });
    function("finishBaseYearChoice", +[] { return FinishBaseYearChoice(PendingBaseYearChoice()); });
    function("acceptBaseYear", &AcceptBaseYear);
    function("cancelBaseYear", &CancelBaseYear);
    function("runProjection", &RunProjection);
    function("groupCensus", &GroupCensusTotal);
    function("computeGroupTotals", &ComputeGroupTotals);
    function("get", &GetField);
    function("set", &SetField);
    function("yearChoices", &YearChoices);
    function("hasBaseDataSet", &HasBaseDataSet);
    function("baseDataSetYear", +[](int32_t year) { return BaseDataSetFor(year).Year; });
    function("saveState", +[] { Saved() = State; });
    function("restoreState", +[] { State = Saved(); });
    function("readWholeNumber", &WholeNumber);
    function("readAgeInterval", &AgeIntervalText);
    function("listCensusYears", &ListCensusYears);
    function("historicalTable", &HistoricalTable);
    function("linesAsText", +[](const val& lines) { return LinesAsText(StringsFrom(lines)); });
    function("saveFileTypes", +[](bool table) { return Strings(SaveFileTypesFor(table)); });
    function("resolveSaveTarget", +[](const std::string& path, const std::string& chosenType, bool table) {
        const SaveTarget target = ResolveSaveTarget(path, chosenType, table);
        val out = val::object();
        out.set("path", target.Path);
        out.set("type", target.Type);
        out.set("message", target.Message);
        return out;
    });
    function("projectionCsv", +[] { return Bytes(ProjectionCsv()); });
    function("lifetimeCsv", +[] { return Bytes(LifetimeCsv()); });
    function("censusTableCsv", &CensusTableCsv);
    function("headingIsUsed", +[](const std::string& heading) { return HeadingIsUsed(heading); });
    function("headedLines", +[](const std::string& heading, const val& lines) {
        return Strings(HeadedLines(heading, StringsFrom(lines)));
    });
    function("buildProjectionTable", &BuildProjectionTable);
    function("addActualPopulationLine", +[] { AddActualPopulationLine(State.TableLines); });
    function("hasActualPopulation", &HasActualPopulation);
    // Statistikbanken's files: bytes in, the message out; what to remember as text.
    function("importStatbankFile", +[](const val& bytes) {
        // Copied in one piece, not byte by byte as a string would be.
        const std::vector<uint8_t> data = convertJSArrayToNumberVector<uint8_t>(bytes);
        const StatbankImportResult result =
            ImportStatbankFile(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
        val out = val::object();
        out.set("ok", result.Ok);
        out.set("message", result.Message);
        return out;
    });
    function("forgetStatbankImports", &ForgetStatbankImports);
    function("hasStatbankImports", +[] { return !ImportedTables.empty(); });
    function("statbankImportsText", &StatbankImportsText);
    function("restoreStatbankImports", +[](const std::string& text) { RestoreStatbankImports(text); });
    function("startFromNewestImport", &StartFromNewestImport);
    function("modelTextLines", +[](const std::string& decimalSeparator) { return Strings(ModelTextLines(decimalSeparator)); });
    function("buildCensusTable", &BuildCensusTable);
    function("projectionInForce", &ProjectionInForce);
    function("projectionHasYearsToPlay", &ProjectionHasYearsToPlay);
    // What copying a view acts on: "table", "chart" or "" for nothing.
    function("populationViewOnShow", +[](const std::string& kind, bool tableShown) {
        const OnShow shown = PopulationViewOnShow(kind == "census" ? CensusChartView : ProjectionChartView, tableShown);
        return std::string(shown == OnShow::Table ? "table" : shown == OnShow::Chart ? "chart" : "");
    });
    function("lifetimeViewOnShow", +[](bool gridShown) {
        const OnShow shown = LifetimeViewOnShow(gridShown);
        return std::string(shown == OnShow::Table ? "table" : shown == OnShow::Chart ? "chart" : "");
    });
    function("censusIntervalLines", +[] { return Strings(CensusIntervalLines()); });
    function("projectedIntervalLines", +[](const val& years) {
        std::vector<int32_t> list;
        const auto n = years["length"].as<unsigned>();
        for (unsigned i = 0; i < n; ++i) list.push_back(years[i].as<int32_t>());
        return Strings(ProjectedIntervalLines(list));
    });
    function("ageGroupPrintLines", +[](const std::string& interval, const val& projected, const val& historical,
                                       int32_t historicalLineCount) {
        return Strings(AgeGroupPrintLines(interval, StringsFrom(projected), StringsFrom(historical), historicalLineCount));
    });
    function("ageGroupCopyLines", +[](const val& projected, const val& historical) {
        return Strings(AgeGroupCopyLines(StringsFrom(projected), StringsFrom(historical)));
    });
    function("baseYearListLines", +[] { return Strings(BaseYearListLines()); });
    function("censusYearListLines", +[] { return Strings(CensusYearListLines()); });
    function("baseYearPositions", +[] { return Positions(BaseYearPositions()); });
    function("censusYearPositions", +[] { return Positions(CensusYearPositions()); });
    function("baseYearAtClick", +[](int32_t x, int32_t y, const val& drawn, bool scrolled) {
        return BaseYearAtClick(x, y, Drawn(drawn), scrolled);
    });
    function("listedBaseYear", &ListedBaseYear);
    function("censusYearAtClick", +[](int32_t x, int32_t y, const val& drawn) { return CensusYearAtClick(x, y, Drawn(drawn)); });
    function("lifetimeGet", &LifetimeGet);
    function("lifetimeSet", &LifetimeSet);
    function("computeLifetimeResults", &ComputeLifetimeResults);
    function("buildLifetimeTable", &BuildLifetimeTable);
    function("lifetimeGrid", &LifetimeGrid);
    function("shownResultLines", &ShownResultLines);
    function("drawLifetimeGraph", &DrawLifetime);
    function("drawLifetimeCursor", &DrawLifetimeCursorOn);
    function("lifetimeCursorXAfterStep", +[](int32_t step) { return LifetimeCursorXAfterStep(step < 0 ? -1 : 1); });
    function("filterKey", &Filter);
    function("sortsAfterBlank", +[](const std::string& text) { return SortsAfterBlank(text); });
    function("readLifetimeAge", +[](const std::string& text) { return ReadLifetimeAge(text); });
    function("ageTooHighMessage", &AgeTooHigh);
    function("readLifetimeSexes", +[](const std::string& sexA, const std::string& sexB) {
        ReadLifetimeSexes(Lifetime, sexA, sexB);
    });
    function("lifetimeInputsValid", +[] { return LifetimeInputsValid(Lifetime); });
    function("checkProjectionInputs", &CheckProjection);
    function("projectionInputMessage", &ProjectionMessage);
    function("projectionInputCaption", &ProjectionCaption);
    function("checkNetMigration", &NetMigrationField);
    function("netMigrationMessage", +[] { return std::string(NetMigrationMessage); });
    function("migrationProfileName", +[] { return MigrationProfileName(State.Migration); });
    // The profiles the dialog offers: their names, the net migration each
    // proposes and which is in force.
    function("migrationChoices", +[] {
        val out = val::array();
        for (const MigrationChoice& choice : MigrationChoices()) {
            val c = val::object();
            c.set("name", MigrationProfileName(choice.Profile));
            c.set("proposedNet", choice.ProposedNet);
            c.set("inForce", choice.Profile == State.Migration);
            c.set("year", choice.Profile.Year);
            out.call<void>("push", c);
        }
        return out;
    });
    function("chooseMigration", &ChooseMigration);
    function("migrationProfileYear", +[] { return State.Migration.Year; });
    function("rerunProjection", &RerunProjection);

    class_<WebChart>("Chart")
        .constructor<std::string, val>()
        .function("paint", &WebChart::Paint)
        .function("mouseUp", &WebChart::MouseUp)
        .function("cursorKey", &WebChart::CursorKey)
        .function("comparedWithActual", &WebChart::ComparedWithActual)
        .function("compareWithActual", &WebChart::CompareWithActual)
        .function("removeCursor", &WebChart::RemoveCursor)
        .function("drawOn", &WebChart::DrawOn)
        .function("percent", &WebChart::Percent)
        .function("setPercent", &WebChart::SetPercent)
        .function("compared", &WebChart::Compared)
        .function("showsOutline", &WebChart::ShowsOutline)
        .function("chooseBaseYearOutline", &WebChart::ChooseBaseYearOutline)
        .function("chooseCensusOutline", &WebChart::ChooseCensusOutline)
        .function("comparedWithoutMigration", &WebChart::ComparedWithoutMigration)
        .function("chooseWithoutMigrationOutline", &WebChart::ChooseWithoutMigrationOutline)
        .function("endComparison", &WebChart::EndComparison)
        .function("startPlayback", &WebChart::StartPlayback)
        .function("stepPlayback", &WebChart::StepPlayback)
        .function("endPlayback", &WebChart::EndPlayback);
}
