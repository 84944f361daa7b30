// The lifetime graph drawn on a recording canvas: its geometry on the three
// kinds of canvas, the crossings, the result lines and the click cursor.
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "LifetimeTable.h"
#include "ModelFixture.h"
#include "NumberText.h"
#include "RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t Black = 0x000000;

int32_t RoundEven(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

class LifetimeGraphTest : public ModelTest {
protected:
    // The inputs as a valid OK leaves them, computed.
    static void Inputs(int personCount, int ageA, char sexA, int ageB = 0, char sexB = 'k') {
        Lifetime = LifetimeState();
        Lifetime.PersonCount = personCount;
        Lifetime.AgeA = ageA;
        Lifetime.AgeB = ageB;
        Lifetime.SexWordA = sexA == 'm' ? "Mand  " : "Kvinde";
        Lifetime.SexCode = sexA;
        if (personCount == 2) {
            Lifetime.SexWordB = sexB == 'm' ? "Mand  " : "Kvinde";
            Lifetime.SexCode = 'b';
        }
        ComputeLifetimeResults();
    }
};

struct ColouredLine {
    RecordedLine line;
    uint32_t rgb;
};

// Lines with the pen colour they were drawn in.
std::vector<ColouredLine> Lines(const RecordingCanvas& canvas) {
    std::vector<ColouredLine> out;
    uint32_t pen = Black;
    int32_t px = 0, py = 0;
    for (const CanvasCall& c : canvas.Calls) {
        if (c.kind == CanvasCall::SetPenColor) pen = c.rgb;
        else if (c.kind == CanvasCall::MoveTo) px = c.x, py = c.y;
        else if (c.kind == CanvasCall::LineTo) {
            out.push_back({{px, py, c.x, c.y, c.mode}, pen});
            px = c.x, py = c.y;
        }
    }
    return out;
}

std::vector<ColouredLine> LinesIn(const RecordingCanvas& canvas, uint32_t rgb) {
    std::vector<ColouredLine> out;
    for (const ColouredLine& l : Lines(canvas))
        if (l.rgb == rgb) out.push_back(l);
    return out;
}

// Texts with the text colour they were drawn in.
std::vector<std::pair<RecordedText, uint32_t>> Texts(const RecordingCanvas& canvas) {
    std::vector<std::pair<RecordedText, uint32_t>> out;
    uint32_t colour = Black;
    for (const CanvasCall& c : canvas.Calls) {
        if (c.kind == CanvasCall::SetTextColor) colour = c.rgb;
        else if (c.kind == CanvasCall::TextOut) out.push_back({{c.x, c.y, c.text}, colour});
    }
    return out;
}

// The black level lines: horizontal lines starting at the y axis.
std::vector<RecordedLine> LevelLines(const RecordingCanvas& canvas) {
    std::vector<RecordedLine> out;
    for (const ColouredLine& l : LinesIn(canvas, Black))
        if (l.line.x1 == 70 && l.line.y1 == l.line.y2 && l.line.x2 > 70) out.push_back(l.line);
    return out;
}

TEST_F(LifetimeGraphTest, OnePersonAgedZeroOnThePrinter) {
    Inputs(1, 0, 'm');
    RecordingCanvas canvas(true);
    const LifetimeCrossings cross = DrawLifetimeGraph(canvas, LifetimeCanvas::Printer, 760, 499);
    const int top = 50, gh = 480 - 5 * 50, yOff = 50;
    EXPECT_EQ(gh, 230);
    EXPECT_DOUBLE_EQ(Lifetime.PixelsPerYear, 4.0);
    EXPECT_EQ(canvas.Count(CanvasCall::FillRect), 0u) << "the page is not filled";

    for (int age = 0; age <= 100; age += 10) {
        const auto found = canvas.TextsEqual(std::to_string(age));
        const bool under = std::any_of(found.begin(), found.end(), [&](const RecordedText& t) {
            return t.x == 62 + 4 * age && t.y == top + gh + 25 + yOff;
        });
        EXPECT_TRUE(under) << age;
    }
    const std::vector<RecordedLine> lines = canvas.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), RecordedLine{60, 330, 550, 330, PenMode::Copy}), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), RecordedLine{70, 100, 70, 340, PenMode::Copy}), lines.end());
    ASSERT_EQ(canvas.TextsEqual(" Levetid ").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual(" Levetid ")[0].x, 290);
    EXPECT_EQ(canvas.TextsEqual(" Levetid ")[0].y, 50);
    EXPECT_EQ(canvas.TextsEqual("Alder")[0].y, top + gh + 5 + yOff);
    EXPECT_EQ(canvas.TextsEqual("75")[0].x, 35);
    EXPECT_EQ(canvas.TextsEqual("75")[0].y, top - 10 + gh / 4 + yOff);
    EXPECT_EQ(canvas.TextsEqual("25")[0].y, top - 10 + 3 * (gh / 4) + yOff);

    // The red curve starts at 100 percent on the axis and ends at age 100, x 470.
    const auto red = LinesIn(canvas, Red);
    ASSERT_EQ(red.size(), 101u);
    EXPECT_EQ(red.front().line, (RecordedLine{70, 100, 70, 100, PenMode::Copy}));
    EXPECT_EQ(red.back().line.x2, 470);
    // Three level lines, ending where the curve crosses 75, 50 and 25 percent.
    const auto levels = LevelLines(canvas);
    ASSERT_EQ(levels.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(levels[k - 1].y1, top + 2 + k * (gh / 4) + yOff);
        EXPECT_EQ(levels[k - 1].x2, cross.X[0][k - 1]);
    }
    // The median 79 lies at x 70 + 4 x 79: the 50 percent crossing is near it.
    EXPECT_NEAR(cross.X[0][1], 70 + 4 * 79, 5);

    // The result line under the graph.
    const auto result = canvas.TextsEqual("Mand  :    0 år.    Medianlevetid: 79 år.");
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].x, 50);
    EXPECT_EQ(result[0].y, top + 2 + 4 * (gh / 4) + 25 + yOff + 3 * (canvas.CharHeight + 5));
}

TEST_F(LifetimeGraphTest, AgedNinetyNineHasOneCrossing) {
    for (char sex : {'m', 'k'}) {
        Inputs(1, 99, sex);
        RecordingCanvas canvas;
        const LifetimeCrossings cross = DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 760, 499);
        const int top = 50, gh = 499 - 250;
        const double chance100 = sex == 'm' ? Lifetime.ChanceA[100] : Lifetime.ChanceB[100];
        const auto red = LinesIn(canvas, Red);
        ASSERT_EQ(red.size(), 2u) << sex;
        EXPECT_EQ(red[1].line, (RecordedLine{70, top, 470, top + gh - RoundEven(chance100 / 100 * gh), PenMode::Copy}));
        EXPECT_NE(cross.X[0][0], 0);
        EXPECT_EQ(cross.X[0][1], 0);
        const auto levels = LevelLines(canvas);
        ASSERT_EQ(levels.size(), 1u) << sex;
        EXPECT_EQ(levels[0].y1, top + 2 + gh / 4);
        // Screen: filled white, no result lines drawn (they stand in Panel4).
        EXPECT_EQ(canvas.Count(CanvasCall::FillRect), 1u);
        EXPECT_TRUE(canvas.TextsEqual(Lifetime.Shown.LineA).empty());
        EXPECT_EQ(Lifetime.Shown.LineA.substr(Lifetime.Shown.LineA.size() - 23), "Medianlevetid: 100 år.");
    }
}

TEST_F(LifetimeGraphTest, TwoPersonsAged20And70) {
    Inputs(2, 20, 'm', 70, 'k');
    RecordingCanvas canvas;
    const LifetimeCrossings cross = DrawLifetimeGraph(canvas, LifetimeCanvas::Picture, 760, 499);
    const int top = 50, gh = 499 - 300;
    EXPECT_DOUBLE_EQ(Lifetime.PixelsPerYear, 5.0);
    EXPECT_EQ(LinesIn(canvas, Red).back().line.x2, 470);
    EXPECT_EQ(LinesIn(canvas, Blue).back().line.x2, 220);

    // Two rows of ages under the axis, A's in red and B's in blue, at the same x.
    using Key = std::pair<int, uint32_t>;  // (x, colour)
    std::map<Key, std::string> row;
    for (const auto& [t, colour] : Texts(canvas)) {
        if (t.y == top + gh + 25 && colour == Red) row[Key(t.x, Red)] = t.text;
        if (t.y == top + gh + 40 && colour == Blue) row[Key(t.x, Blue)] = t.text;
    }
    EXPECT_EQ(row[Key(62, Red)], "20");
    EXPECT_EQ(row[Key(62, Blue)], "70");
    EXPECT_EQ(row[Key(212, Red)], "50");
    EXPECT_EQ(row[Key(212, Blue)], "100");
    EXPECT_EQ(row[Key(462, Red)], "100");
    EXPECT_EQ(canvas.TextsEqual("A")[0].x, 10);
    EXPECT_EQ(canvas.TextsEqual("B")[0].y, top + gh + 40);

    // Curve names beside the 75 percent crossings, at that level's height.
    for (const auto& [t, colour] : Texts(canvas)) {
        if (t.y != top + gh / 4) continue;
        if (t.text == "A") {
            EXPECT_EQ(t.x, cross.X[0][0] + 20);
        } else if (t.text == "B") {
            EXPECT_EQ(t.x, cross.X[1][0] - 20);
        }
    }
    // The picture carries the three result lines.
    const int lh = canvas.CharHeight + 5;
    const int b = top + 2 + 4 * (gh / 4) + 40;
    const auto texts = canvas.Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[texts.size() - 3].text, "A: Mand  :   20 år.    Medianlevetid: " + Lifetime.MedianTextA + " år.");
    EXPECT_EQ(texts[texts.size() - 3].y, b + 3 * lh);
    EXPECT_EQ(texts[texts.size() - 2].text, "B: Kvinde:   70 år.    Medianlevetid: " + Lifetime.MedianTextB + " år.");
    EXPECT_EQ(texts.back().text, "   Chance for at A overlever B : " + State.OutliveChanceText + " %");
}

TEST_F(LifetimeGraphTest, PrinterCurveAreaForTwoPersons) {
    Inputs(2, 45, 'm', 45, 'k');
    RecordingCanvas canvas(true);
    DrawLifetimeGraph(canvas, LifetimeCanvas::Printer, 760, 499);
    // gh 180: the x axis at 50 + 180, shifted by 50.
    const std::vector<RecordedLine> lines = canvas.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), RecordedLine{60, 280, 550, 280, PenMode::Copy}), lines.end());
    EXPECT_EQ(LinesIn(canvas, Red).front().line.y1, 100);
}

// A stored age that was refused must not reach the drawing, even after a
// graph of valid ages.
TEST_F(LifetimeGraphTest, RefusedAgeDrawsNothing) {
    for (int age : {100, -1, 12345}) {
        Inputs(1, 45, 'm');
        Lifetime.AgeA = age;
        RecordingCanvas canvas;
        EXPECT_FALSE(ComputeLifetimeResults());
        DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 760, 499);
        EXPECT_EQ(canvas.Count(CanvasCall::LineTo), 0u) << age;
        EXPECT_EQ(canvas.Count(CanvasCall::TextOut), 0u) << age;
    }
}

struct CursorRow {
    const char* name;
    int persons, ageA, ageB;
    bool left;  // the left button, else another
    int x;
    bool line;          // a cursor line is drawn at x
    std::string label;  // its label
};

TEST_F(LifetimeGraphTest, CursorClicks) {
    const CursorRow rows[] = {
        {"on the axis", 1, 0, 0, true, 70, false, ""},
        {"just inside", 1, 0, 0, true, 71, true, "0"},
        {"right edge", 1, 0, 0, true, 550, true, ""},
        {"past the right edge", 1, 0, 0, true, 551, false, ""},
        {"aged 0 at 270", 1, 0, 0, true, 270, true, "50"},
        {"right button", 1, 0, 0, false, 270, false, ""},
        {"one person past 100", 1, 80, 80, true, 500, true, ""},
        {"two persons", 2, 20, 70, true, 120, true, "A: 30  B: 80"},
        {"B past 100", 2, 20, 70, true, 270, true, "A: 60"},
        {"A past 100", 2, 70, 20, true, 270, true, "  B: 60"},
    };
    for (const CursorRow& row : rows) {
        SCOPED_TRACE(row.name);
        Inputs(row.persons, row.ageA, 'm', row.ageB, 'k');
        State.CursorLineX = 0;
        State.ClickX = row.left ? row.x : 1;
        RecordingCanvas canvas;
        DrawLifetimeCursor(canvas, 499);
        EXPECT_EQ(State.CursorLineX, row.line ? row.x : 0);
        const auto lines = canvas.Lines();
        if (row.line) {
            const int len = 499 - (row.persons + 4) * 50;
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0], (RecordedLine{row.x, 50, row.x, 50 + len, PenMode::Invert}));
            ASSERT_EQ(canvas.Texts().size(), 1u);
            EXPECT_EQ(canvas.Texts()[0].text, row.label);
            EXPECT_EQ(canvas.Texts()[0].y, 30);
        } else {
            EXPECT_TRUE(lines.empty());
        }
        EXPECT_EQ(canvas.GetPenMode(), PenMode::Copy) << "the pen mode is restored";
    }
}

TEST_F(LifetimeGraphTest, MovingTheCursorErasesTheOldOne) {
    Inputs(1, 0, 'm');
    State.ClickX = 270;
    State.CursorLineX = 200;
    RecordingCanvas canvas;
    DrawLifetimeCursor(canvas, 499);
    const int len = 499 - 250;
    ASSERT_EQ(canvas.Count(CanvasCall::FillRect), 1u);
    const CanvasCall fill = *std::find_if(canvas.Calls.begin(), canvas.Calls.end(),
                                          [](const CanvasCall& c) { return c.kind == CanvasCall::FillRect; });
    EXPECT_EQ(fill.x, 200);
    EXPECT_EQ(fill.y, 29);
    EXPECT_EQ(fill.x2, 400);
    EXPECT_EQ(fill.y2, 46);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (RecordedLine{200, 50, 200, 50 + len, PenMode::Invert}));
    EXPECT_EQ(lines[1], (RecordedLine{270, 50, 270, 50 + len, PenMode::Invert}));
}

// The program's lifetime results without any window: the inputs as OK takes
// them, the two-person table and the graph's drawing calls.
TEST_F(LifetimeGraphTest, ChosenPersonsGiveTheTableAndTheGraph) {
    Lifetime = LifetimeState();
    EXPECT_FALSE(ChooseLifetimePersons(100, 'm', -1, 'k'));
    EXPECT_FALSE(ChooseLifetimePersons(45, 'x', -1, 'k'));
    EXPECT_FALSE(ChooseLifetimePersons(45, 'm', 45, 0));
    EXPECT_EQ(Lifetime.Shown.PersonCount, 0);

    ASSERT_TRUE(ChooseLifetimePersons(45, 'm', 45, 'k'));
    ASSERT_TRUE(BuildLifetimeTable());
    const std::vector<std::string>& lines = State.TableLines;
    // Three columns of 20, 20 and 15 items in 22 grid rows, a blank after every
    // fifth; then the three result lines, each after a blank.
    ASSERT_EQ(lines.size(), 2u + 22u + 4u + 6u);
    EXPECT_EQ(lines[0], " Levetidstabel");
    EXPECT_EQ(lines[2], "  Alder      Chance     " "  Alder      Chance     " "  Alder      Chance  ");
    EXPECT_EQ(lines[3], "  A   B     A      B    " "  A   B     A      B    " "  A   B     A      B ");
    EXPECT_EQ(lines[4], " 46  46   99.7%" + FormatFixed(Lifetime.ChanceB[46], 6, 1) + "%   66  66" +
                            FormatFixed(Lifetime.ChanceA[66], 7, 1) + "%" + FormatFixed(Lifetime.ChanceB[66], 6, 1) +
                            "%   86  86" + FormatFixed(Lifetime.ChanceA[86], 7, 1) + "%" +
                            FormatFixed(Lifetime.ChanceB[86], 6, 1) + "% ");
    EXPECT_EQ(lines[7], " ");
    // The medians marked: A at 80 and B at 84, both in column 1.
    EXPECT_EQ(lines[2 + 16 + 3].substr(24, 7), "*80  80");
    EXPECT_EQ(lines[2 + 20 + 4].substr(24, 7), " 84 *84");
    // Cells no item fills hold one blank, whatever was shown before.
    EXPECT_EQ(lines[2 + 21 + 4].size(), 24u + 24u + 1u);
    EXPECT_EQ(lines[2 + 21 + 4].back(), ' ');
    EXPECT_EQ(lines[lines.size() - 5], "A: Mand  :   45 år.    Medianlevetid: 80 år.");
    EXPECT_EQ(lines[lines.size() - 3], "B: Kvinde:   45 år.    Medianlevetid: 84 år.");
    EXPECT_EQ(lines.back(), "Chance for at A overlever B :  40.1 %");

    RecordingCanvas canvas;
    const LifetimeCrossings cross = DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 760, 499);
    EXPECT_EQ(LinesIn(canvas, Red).size(), 56u);
    EXPECT_EQ(LinesIn(canvas, Blue).size(), 56u);
    EXPECT_NE(cross.X[0][0], 0);
    EXPECT_NE(cross.X[1][2], 0);

    // One person: B is not asked for.
    ASSERT_TRUE(ChooseLifetimePersons(0, 'k', -1, 0));
    EXPECT_EQ(Lifetime.Shown.LineA, "Kvinde:    0 år.    Medianlevetid: 84 år.");
    EXPECT_EQ(Lifetime.PersonCount, 1);
}

}  // namespace
