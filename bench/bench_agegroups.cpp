// "Vis resultat" in the age-group dialog with a full year list: 100 years,
// each projected afresh from the base year, and the seventeen censuses, until
// both lists are painted. The worst case: base year 1980, the target year
// 2100 and 98 added years late in the century.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "BenchSupport.h"
#include "Lys_erkl.h"
#include "Unit6.h"

namespace {

void BM_AgeGroupsShowResult(benchmark::State& state) {
    EnsureProgram();
    State = ModelState();
    LoadAllData();
    ListBaseYears();
    State.BaseYear = 1980;
    State.TargetYear = 2100;
    State.ChildrenPerFamily = 1.8;

    TBtnBottomDlg1* dialog = BtnBottomDlg1;
    dialog->show();
    dialog->Edit1->setText("20..64");
    for (int year = 2099; YearListCount < YearListSize; --year) dialog->Edit2->setText(QString::number(year));
    for (auto _ : state) {
        State.TargetYear = 2100;
        dialog->SpeedButton5->click();
        dialog->Memo1->repaint();
        dialog->Memo2->repaint();
    }
    if (TBtnBottomDlg1::MemoLines(dialog->Memo1).size() != 4 + YearListSize - 2 ||
        TBtnBottomDlg1::MemoLines(dialog->Memo2).size() != 20)
        state.SkipWithError("the lists are not complete");
    dialog->hide();
}
BENCHMARK(BM_AgeGroupsShowResult)->Unit(benchmark::kMillisecond);

}  // namespace
