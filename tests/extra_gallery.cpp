// Makes the README's pictures of the "Ekstra" commands: a projection played
// and stopped half way, the projection's pyramid over its base year, and a
// census pyramid in percent. Not a test; run it offscreen with the folder to
// write into:
//   QT_QPA_PLATFORM=offscreen build/tests/lysvandre_extra_gallery docs
#include "Dialogs.h"
#include "Forms.h"
#include "Inddatp.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit8.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void Settle(int ms = 200) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(const QDir& dir, const char* name) {
    Settle();
    const bool ok = Form1->grab().save(dir.filePath(name));
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(dir.filePath(name)));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    CreateForms();
    Form1->resize(900, 640);
    Form1->show();
    Settle(500);

    int32_t censusYear = 1901;
    SetExecModalFunction([&censusYear](QDialog& dialog) {
        if (&dialog == Form8) {
            State.BaseYear = censusYear;
            ChosenCensusYear = censusYear;
            ChosenCensusYearValid = true;
            return int(QDialog::Accepted);
        }
        if (&dialog != BtnBottomDlg) return int(QDialog::Rejected);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        for (auto [edit, text] : {std::pair{BtnBottomDlg->Edit1, "1.6"}, {BtnBottomDlg->Edit3, "2060"},
                                  {BtnBottomDlg->Edit4, "67"}}) {
            edit->clear();
            edit->setText(text);
        }
        BtnBottomDlg->OKBtn->click();
        dialog.hide();
        return dialog.result();
    });

    bool ok = true;
    State.BaseYear = 2008;
    Form1->Inddata1->trigger();
    Form1->Pyramide1->trigger();
    Form3->PlayProjection();
    while (Form3->Playing() && Form3->PlaybackYear() < 2034) Settle(20);
    Form3->StopPlayback();
    ok = Save(dir, "extra-playback.png") && ok;

    Form1->Pyramide1->trigger();
    Form3->ToggleBaseYearComparison();
    ok = Save(dir, "extra-compare.png") && ok;

    Form1->Inddata2->trigger();
    Form1->Pyramide2->trigger();
    Form4->TogglePercent();
    censusYear = 1801;
    Form4->ToggleCensusComparison();
    ok = Save(dir, "extra-percent.png") && ok;
    return ok ? 0 : 1;
}
