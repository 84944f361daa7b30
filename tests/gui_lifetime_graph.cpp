// The lifetime graph: its geometry through the recording canvas on the three
// kinds of canvas, and the click cursor on the view's offscreen picture.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "Lifetime.h"
#include "PopulationChart.h"
#include "RecordingCanvas.h"
#include "Unit2.h"
#include "ViewWindow.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t Black = 0x000000;

// The model as a valid OK leaves it, without going through the fields.
void Inputs(int personCount, int ageA, char sexA, int ageB = 0, char sexB = 'k') {
    ProgramStart();
    State = ModelState();
    LoadAllData();
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
}

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

TEST(LifetimeGraph, OnePersonAgedZeroOnThePrinter) {
    Inputs(1, 0, 'm');
    RecordingCanvas canvas(true);
    Form2->DrawLifetimeGraph(canvas, LifetimeCanvas::Printer);
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
        EXPECT_EQ(levels[k - 1].x2, Form2->Crossings[0][k - 1]);
    }
    // The median 79 lies at x 70 + 4 x 79: the 50 percent crossing is near it.
    EXPECT_NEAR(Form2->Crossings[0][1], 70 + 4 * 79, 5);

    // The result line under the graph.
    const auto result = canvas.TextsEqual("Mand  :    0 år.    Medianlevetid: 79 år.");
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].x, 50);
    EXPECT_EQ(result[0].y, top + 2 + 4 * (gh / 4) + 25 + yOff + 3 * (canvas.CharHeight + 5));
}

TEST(LifetimeGraph, AgedNinetyNineHasOneCrossing) {
    for (char sex : {'m', 'k'}) {
        Inputs(1, 99, sex);
        RecordingCanvas canvas;
        Form2->DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 760, 499);
        const int top = 50, gh = 499 - 250;
        const double chance100 = sex == 'm' ? Lifetime.ChanceA[100] : Lifetime.ChanceB[100];
        const auto red = LinesIn(canvas, Red);
        ASSERT_EQ(red.size(), 2u) << sex;
        EXPECT_EQ(red[1].line, (RecordedLine{70, top, 470, top + gh - RoundHalfEven(chance100 / 100 * gh), PenMode::Copy}));
        EXPECT_NE(Form2->Crossings[0][0], 0);
        EXPECT_EQ(Form2->Crossings[0][1], 0);
        const auto levels = LevelLines(canvas);
        ASSERT_EQ(levels.size(), 1u) << sex;
        EXPECT_EQ(levels[0].y1, top + 2 + gh / 4);
        // Screen: filled white, no result lines drawn (they stand in Panel4).
        EXPECT_EQ(canvas.Count(CanvasCall::FillRect), 1u);
        EXPECT_TRUE(canvas.TextsEqual(Form2->Label5->text().toStdString()).empty());
        EXPECT_EQ(Form2->Label5->text().endsWith("Medianlevetid: 100 år."), true);
    }
}

TEST(LifetimeGraph, TwoPersonsAged20And70) {
    Inputs(2, 20, 'm', 70, 'k');
    RecordingCanvas canvas;
    Form2->DrawLifetimeGraph(canvas, LifetimeCanvas::Picture, 760, 499);
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
            EXPECT_EQ(t.x, Form2->Crossings[0][0] + 20);
        } else if (t.text == "B") {
            EXPECT_EQ(t.x, Form2->Crossings[1][0] - 20);
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
    EXPECT_EQ(Form2->Panel4->height(), 85);
}

TEST(LifetimeGraph, PrinterCurveAreaForTwoPersons) {
    Inputs(2, 45, 'm', 45, 'k');
    RecordingCanvas canvas(true);
    Form2->DrawLifetimeGraph(canvas, LifetimeCanvas::Printer);
    // gh 180: the x axis at 50 + 180, shifted by 50.
    const std::vector<RecordedLine> lines = canvas.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), RecordedLine{60, 280, 550, 280, PenMode::Copy}), lines.end());
    EXPECT_EQ(LinesIn(canvas, Red).front().line.y1, 100);
}

// A stored age that was refused must not reach the drawing.
TEST(LifetimeGraph, RefusedAgeDrawsNothing) {
    for (int age : {100, -1, 12345}) {
        Inputs(1, age, 'm');
        RecordingCanvas canvas;
        Form2->DrawLifetimeGraph(canvas, LifetimeCanvas::Screen, 760, 499);
        EXPECT_EQ(canvas.Count(CanvasCall::LineTo), 0u) << age;
        EXPECT_EQ(canvas.Count(CanvasCall::TextOut), 0u) << age;
    }
}

struct CursorRow {
    const char* name;
    int persons, ageA, ageB;
    Qt::MouseButton button;
    int x;
    bool line;          // a cursor line is drawn at x
    std::string label;  // its label
};

TEST(LifetimeGraph, CursorClicks) {
    const CursorRow rows[] = {
        {"on the axis", 1, 0, 0, Qt::LeftButton, 70, false, ""},
        {"just inside", 1, 0, 0, Qt::LeftButton, 71, true, "0"},
        {"right edge", 1, 0, 0, Qt::LeftButton, 550, true, ""},
        {"past the right edge", 1, 0, 0, Qt::LeftButton, 551, false, ""},
        {"aged 0 at 270", 1, 0, 0, Qt::LeftButton, 270, true, "50"},
        {"right button", 1, 0, 0, Qt::RightButton, 270, false, ""},
        {"one person past 100", 1, 80, 80, Qt::LeftButton, 500, true, ""},
        {"two persons", 2, 20, 70, Qt::LeftButton, 120, true, "A: 30  B: 80"},
        {"B past 100", 2, 20, 70, Qt::LeftButton, 270, true, "A: 60"},
        {"A past 100", 2, 70, 20, Qt::LeftButton, 270, true, "  B: 60"},
    };
    for (const CursorRow& row : rows) {
        SCOPED_TRACE(row.name);
        Inputs(row.persons, row.ageA, 'm', row.ageB, 'k');
        Form2->ShowView();
        Form2->ShowLifetimeGraph();
        EXPECT_EQ(State.ClickX, 1);
        EXPECT_EQ(State.CursorLineX, 0);

        Form2->PaintBox1MouseUp(row.button, row.x);
        EXPECT_EQ(State.CursorLineX, row.line ? row.x : 0);

        // The same routine on a recording canvas, from no cursor.
        State.CursorLineX = 0;
        RecordingCanvas canvas;
        Form2->DrawLifetimeCursor(canvas);
        const auto lines = canvas.Lines();
        if (row.line) {
            const int len = Form2->height() - (row.persons + 4) * 50;
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

TEST(LifetimeGraph, MovingTheCursorErasesTheOldOne) {
    Inputs(1, 0, 'm');
    State.ClickX = 270;
    State.CursorLineX = 200;
    RecordingCanvas canvas;
    Form2->DrawLifetimeCursor(canvas);
    const int len = Form2->height() - 250;
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

// On screen the cursor is drawn on the picture and removed again by drawing
// it a second time: the graph comes back exactly, without a redraw.
TEST(LifetimeGraph, CursorOnThePictureIsErasedExactly) {
    Inputs(1, 0, 'm');
    Form1->enPersonClick();
    Lifetime.AgeA = 0;
    Lifetime.SexCode = 'm';
    Lifetime.SexWordA = "Mand  ";
    Form2->ShowLifetimeGraph();
    QApplication::processEvents();
    const QImage before = Form2->PaintBox1->Picture();
    ASSERT_GT(before.height(), 120);
    const QRgb graphPixel = before.pixel(270, 100);

    Form2->PaintBox1MouseUp(Qt::LeftButton, 270);
    const QImage with = Form2->PaintBox1->Picture();
    EXPECT_NE(with.pixel(270, 100), graphPixel) << "the line inverts what it crosses";
    EXPECT_EQ(with.pixel(269, 100), before.pixel(269, 100));

    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    const QImage moved = Form2->PaintBox1->Picture();
    EXPECT_EQ(moved.pixel(270, 100), graphPixel);
    EXPECT_NE(moved.pixel(300, 100), before.pixel(300, 100));

    Form2->PaintBox1MouseUp(Qt::RightButton, 300);
    EXPECT_EQ(Form2->PaintBox1->Picture(), before);

    // A repaint draws the graph and the cursor at ClickX again.
    Form2->PaintBox1MouseUp(Qt::LeftButton, 300);
    Form2->PaintBox1->Redraw();
    EXPECT_NE(Form2->PaintBox1->Picture().pixel(300, 100), before.pixel(300, 100));
    EXPECT_EQ(State.CursorLineX, 300);
}

// Pictures of a two-person table and graph for the README, when asked for.
TEST(LifetimeGraph, ReadmePictures) {
    const QString docs = qEnvironmentVariable("LYSVANDRE_DOCS_DIR");
    const QString dir = docs.isEmpty() ? QDir::tempPath() : docs;
    ProgramStart();
    State = ModelState();
    LoadAllData();
    Lifetime = LifetimeState();
    Form1->Topersoner1Click();
    Form2->Edit1->setText("45");
    Form2->Edit1Exit();
    Form2->Edit2->setText("m");
    Form2->Edit3->setText("40");
    Form2->Edit3Exit();
    Form2->Edit4->setText("k");
    Form2->Button1Click();
    QApplication::processEvents();
    EXPECT_TRUE(Form2->grab().save(QDir(dir).filePath("lifetime-two-person-table.png")));
    Form2->ShowLifetimeGraph();
    Form2->PaintBox1MouseUp(Qt::LeftButton, 250);
    QApplication::processEvents();
    EXPECT_TRUE(Form2->grab().save(QDir(dir).filePath("lifetime-two-person-graph.png")));
}

}  // namespace
