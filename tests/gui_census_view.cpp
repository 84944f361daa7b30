// The census view through the main menu and its own buttons: choosing a
// census, its table, pyramid and total graph, the historical tables, and how
// the projection's menu resets the view.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "ChartSurface.h"
#include "HistoricalTables.h"
#include "NumberText.h"
#include "Unit4.h"
#include "Unit8.h"
#include "ViewTables.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <filesystem>
#include <sstream>

namespace {

// Each test starts from a fresh model with the census view hidden and empty.
class CensusViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        Form4->ResetCensusView();
        Form4->hide();
    }
    void TearDown() override {
        Form4->hide();
        Form8->hide();
        QApplication::setActiveWindow(Form1);
    }

    // "Inddata" under "Folke&tællinger": the chooser runs, gets `typed` in
    // its field and is closed with OK (when it can be) or Fortryd.
    void ChooseThroughMenu(const QString& typed, bool pressOk = true) {
        DialogRecorder dialogs;
        dialogs.OnExec = [&](QDialog& dialog) {
            dialog.show();
            QTest::keyClicks(Form8->Edit1, typed);
            if (pressOk && Form8->BitBtn1->isEnabled()) Form8->BitBtn1->click();
            else Form8->BitBtn2->click();
            return dialog.result();
        };
        Form1->Inddata2->trigger();
        EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({"Form8"}));
    }

    static std::vector<std::string> MemoLines() {
        std::vector<std::string> lines;
        for (const QString& line : Form4->Memo2->toPlainText().split('\n')) lines.push_back(line.toStdString());
        return lines;
    }

    // The four commands that only work with a census chosen.
    static void ExpectCensusCommands(bool enabled) {
        EXPECT_EQ(Form1->Tabel3->isEnabled(), enabled);
        EXPECT_EQ(Form1->Pyramide2->isEnabled(), enabled);
        EXPECT_EQ(Form1->Ialtgraf2->isEnabled(), enabled);
        EXPECT_EQ(Form1->Udskriv1->isEnabled(), enabled);
        EXPECT_EQ(Form4->SpeedButton1->isEnabled(), enabled);
        EXPECT_EQ(Form4->SpeedButton2->isEnabled(), enabled);
        EXPECT_EQ(Form4->SpeedButton3->isEnabled(), enabled);
        EXPECT_EQ(Form4->SpeedButton5->isEnabled(), enabled);
    }
};

TEST_F(CensusViewTest, ToolBarAndTextAsDesigned) {
    Form4->ShowView();
    EXPECT_EQ(Form4->parentWidget(), Form1->ClientArea);
    EXPECT_EQ(Form4->geometry(), QRect(QPoint(0, 0), Form1->ClientArea->size()));
    EXPECT_EQ(Form4->Panel1->height(), 49);
    struct Row {
        QToolButton* button;
        QRect at;
        const char* hint;
    };
    const Row rows[] = {
        {Form4->SpeedButton5, {24, 8, 33, 33}, "Print"},
        {Form4->SpeedButton6, {60, 8, 33, 33}, "Navn eller overskrift til udskrifter"},
        {Form4->SpeedButton7, {96, 8, 33, 33}, "Kopier til Klippebordet"},
        {Form4->SpeedButton1, {144, 8, 33, 33}, "Tabel"},
        {Form4->SpeedButton2, {180, 8, 33, 33}, "Pyramide"},
        {Form4->SpeedButton3, {216, 8, 33, 33}, "I alt graf"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.hint);
        EXPECT_EQ(r.button->geometry(), r.at);
        EXPECT_EQ(r.button->toolTip(), r.hint);
        EXPECT_FALSE(r.button->icon().isNull());
    }
    EXPECT_EQ(Form4->Bevel2->geometry(), QRect(20, 4, 113, 41));
    EXPECT_EQ(Form4->Bevel1->geometry(), QRect(140, 4, 113, 41));
    EXPECT_TRUE(ProgramStart().CensusPanelsHidden);
    EXPECT_TRUE(Form4->Memo2->isReadOnly());
    EXPECT_EQ(Form4->Memo2->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Form4->Memo2->font().pixelSize(), 16);
    EXPECT_TRUE(Form4->Memo2->font().bold());
    Form4->Memo2->show();
    EXPECT_EQ(Form4->Memo2->geometry(), Form4->ScrollBox1->geometry()) << "the memo lies over the chart";
    EXPECT_EQ(Form4->ScrollBox1->mapTo(Form4, QPoint(0, 0)), QPoint(0, 49));
    EXPECT_EQ(Form4->ScrollBox1->PaintBox1->objectName(), "PaintBox1");
}

TEST_F(CensusViewTest, Census1787TableHasTenGroupsAndBlankLines) {
    ChooseThroughMenu("1787");
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_TRUE(Form4->Memo2->isVisible());
    EXPECT_EQ(State.DisplayMode, 11);
    EXPECT_TRUE(State.ExactFigures);
    EXPECT_EQ(State.TargetYear, 1787);
    EXPECT_EQ(State.YearsToProject, 0);
    ExpectCensusCommands(true);

    // The lines themselves are the model's (checked there), for the census chosen.
    const std::vector<std::string>& t = State.TableLines;
    ASSERT_EQ(t.size(), 22u);
    EXPECT_EQ(t, CensusTableLines());
    EXPECT_EQ(t[1], " 0- 9:    97303     97283     Folketælling år: 1787");

    // The memo: two blank lines, then the table four blanks in, from its top.
    const std::vector<std::string> memo = MemoLines();
    ASSERT_EQ(memo.size(), 24u);
    EXPECT_EQ(memo[0], " ");
    EXPECT_EQ(memo[1], " ");
    for (int i = 0; i < 22; ++i) EXPECT_EQ(memo[i + 2], "    " + t[i]);
    EXPECT_EQ(Form4->Memo2->textCursor().position(), 0);
}

TEST_F(CensusViewTest, Census1840TableShowsTheLastGroupAs90To99) {
    ChooseThroughMenu("1840");
    const std::vector<std::string>& t = State.TableLines;
    ASSERT_EQ(t.size(), 22u);
    EXPECT_EQ(t[1], " 0- 4:    80114     79145     Folketælling år: 1840");
    EXPECT_EQ(t[4], "15-19:" + t[4].substr(6));
    EXPECT_EQ(t[19], "90-99:      203       306");
    EXPECT_EQ(t[20], std::string(25, ' '));
    EXPECT_EQ(t[21], "I alt:   633203    649814 =  1283017 indb.");
}

// Every census: the rows add up to the total row, and the total row holds the
// census's own totals, men and women adding up to the whole population.
TEST_F(CensusViewTest, EveryCensusTableAddsUp) {
    struct Row {
        int32_t year;
        long men, women, total;
    };
    const Row rows[] = {
        {1787, 416195, 423850, 840045},    {1801, 458683, 466992, 925675},    {1840, 633203, 649814, 1283017},
        {1860, 793187, 807359, 1600546},   {1880, 966773, 1001153, 1967926},  {1901, 1190307, 1253141, 2443448},
        {1911, 1333045, 1414162, 2747207}, {1921, 1586437, 1671816, 3258253}, {1930, 1732164, 1811106, 3543270},
        {1940, 1899766, 1943980, 3843746}, {1950, 2123100, 2158175, 4281275}, {1960, 2273208, 2312048, 4585256},
        {1970, 2442481, 2478485, 4920966}, {1980, 2529053, 2593612, 5122665}, {1990, 2530516, 2604568, 5135084},
        {2000, 2634043, 2695565, 5329608}, {2006, 2685846, 2741613, 5427459},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.year);
        ChooseThroughMenu(QString::number(r.year));
        const std::vector<std::string>& t = State.TableLines;
        ASSERT_EQ(t.size(), 22u);
        const int groups = r.year <= 1801 ? 10 : 19;
        long men = 0, women = 0;
        for (int i = 1; i <= groups; ++i) {
            men += std::stol(t[i].substr(6, 9));
            women += std::stol(t[i].substr(15, 10));
        }
        EXPECT_EQ(men, r.men);
        EXPECT_EQ(women, r.women);
        std::ostringstream total;
        total << "I alt:" << FormatFixed(r.men, 9, 0) << FormatFixed(r.women, 10, 0) << " ="
              << FormatFixed(r.total, 9, 0) << " indb.";
        EXPECT_EQ(t[21], total.str());
        EXPECT_EQ(r.men + r.women, r.total);
        EXPECT_NE(t[1].find("Folketælling år: " + std::to_string(r.year)), std::string::npos);
    }
}

TEST_F(CensusViewTest, ChooserClosedWithoutACensusYearLeavesTheViewEmpty) {
    struct Row {
        const char* name;
        const char* typed;
        bool ok;
    };
    const Row rows[] = {
        {"nothing typed, Fortryd", "", false},
        {"part of a year, Fortryd", "184", false},
        {"a year that is no census, OK unavailable", "1850", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ChooseThroughMenu("1950");
        ASSERT_TRUE(Form1->Tabel3->isEnabled());
        ChooseThroughMenu(r.typed, r.ok);
        ExpectCensusCommands(false);
        EXPECT_TRUE(Form4->Memo2->toPlainText().isEmpty());
        EXPECT_TRUE(State.TableLines.empty());
        EXPECT_EQ(State.DisplayMode, 0);
        EXPECT_TRUE(Form4->isVisible()) << "the view stays, empty";
        EXPECT_EQ(Form4->ScrollBox1->Picture().pixel(300, 200), QColor(Qt::white).rgb());
    }
}

// Fortryd leaves the projection's inputs as they were, whatever was typed,
// and shows no census.
TEST_F(CensusViewTest, FortrydPutsBackTheBaseYearAndShowsNoCensus) {
    for (const char* typed : {"1921", "99999"}) {
        SCOPED_TRACE(typed);
        State.BaseYear = 2008;
        ChooseThroughMenu(typed, false);
        ExpectCensusCommands(false);
        EXPECT_EQ(State.BaseYear, 2008);
        EXPECT_EQ(ModelTextLines(".")[2].rfind(" Årstal (2008 .. 2100)", 0), 0u);
    }
}

// A projection's base year is also a census year; opening the chooser and
// cancelling straight away must not show that census.
TEST_F(CensusViewTest, CancellingAtOnceIgnoresAProjectionsBaseYear) {
    Form8->Edit1->clear();
    State.BaseYear = 2000;
    ChooseThroughMenu("", false);
    ExpectCensusCommands(false);
}

TEST_F(CensusViewTest, PyramidAndTotalGraphFromTheMenuAndTheButtons) {
    ChooseThroughMenu("1901");
    Form4->ShowView();
    QTest::qWait(0);

    struct Row {
        const char* name;
        std::function<void()> choose;
        int32_t mode;
        int32_t clickX;
    };
    const Row rows[] = {
        {"menu Pyramide", [] { Form1->Pyramide2->trigger(); }, 12, 500},
        {"menu I alt graf", [] { Form1->Ialtgraf2->trigger(); }, 13, 300},
        {"button Pyramide", [] { Form4->SpeedButton2->click(); }, 12, 250},
        {"button I alt graf", [] { Form4->SpeedButton3->click(); }, 13, 400},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        State.CursorLineX = 123;
        State.ClickX = 456;
        r.choose();
        EXPECT_EQ(State.DisplayMode, r.mode);
        EXPECT_TRUE(Form4->Memo2->isHidden());
        EXPECT_EQ(State.CursorLineX, 0) << "a newly chosen chart has no cursor";
        EXPECT_EQ(State.ClickX, 1);
        EXPECT_EQ(State.YearsToProject, 0);
        Form4->ScrollBox1->Redraw();
        const QImage chart = Form4->ScrollBox1->Picture();
        // The axis: the pyramid's centre or the total graph's left edge.
        const int axisX = r.mode == 12 ? 392 : 192;
        EXPECT_EQ(chart.pixel(axisX, 300), QColor(Qt::black).rgb());
        // 1901: 19 groups, so the axis ends at canvas y 400 - (14 x 19 + 60).
        EXPECT_EQ(chart.pixel(axisX, 400 - 326), QColor(Qt::black).rgb());
        EXPECT_EQ(chart.pixel(axisX, 400 - 330), QColor(Qt::white).rgb());

        QTest::mouseClick(Form4->ScrollBox1->PaintBox1, Qt::LeftButton, Qt::NoModifier, QPoint(r.clickX, 200));
        EXPECT_EQ(State.CursorLineX, r.clickX);
    }

    // The table comes back with the same figures.
    const std::vector<std::string> before = CensusTableLines();
    Form4->SpeedButton1->click();
    EXPECT_EQ(State.DisplayMode, 11);
    EXPECT_TRUE(Form4->Memo2->isVisible());
    EXPECT_EQ(State.TableLines, before);
    Form1->Pyramide2->trigger();
    Form1->Tabel3->trigger();
    EXPECT_EQ(State.TableLines, before);
}

TEST_F(CensusViewTest, HistoricalTablesAreShownAsTheyStand) {
    struct Row {
        const char* name;
        QAction* item;
        const std::vector<std::string>& lines;
        std::vector<int> lengths;  // characters per line
        std::vector<std::pair<int, const char*>> samples;  // line number from 1, text
    };
    const Row rows[] = {
        {"Middellevetid",
         Form1->Middellevetid1,
         LifeExpectancyLines(),
         {1, 20, 1, 35, 35, 1, 31, 1, 29, 29, 29, 29, 29, 1, 29, 29, 29, 29, 29, 29, 1, 29, 29, 29, 29, 29, 1},
         {{2, " Danmark 1840 - 1989"},
          {4, " Middellevetid for nyfødte danskere"},
          {7, "              Mænd      Kvinder"},
          {9, " 1840-49      42.9       45.0"},
          {26, " 1990-99      72.7       78.0"}}},
        {"Dødelighed",
         Form1->Ddelighed1,
         MortalityLines(),
         {1, 20, 1, 38, 38, 1, 32, 29, 1, 29, 29, 29, 29, 29, 1, 29, 29, 29, 29, 29, 1, 29, 29, 29, 29, 29, 29, 1, 1},
         {{4, " Dødelighed for mænd 0-1 år og 0-10 år"},
          {7, "              0-1 år     0-10 år"},
          {8, "               %          %  "},
          {20, " 1930-39       7.6        9.5"},
          {27, " 1990-99       0.5        0.7"}}},
        {"Fertilitet",
         Form1->Fertilitet1,
         FertilityLines(),
         {1, 20, 1, 34, 34, 1, 17, 17, 17, 17, 1, 17, 36, 17, 17, 1, 36, 17, 17, 17, 1, 36, 17, 17, 17, 17, 1, 1},
         {{2, " Danmark 1900 - 1995"},
          {4, " Fertilitet: Antal børn pr. kvinde"},
          {13, " 1945        2.98      (1946:  3.02)"},
          {26, " 2000        1.77"}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Form4->ResetCensusView();
        Form4->hide();
        State.DisplayMode = 0;
        r.item->trigger();
        EXPECT_TRUE(Form4->isVisible());
        EXPECT_TRUE(Form4->Memo2->isVisible());
        EXPECT_EQ(State.DisplayMode, 11);
        EXPECT_EQ(State.TableLines, r.lines);
        ASSERT_EQ(State.TableLines.size(), r.lengths.size());
        for (size_t i = 0; i < r.lengths.size(); ++i) {
            const QString line = QString::fromStdString(State.TableLines[i]);
            EXPECT_EQ(line.size(), r.lengths[i]) << "line " << i + 1;
            if (r.lengths[i] == 1) {
                EXPECT_EQ(line, " ") << "line " << i + 1;
            }
        }
        for (const auto& [number, text] : r.samples) EXPECT_EQ(State.TableLines[number - 1], text);
        EXPECT_EQ(MemoLines(), r.lines) << "the memo holds the lines without indent";
        EXPECT_EQ(Form4->Memo2->textCursor().position(), 0);
        EXPECT_TRUE(Form4->SpeedButton5->isEnabled());
        EXPECT_FALSE(Form1->Tabel3->isEnabled()) << "no census chosen, so none to bring back";
        EXPECT_FALSE(Form4->SpeedButton1->isEnabled());
    }
}

TEST_F(CensusViewTest, HistoricalTableAfterACensusKeepsTheCensusAtHand) {
    ChooseThroughMenu("1950");
    const std::vector<std::string> census = State.TableLines;
    Form1->Fertilitet1->trigger();
    EXPECT_EQ(State.TableLines, FertilityLines());
    EXPECT_TRUE(Form1->Tabel3->isEnabled());
    EXPECT_TRUE(Form1->Pyramide2->isEnabled());
    EXPECT_TRUE(Form1->Ialtgraf2->isEnabled());

    Form1->Tabel3->trigger();
    EXPECT_EQ(State.TableLines, census);
    EXPECT_EQ(MemoLines()[3], "    " + census[1]);

    Form1->Ddelighed1->trigger();
    Form1->Pyramide2->trigger();
    EXPECT_EQ(State.DisplayMode, 12);
    EXPECT_EQ(State.TotalMale, 2123100);
}

// The projection's "Inddata" and "Basisår" take over the shared population:
// they reset and hide the census view first.
TEST_F(CensusViewTest, ProjectionMenuResetsAndHidesTheView) {
    for (QAction* item : {Form1->Inddata1, Form1->Basisr1}) {
        SCOPED_TRACE(item->objectName().toStdString());
        ChooseThroughMenu("1960");
        ASSERT_TRUE(Form4->isVisible());
        DialogRecorder dialogs;
        dialogs.OnExec = [](QDialog&) { return int(QDialog::Rejected); };
        item->trigger();
        EXPECT_TRUE(Form4->isHidden());
        EXPECT_FALSE(Form1->Tabel3->isEnabled());
        EXPECT_FALSE(Form1->Pyramide2->isEnabled());
        EXPECT_FALSE(Form1->Ialtgraf2->isEnabled());
        EXPECT_FALSE(Form4->SpeedButton5->isEnabled());
        EXPECT_TRUE(Form4->Memo2->toPlainText().isEmpty());
    }
}

// The README's pictures: the 1901 pyramid and the life-expectancy table, as
// the census view shows them.
TEST_F(CensusViewTest, DISABLED_ReadmePictures) {
    const std::filesystem::path docs = PicturesDir();
    // The tool bar and what is on show, without the empty room below.
    auto save = [&](const QRect& part, const char* name) {
        EXPECT_TRUE(Form4->grab(part).save(QString::fromStdString((docs / name).string()))) << name;
    };
    ChooseThroughMenu("1901");
    Form1->Pyramide2->trigger();
    Form4->ScrollBox1->Redraw();
    save(QRect(0, 0, 680, 470), "census-pyramid-1901.png");

    Form1->Middellevetid1->trigger();
    QTest::qWait(0);
    save(QRect(0, 0, 560, 580), "historical-table.png");
}

}  // namespace
