// From OK in the input dialog to the projection table shown: set-up, 120
// yearly steps (1980 to 2100), group totals and the 22 lines into the memo.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "Dialogs.h"
#include "Forms.h"
#include "Inddatp.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "Unit3.h"

namespace {

void EnsureProgram() {
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "lysvandre_bench";
        static char* argv[] = {name, nullptr};
        static QApplication app(argc, argv);
    }
    CreateForms();
    if (State.BaseDataSets[0].Year == 0) LoadAllData();
}

void BM_OkToProjectionTable(benchmark::State& bench) {
    EnsureProgram();
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
