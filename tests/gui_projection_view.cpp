// The projection view driven through the main menu and its tool bar: the
// table, the charts, continuation, the base-year chooser and the model text.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "Inddatp.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit7.h"
#include "ViewTables.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>
#include <regex>

namespace {

class ProjectionViewTest : public ::testing::Test {
protected:
    DialogRecorder recorder;

    void SetUp() override {
        ProgramStart();
        State = ModelState();
        LoadAllData();
        Form3->hide();
        Form4->hide();
        Model->hide();
        BtnBottomDlg->hide();
        Form3->DisableProjectionActions();
        Form1->Aldersgrupper1->setEnabled(false);
    }

    // Answers the input dialog the way a user would; empty texts are left.
    void AnswerInputs(QString children, QString year, QString age, bool ok = true) {
        recorder.OnExec = [=](QDialog& dialog) {
            if (&dialog != BtnBottomDlg) return int(QDialog::Rejected);
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            for (auto [edit, text] : {std::pair{BtnBottomDlg->Edit1, children}, {BtnBottomDlg->Edit3, year},
                                      {BtnBottomDlg->Edit4, age}})
                if (!text.isEmpty()) {
                    edit->clear();
                    QTest::keyClicks(edit, text);
                }
            (ok ? BtnBottomDlg->OKBtn : BtnBottomDlg->CancelBtn)->click();
            return dialog.result();
        };
    }

    void Project(int baseYear, QString children, QString year, QString age) {
        State.BaseYear = baseYear;
        AnswerInputs(children, year, age);
        Form1->Inddata1->trigger();
        ASSERT_TRUE(State.InputsAccepted) << (recorder.Messages.empty() ? "" : recorder.Messages[0].Text);
    }

    static QStringList MemoLines() { return Form3->Memo2->toPlainText().split('\n'); }

    static bool CommandsEnabled() {
        return Form1->Tabel2->isEnabled() && Form1->Pyramide1->isEnabled() && Form1->Ialtgraf1->isEnabled() &&
               Form3->SpeedButton1->isEnabled() && Form3->SpeedButton6->isEnabled();
    }
    static bool CommandsDisabled() {
        return !Form1->Tabel2->isEnabled() && !Form1->Pyramide1->isEnabled() && !Form1->Ialtgraf1->isEnabled() &&
               !Form1->Fortst1->isEnabled() && !Form1->Udskriv1->isEnabled() && !Form3->SpeedButton1->isEnabled() &&
               !Form3->SpeedButton4->isEnabled() && !Form3->SpeedButton6->isEnabled();
    }
};


TEST_F(ProjectionViewTest, ToolBarAsDesigned) {
    const struct {
        QWidget* control;
        QRect at;
        const char* tip;  // nullptr: a frame, or a hint not shown
    } rows[] = {
        {Form3->Bevel2, {12, 4, 113, 41}, nullptr},        {Form3->Bevel1, {138, 4, 225, 41}, nullptr},
        {Form3->SpeedButton7, {16, 8, 33, 33}, "Print"},   {Form3->SpeedButton8, {52, 8, 33, 33}, nullptr},
        {Form3->SpeedButton9, {88, 8, 33, 33}, "Kopier til Klippebordet"},
        {Form3->SpeedButton1, {144, 8, 33, 33}, "Tabel"},  {Form3->SpeedButton2, {180, 8, 33, 33}, "Pyramide"},
        {Form3->SpeedButton3, {216, 8, 33, 33}, "I alt graf"}, {Form3->SpeedButton4, {252, 8, 33, 33}, "Fortsæt"},
        {Form3->SpeedButton5, {288, 8, 33, 33}, "Aldersgruppe"}, {Form3->SpeedButton6, {324, 8, 33, 33}, "Model"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control->objectName().toStdString());
        EXPECT_EQ(r.control->geometry(), r.at);
        EXPECT_EQ(r.control->toolTip(), r.tip ? r.tip : "");
    }
    EXPECT_EQ(Form3->SpeedButton8->property("hint").toString(), "Navn eller overskrift til udskrifter");
}

TEST_F(ProjectionViewTest, InputsGiveTheTableLineForLine) {
    Project(2000, "1,8", "2030", "67");
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(State.DisplayMode, 1);
    // The lines themselves are the model's (checked there), for the state the
    // inputs left.
    ASSERT_EQ(State.TableLines.size(), 22u);
    EXPECT_EQ(State.TableLines, ProjectionTableLines());
    EXPECT_EQ(State.TableLines[1].substr(25), "    PROGNOSE  for året 2030    Basisår: 2000");

    // On screen: two single blanks, then every line indented by four.
    const QStringList screen = MemoLines();
    ASSERT_EQ(screen.size(), 24);
    EXPECT_EQ(screen[0], " ");
    EXPECT_EQ(screen[1], " ");
    for (int i = 0; i < 22; ++i) EXPECT_EQ(screen[i + 2], "    " + QString::fromStdString(State.TableLines[i]));
    EXPECT_TRUE(Form3->Memo2->isVisible());
    EXPECT_EQ(Form3->Memo2->textCursor().blockNumber(), 0) << "shown from the top";

    EXPECT_TRUE(CommandsEnabled());
    EXPECT_TRUE(Form1->Udskriv1->isEnabled());
    EXPECT_TRUE(Form1->Fortst1->isEnabled());
    EXPECT_TRUE(Form1->Aldersgrupper1->isEnabled());
    EXPECT_TRUE(Form3->SpeedButton5->isEnabled());
}

// The left part's columns: label 1-6, men 7-15, women 16-25.
TEST_F(ProjectionViewTest, EveryRowKeepsItsColumnsAndTheSharesAddUp) {
    const struct {
        const char* name;
        int base;
        const char* year;
        const char* age;
    } rows[] = {{"Base2008To2100", 2008, "2100", "50"},
                {"Base1980Itself", 1980, "1980", "99"},
                {"Base1990To2045", 1990, "2045", "65"}};
    const std::regex group(R"([ 0-9]\d-[ 0-9]\d: {0,8}\d+ {0,9}\d+)");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Project(row.base, "2.1", row.year, row.age);
        const auto& t = State.TableLines;
        ASSERT_EQ(t.size(), 22u);
        for (int g = 0; g < 20; ++g) {
            EXPECT_TRUE(std::regex_match(t[g + 1].substr(0, 25), group)) << t[g + 1];
            EXPECT_EQ(std::stoi(t[g + 1].substr(0, 2)), 5 * g);
            EXPECT_EQ(std::stoi(t[g + 1].substr(3, 2)), 5 * g + 4);
        }
        double percent = 0, millions = 0;
        for (int line : {11, 13, 15, 17}) {
            const std::string& s = t[line];
            ASSERT_GE(s.size(), 25u + 29 + 20);
            EXPECT_EQ(s.substr(s.size() - 14, 8), " mill. =") << s;
            millions += std::stod(s.substr(s.size() - 20, 6));
            percent += std::stod(s.substr(s.size() - 6, 5));
        }
        EXPECT_NEAR(percent, 100.0, 0.2);
        EXPECT_NEAR(millions * 1e6, State.TotalMale + State.TotalFemale, 2500);
        const int age = std::stoi(row.age);
        EXPECT_NE(t[15].find("(16-" + std::to_string(age - 1) + " år)"), std::string::npos) << t[15];
        EXPECT_NE(t[17].find("(" + std::to_string(age) + "-99 år)"), std::string::npos) << t[17];
        EXPECT_EQ(t[21].size(), 42u);
    }
}

TEST_F(ProjectionViewTest, TargetYearEqualToBaseYearShowsTheBasePopulation) {
    Project(1990, "1.5", "1990", "67");
    double total = 0;
    const BaseDataSet& set = State.BaseDataSets[1];
    for (int a = 0; a <= 99; ++a) total += set.PopulationMale[a] + set.PopulationFemale[a];
    total += set.PopulationMale[100] + set.PopulationFemale[100];  // counted at 99
    EXPECT_NEAR(State.TotalMale + State.TotalFemale, total, 1e-6);
}

TEST_F(ProjectionViewTest, CancelledInputDisablesTheCommandsButKeepsAldersgruppe) {
    Project(2000, "1.8", "2030", "67");
    AnswerInputs("", "", "", false);
    Form1->Inddata1->trigger();
    EXPECT_FALSE(State.InputsAccepted);
    EXPECT_TRUE(CommandsDisabled());
    EXPECT_TRUE(Form1->Aldersgrupper1->isEnabled());
    EXPECT_TRUE(State.TableLines.empty());
}

TEST_F(ProjectionViewTest, ChartsSwitchFromTheMenuAndToolBar) {
    Project(2000, "1.8", "2030", "67");
    const std::vector<std::string> table = State.TableLines;
    Form1->Pyramide1->trigger();
    EXPECT_EQ(State.DisplayMode, 2);
    EXPECT_TRUE(Form3->Memo2->isHidden());
    EXPECT_EQ(State.ClickX, 1);
    EXPECT_EQ(State.CursorLineX, 0);
    QImage picture = Form3->ScrollBox1->Picture();
    Form3->ScrollBox1->Redraw();
    picture = Form3->ScrollBox1->Picture();
    // The centre axis of the pyramid at x 392, black from y 70 down to 352.
    EXPECT_EQ(picture.pixel(392, 200) & 0xFFFFFF, 0u);

    Form3->SpeedButton3->click();
    EXPECT_EQ(State.DisplayMode, 3);
    Form3->SpeedButton1->click();
    EXPECT_EQ(State.DisplayMode, 1);
    EXPECT_FALSE(Form3->Memo2->isHidden());
    EXPECT_EQ(State.TableLines, table);
}

TEST_F(ProjectionViewTest, FortsaetOffersTheNextYearAndStopsAt2100) {
    Project(2000, "1.8", "2099", "67");
    ASSERT_TRUE(Form1->Fortst1->isEnabled());
    QString offered;
    recorder.OnExec = [&](QDialog& dialog) {
        offered = BtnBottomDlg->Edit3->text();
        dialog.show();
        BtnBottomDlg->OKBtn->click();
        return dialog.result();
    };
    Form1->Fortst1->trigger();
    EXPECT_EQ(offered, "2100");
    EXPECT_EQ(State.TargetYear, 2100);
    EXPECT_EQ(State.DisplayMode, 4);
    EXPECT_TRUE(MemoLines()[3].contains("PROGNOSE  for året 2100")) << "the new table is on screen";
    ASSERT_EQ(State.TableLines.size(), 22u) << "what printing and copying read";
    EXPECT_NE(State.TableLines[1].find("PROGNOSE  for året 2100"), std::string::npos);
    QApplication::clipboard()->clear();
    Form3->SpeedButton9->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains("PROGNOSE  for året 2100")) << "and the copy holds it";
    const QString table2100 = Form3->Memo2->toPlainText();

    // At 2100 no dialog: the table is rebuilt from the state.
    recorder.ExecutedDialogs.clear();
    Form3->SpeedButton4->click();
    EXPECT_TRUE(recorder.ExecutedDialogs.isEmpty());
    EXPECT_EQ(Form3->Memo2->toPlainText(), table2100);

    Form1->Tabel2->trigger();
    EXPECT_EQ(State.TableLines.size(), 22u);
    EXPECT_EQ(State.DisplayMode, 1);

    // Recomputed from the base year: the same as projecting to 2100 at once.
    const auto continued = State.TableLines;
    Project(2000, "1.8", "2100", "67");
    EXPECT_EQ(State.TableLines, continued);
    EXPECT_FALSE(Form1->Fortst1->isEnabled()) << "nothing after 2100";
    EXPECT_FALSE(Form3->SpeedButton4->isEnabled()) << "the tool button follows its menu item";
    Project(2000, "1.8", "2099", "67");
    EXPECT_TRUE(Form3->SpeedButton4->isEnabled());
}

TEST_F(ProjectionViewTest, CancelledFortsaetPutsTheProjectionsInputsBack) {
    Project(2000, "1.8", "2030", "67");
    const std::vector<std::string> table = State.TableLines;
    Form1->Pyramide1->trigger();
    recorder.OnExec = [&](QDialog& dialog) {
        dialog.show();
        BtnBottomDlg->Edit1->setText("2.5");
        BtnBottomDlg->Edit3->setText("2040");
        BtnBottomDlg->Edit4->setText("200");  // stored on the way, then refused
        BtnBottomDlg->OKBtn->click();
        BtnBottomDlg->CancelBtn->click();
        return dialog.result();
    };
    Form1->Fortst1->trigger();
    EXPECT_EQ(recorder.Messages.size(), 1u);
    EXPECT_EQ(State.TargetYear, 2030);
    EXPECT_EQ(State.ChildrenPerFamily, 1.8);
    EXPECT_EQ(State.RetirementAge, 67);
    EXPECT_EQ(State.DisplayMode, 4) << "the chart is blanked";
    EXPECT_TRUE(State.TableLines.empty()) << "no table on show";

    Form1->Tabel2->trigger();
    EXPECT_EQ(State.TableLines, table);

    // The next Fortsæt: OK waits for an edit.
    bool okEnabled = true;
    recorder.OnExec = [&](QDialog& dialog) {
        dialog.show();
        okEnabled = BtnBottomDlg->OKBtn->isEnabled();
        BtnBottomDlg->CancelBtn->click();
        return dialog.result();
    };
    Form3->SpeedButton4->click();
    EXPECT_FALSE(okEnabled);
}

TEST_F(ProjectionViewTest, BaseYearChooserKeepsOrDisablesTheCommands) {
    Project(2000, "1.8", "2030", "67");
    // The same year again (Enter on the default button).
    recorder.OnExec = [&](QDialog& dialog) {
        dialog.show();
        EXPECT_EQ(Form7->Edit1->text(), "2000");
        EXPECT_EQ(Form7->focusWidget(), Form7->Edit1);
        QTest::keyClick(Form7->Edit1, Qt::Key_Return);
        return dialog.result();
    };
    Form1->Basisr1->trigger();
    EXPECT_EQ(State.BaseYear, 2000);
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(State.DisplayMode, 0);
    EXPECT_TRUE(Form3->Memo2->toPlainText().isEmpty()) << "empty until a picture is chosen";
    EXPECT_TRUE(State.TableLines.empty());

    // Another year, picked by a click on its row.
    recorder.OnExec = [&](QDialog& dialog) {
        dialog.show();
        Form7->Memo1MouseDown(100, 75);  // the second listed year
        EXPECT_EQ(Form7->Edit1->text(), "1990");
        EXPECT_EQ(Form7->focusWidget(), Form7->BitBtn1);
        Form7->BitBtn1->click();
        return dialog.result();
    };
    Form1->Basisr1->trigger();
    EXPECT_EQ(State.BaseYear, 1990);
    EXPECT_TRUE(CommandsDisabled());
}

TEST_F(ProjectionViewTest, BaseYearWithoutADataSetBecomesTheNewest) {
    State.BaseYear = 2000;
    recorder.OnExec = [&](QDialog& dialog) {
        dialog.show();
        Form7->Edit1->setText("1995");
        Form7->BitBtn1->click();
        return dialog.result();
    };
    Form1->Basisr1->trigger();
    EXPECT_EQ(State.BaseYear, 2008);

    // The input dialog's range now names the population projected.
    AnswerInputs("1.8", "2030", "67");
    Form1->Inddata1->trigger();
    EXPECT_EQ(BtnBottomDlg->Label3->text(), "Årstal (2008 .. 2100): ");
    EXPECT_NE(State.TableLines[1].find("Basisår: 2008"), std::string::npos);
}

TEST_F(ProjectionViewTest, ChooserRowsAndFocus) {
    ListBaseYears();
    State.BaseYear = 2008;
    Form7->show();
    struct {
        int x, y;
        const char* year;  // nullptr: the click does nothing
    } rows[] = {{81, 51, "1980"}, {114, 69, "1980"}, {100, 70, "1990"}, {100, 79, "1990"}, {100, 80, "2000"},
                {100, 95, "2008"}, {100, 109, "2008"}, {81, 50, nullptr}, {100, 110, nullptr},
                {80, 75, nullptr}, {115, 75, nullptr}};
    for (const auto& row : rows) {
        Form7->Edit1->setText("x");
        Form7->Memo1MouseDown(row.x, row.y);
        EXPECT_EQ(Form7->Edit1->text(), row.year ? row.year : "x") << row.x << ", " << row.y;
    }
    // Wherever the font draws a year, a click on it picks that year.
    for (const DrawnYear& year : DrawnYears(*Form7->Memo1, BaseYearPositions())) {
        const QRect drawn(QPoint(year.Left, year.Top), QPoint(year.Right, year.Bottom));
        for (const QPoint at : {drawn.topLeft(), drawn.center(), drawn.bottomRight()}) {
            Form7->Edit1->setText("x");
            QTest::mouseClick(Form7->Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            EXPECT_EQ(Form7->Edit1->text(), QString::number(State.YearChoices[year.Entry])) << at.x() << ", " << at.y();
        }
    }
    EXPECT_EQ(Form7->Memo1->toPlainText().split('\n').mid(3),
              QStringList({"          1980", "          1990", "          2000", "          2008"}));

    Form7->Edit1->clear();
    Form7->Edit1->setFocus();
    QTest::keyClicks(Form7->Edit1, "199");
    EXPECT_EQ(Form7->focusWidget(), Form7->Edit1);
    QTest::keyClicks(Form7->Edit1, "0");
    EXPECT_EQ(Form7->focusWidget(), Form7->BitBtn1) << "moves on with the fourth digit";

    State.DisplayMode = 3;
    QTest::keyClick(Form7, Qt::Key_Escape);
    EXPECT_EQ(State.BaseYear, 2008) << "Fortryd never changes it";
    EXPECT_EQ(State.DisplayMode, 0);
    EXPECT_FALSE(Form7->isVisible());
}

TEST_F(ProjectionViewTest, ModelTextShowsTheInputsAndClosesOnAChartClick) {
    Project(2000, "1.8", "2030", "67");
    Form3->SpeedButton6->click();
    ASSERT_TRUE(Model->isVisible());
    EXPECT_EQ(Model->size(), QSize(420, 140));
    EXPECT_EQ(Model->Memo1->toPlainText().split('\n'),
              QStringList({" ", " Børnetal pr. familie              : 1,80",
                           " Årstal (2000 .. 2100)             : 2030",
                           " Pensionsalder (mindst 50)         : 67", " "}));
    Form3->PaintBox1Click();
    EXPECT_FALSE(Model->isVisible());
}

TEST_F(ProjectionViewTest, CensusMenuTakesTheViewAway) {
    Project(2000, "1.8", "2030", "67");
    Form1->Middellevetid1->trigger();
    EXPECT_TRUE(Form3->isHidden());
    EXPECT_FALSE(Form1->Tabel2->isEnabled());
    EXPECT_FALSE(Form1->Fortst1->isEnabled());
    EXPECT_FALSE(Form3->SpeedButton1->isEnabled());
    Form4->hide();
}

TEST_F(ProjectionViewTest, AgeGroupDialogLeavesTheProjectionAsItWas) {
    Project(2000, "1.8", "2030", "67");
    const auto table = State.TableLines;
    const double total = State.TotalMale + State.TotalFemale;
    recorder.OnExec = [&](QDialog&) {
        // What the dialog may do while it lists other years.
        State.TargetYear = 2090;
        State.YearsToProject = 90;
        SetUpProjection();
        RunProjection();
        return int(QDialog::Accepted);
    };
    Form1->Aldersgrupper1->trigger();
    EXPECT_EQ(State.TargetYear, 2030);
    EXPECT_EQ(State.TotalMale + State.TotalFemale, total);
    Form3->SpeedButton1->click();
    EXPECT_EQ(State.TableLines, table);
}

// The README's pictures of the projection view.
TEST_F(ProjectionViewTest, DISABLED_ReadmePictures) {
    Project(2000, "1.8", "2030", "67");
    const QString dir = QString::fromStdString(PicturesDir());
    QApplication::processEvents();
    const QImage table = Form1->grab().toImage();
    Form1->Pyramide1->trigger();
    QApplication::processEvents();
    const QImage pyramid = Form1->grab().toImage();
    EXPECT_NE(table, pyramid);
    EXPECT_TRUE(table.save(QDir(dir).filePath("projection-table.png")));
    EXPECT_TRUE(pyramid.save(QDir(dir).filePath("projection-pyramid.png")));
}

}  // namespace
