// Choosing a census in the census view until its table is on screen: the
// chooser answered with a year, grouping and totals, the table built and the
// memo painted.
#include <benchmark/benchmark.h>

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "BenchSupport.h"
#include "Dialogs.h"
#include "Lys_erkl.h"
#include "Unit4.h"
#include "Unit8.h"

namespace {

// "Inddata" under "Folke&tællinger" until the table stands in the memo: the
// chooser shown (without its own event loop), a year typed and OK pressed,
// the census grouped and totalled, the table built and put in the memo.
// paint: 1 also paints the memo, as the screen would.
void BM_ChooseCensusToTable(benchmark::State& state) {
    EnsureProgram();
    State = ModelState();
    LoadAllData();
    const bool paint = state.range(0) != 0;
    const QString years[] = {"1787", "1901", "2006"};
    int next = 0;
    const ExecModalFunction saved = SetExecModalFunction([&](QDialog& dialog) {
        dialog.show();
        Form8->Edit1->setText(years[next]);
        Form8->BitBtn1->click();
        return dialog.result();
    });
    Form4->ShowView();
    for (auto _ : state) {
        next = (next + 1) % 3;
        Form4->ChooseCensus();
        if (paint) Form4->Memo2->repaint();
        benchmark::DoNotOptimize(State.TableLines.data());
    }
    SetExecModalFunction(saved);
    if (State.TableLines.size() != 22) state.SkipWithError("no census table shown");
}
BENCHMARK(BM_ChooseCensusToTable)->ArgName("paint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
