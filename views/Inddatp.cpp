#include "Inddatp.h"
#include "TextInput.h"

#include "Dialogs.h"
#include "Lys_erkl.h"
#include "ViewWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <charconv>
#include <limits>
#include <string>

TBtnBottomDlg* BtnBottomDlg = nullptr;

bool ConvertWholeNumber(const QString& text, int32_t& value) {
    const WholeNumberText number = ReadWholeNumber(text.toStdString());
    value = number.Value;
    return number.Valid;
}

bool ConvertDecimalNumber(const QString& text, double& value) {
    const DecimalNumberText number = ReadDecimalNumber(text.toStdString());
    value = number.Value;
    return number.Valid;
}

namespace {

// "Filled" means the text sorts after a single blank, byte by byte.
bool Filled(const QLineEdit* edit) { return edit->text().toUtf8() > QByteArray(" "); }

bool IsDigit(char16_t key) { return key >= u'0' && key <= u'9'; }

constexpr char16_t Backspace = 8;

}  // namespace

TBtnBottomDlg::TBtnBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("BtnBottomDlg");
    setWindowTitle("Inddata til Prognose");
    // A dialog frame with no buttons in its title bar: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(CourierNew(13));
    setFixedSize(339, 142);

    Bevel1 = AddBevel(this, "Bevel1", QRect(8, 8, 321, 89));

    Label1 = AddLabel(this, "Label1", "Børnetal pr. familie (max 6): ", 20, 20);
    Label3 = AddLabel(this, "Label3", "Årstal ", 20, 44);
    Label4 = AddLabel(this, "Label4", "Pensionsalder (mindst 50) : ", 20, 68);

    Edit1 = AddEdit(this, "Edit1", QRect(264, 16, 49, 24));
    Edit3 = AddEdit(this, "Edit3", QRect(264, 40, 49, 24));
    Edit4 = AddEdit(this, "Edit4", QRect(264, 64, 49, 24));

    OKBtn = new QPushButton("&OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(24, 108, 77, 27);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKBtn->setDefault(true);

    CancelBtn = new QPushButton("&Fortryd", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(216, 107, 89, 27);
    CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    setTabOrder(Edit1, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    for (QLineEdit* edit : {Edit1, Edit3, Edit4}) edit->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit1Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit4Change);
    connect(OKBtn, &QPushButton::clicked, this, &TBtnBottomDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TBtnBottomDlg::CancelBtnClick);
    OKBtn->setFocus();
}

void TBtnBottomDlg::ValidateInputs() {
    const bool filled = Filled(Edit1) && Filled(Edit3) && Filled(Edit4);
    InputError = 0;
    OKBtn->setEnabled(filled);
    if (!filled) return;

    // Each value is written through whatever it is; the first bad one stops.
    const bool children = ConvertDecimalNumber(Edit1->text(), State.ChildrenPerFamily);
    if (!children || !(State.ChildrenPerFamily > 0 && State.ChildrenPerFamily <= 6)) {
        InputError = 1;
        return;
    }
    const bool year = ConvertWholeNumber(Edit3->text(), State.TargetYear);
    if (!year || State.TargetYear < State.BaseYear || State.TargetYear > 2100) {
        InputError = 2;
        return;
    }
    const bool age = ConvertWholeNumber(Edit4->text(), State.RetirementAge);
    if (!age || State.RetirementAge < 50 || State.RetirementAge >= 100) InputError = 3;
}

void TBtnBottomDlg::FormShow() {
    Label3->setText("Årstal (" + QString::number(State.BaseYear) + " .. 2100): ");
    Label3->adjustSize();
    ValidateInputs();
    if (State.InputsAccepted) {
        OKBtn->setFocus();
    } else {
        OKBtn->setEnabled(false);
        Edit1->setFocus();
    }
}

void TBtnBottomDlg::Edit1Change() { ValidateInputs(); }
void TBtnBottomDlg::Edit3Change() { ValidateInputs(); }
void TBtnBottomDlg::Edit4Change() { ValidateInputs(); }

void TBtnBottomDlg::Edit1KeyPress(char16_t& key) {
    if (key == u'\r') {
        Edit3->selectAll();
        Edit3->setFocus();
        key = 0;
    } else if (key == u',') {
        key = u'.';
    } else if (!IsDigit(key) && key != u'.' && key != Backspace) {
        key = 0;
    }
}

void TBtnBottomDlg::Edit3KeyPress(char16_t& key) {
    if (key == u'\r') {
        Edit4->selectAll();
        Edit4->setFocus();
        key = 0;
    } else if (!IsDigit(key) && key != Backspace) {
        key = 0;
    }
}

void TBtnBottomDlg::Edit4KeyPress(char16_t& key) {
    if (key == u'\r') {
        OKBtn->setFocus();
        key = 0;
    } else if (!IsDigit(key) && key != Backspace) {
        key = 0;
    }
}

void TBtnBottomDlg::OKBtnClick() {
    ValidateInputs();
    switch (InputError) {
        case 0:
            State.InputsAccepted = true;
            if (State.DisplayMode == 0) SetUpProjection();
            break;
        case 1:
            ShowMessageBox("Antal børn højst 6", "Ups");
            break;
        case 2:
            if (State.TargetYear < State.BaseYear)
                ShowMessageBox("Årstal>=" + QString::number(State.BaseYear), "Ups");
            else
                ShowMessageBox("Årstal<=2100", "Ups");
            break;
        case 3:
            ShowMessageBox("Pensionsalder mellem 50 og 99", "Ups");
            break;
        default:
            break;
    }
    if (State.InputsAccepted) done(QDialog::Accepted);
}

void TBtnBottomDlg::CancelBtnClick() {
    State.InputsAccepted = false;
    State.DisplayMode = 0;
    InputError = 0;
    QDialog::done(QDialog::Rejected);
}

bool TBtnBottomDlg::FormClose() { return InputError <= 0; }

// Every way of closing passes here; after a failed check the dialog stays.
void TBtnBottomDlg::done(int result) {
    if (!FormClose()) return;
    QDialog::done(result);
}

// Escape (and a close request from the window system) is Fortryd.
void TBtnBottomDlg::reject() { CancelBtnClick(); }

void TBtnBottomDlg::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TBtnBottomDlg::showEvent(QShowEvent* event) {
    // Centred on the screen.
    QRect box = frameGeometry();
    box.moveCenter((parentWidget() ? parentWidget()->screen() : screen())->geometry().center());
    move(box.topLeft());
    QDialog::showEvent(event);
    FormShow();
}

bool TBtnBottomDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);

    char16_t typed = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // The default button takes Enter before the field sees it.
        if (OKBtn->isEnabled()) {
            OKBtn->click();
            return true;
        }
        typed = u'\r';
    } else if (key->key() == Qt::Key_Backspace) {
        typed = Backspace;
    } else {
        const QString text = key->text();
        // Editing and shortcut keys (arrows, Delete, Ctrl+V, ...) are not
        // typed characters; what they bring in is checked by ValidateInputs.
        // Delete comes with the text "\x7f" on X11, Escape with "\x1b".
        if (text.size() != 1 || !text[0].isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)))
            return QDialog::eventFilter(watched, event);
        typed = text[0].unicode();
    }

    const char16_t original = typed;
    if (edit == Edit1) Edit1KeyPress(typed);
    else if (edit == Edit3) Edit3KeyPress(typed);
    else Edit4KeyPress(typed);

    if (typed == 0) return true;
    if (typed != original) {
        edit->insert(QString(QChar(typed)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
