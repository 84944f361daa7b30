#include "Forms.h"

#include "About.h"
#include "Mainunit.h"
#include "Overskr.h"
#include "Pictures.h"
#include "Inddatp.h"
#include "MigrationDlg.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QApplication>
#include <QFont>

namespace {

// The windows in the order they were made, kept for the whole run.
QStringList Created;

template <class Window, class... Args>
void Create(Window*& instance, Args... args) {
    instance = new Window(args...);
    Created.append(instance->objectName());
}

// The windows ask for the fonts of the desktop they were designed on; these
// are the installed fonts with the same metrics (or the nearest look).
void SubstituteFonts() {
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Courier", "Liberation Mono");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("System", "Liberation Sans");
}

// A window tells another what to show by a signal; none reaches into
// another's fields.
void ConnectWindows() {
    QObject::connect(Form3, &TForm3::TargetYearProposed, BtnBottomDlg, &TBtnBottomDlg::ProposeTargetYear);
    QObject::connect(Form3, &TForm3::InputsProposed, BtnBottomDlg, &TBtnBottomDlg::ProposeInputs);
    QObject::connect(Form3, &TForm3::ModelTextShown, Model, &TModel::ShowLines);
    QObject::connect(Form3, &TForm3::ModelTextDismissed, Model, &TModel::Dismiss);
}

}  // namespace

void CreateForms() {
    if (Form1) return;
    Q_INIT_RESOURCE(lysvandre);
    SubstituteFonts();
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName("lysvandre");

    Create(Form1);
    Create(AboutBox, Form1);
    Create(BtnBottomDlg, Form1);
    Create(Form2);
    Create(Form3);
    Create(Form4);
    Form1->ConnectViews();
    Create(Model, Form1);
    Create(BtnBottomDlg1, Form1);
    Create(Form7, Form1);
    Create(Form8, Form1);
    Create(Overskrif, Form1);
    Create(MigrationDlg, Form1);
    Create(Form9, Form1);
    ConnectWindows();
}

const QStringList& CreatedForms() {
    return Created;
}
