#include "Inddatp.h"

#include "Dialogs.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "Lys_erkl.h"
#include "NumberText.h"
#include "ProjectionCommands.h"
#include "ViewWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TBtnBottomDlg* BtnBottomDlg = nullptr;

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

    // While OK is enabled, Enter in a field presses it before the field sees it.
    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); })->SetEnterButton(OKBtn);
    FilterKeys(Edit3, [this](char32_t& key) { Edit3KeyPress(key); })->SetEnterButton(OKBtn);
    FilterKeys(Edit4, [this](char32_t& key) { Edit4KeyPress(key); })->SetEnterButton(OKBtn);
    connect(Edit1, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit1Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TBtnBottomDlg::Edit4Change);
    connect(OKBtn, &QPushButton::clicked, this, &TBtnBottomDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TBtnBottomDlg::CancelBtnClick);
    OKBtn->setFocus();
}

void TBtnBottomDlg::ValidateInputs() {
    const ProjectionInputCheck check = CheckProjectionInputs(State, Edit1->text().toStdString(),
                                                             Edit3->text().toStdString(), Edit4->text().toStdString());
    InputError = check.InputError;
    OKBtn->setEnabled(check.Filled);
}

void TBtnBottomDlg::ProposeTargetYear(int32_t year) { Edit3->setText(QString::number(year)); }

void TBtnBottomDlg::ProposeInputs(double childrenPerFamily, int32_t targetYear, int32_t retirementAge) {
    Edit1->setText(QString::fromStdString(FormatFixed(childrenPerFamily, 2)));
    ProposeTargetYear(targetYear);
    Edit4->setText(QString::number(retirementAge));
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

void TBtnBottomDlg::Edit1KeyPress(char32_t& key) {
    if (key == EnterKey) {
        Edit3->selectAll();
        Edit3->setFocus();
    }
    key = FilterKey(FieldKeys::Decimal, key);
}

void TBtnBottomDlg::Edit3KeyPress(char32_t& key) {
    if (key == EnterKey) {
        Edit4->selectAll();
        Edit4->setFocus();
    }
    key = FilterKey(FieldKeys::Digits, key);
}

void TBtnBottomDlg::Edit4KeyPress(char32_t& key) {
    if (key == EnterKey) OKBtn->setFocus();
    key = FilterKey(FieldKeys::Digits, key);
}

void TBtnBottomDlg::OKBtnClick() {
    ValidateInputs();
    if (InputError == 0) {
        AcceptProjectionInputs();
    } else {
        ShowMessageBox(QString::fromStdString(ProjectionInputMessage(InputError, State)),
                       QString::fromUtf8(ProjectionInputCaption));
    }
    if (State.InputsAccepted) done(QDialog::Accepted);
}

void TBtnBottomDlg::CancelBtnClick() {
    CancelProjectionInputs();
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
