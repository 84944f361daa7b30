// From OK in the input dialog to the projection table shown: set-up, 120
// yearly steps (1980 to 2100), group totals and the 22 lines into the memo.
#include <benchmark/benchmark.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "BenchSupport.h"
#include "Dialogs.h"
#include "Inddatp.h"
#include "Lys_erkl.h"
#include "Unit3.h"

namespace {

void BM_OkToProjectionTable(benchmark::State& bench) {
    EnsureProgram();
    State = ModelState();
    LoadAllData();
    BtnBottomDlg->Edit1->setText("1.8");
    BtnBottomDlg->Edit3->setText("2100");
    BtnBottomDlg->Edit4->setText("67");
    // The dialog answered by pressing OK, as the user does.
    const ExecModalFunction saved = SetExecModalFunction([](QDialog&) {
        BtnBottomDlg->OKBtn->click();
        return int(QDialog::Accepted);
    });
    for (auto _ : bench) {
        State.BaseYear = 1980;
        Form3->EnterInputs();
        benchmark::DoNotOptimize(State.TableLines.data());
    }
    SetExecModalFunction(saved);
    if (State.TableLines.size() != 22 || State.YearsToProject != 120) bench.SkipWithError("no 120-year table");
}
BENCHMARK(BM_OkToProjectionTable)->Unit(benchmark::kMicrosecond);

}  // namespace
