#include "MigrationDlg.h"

#include "Dialogs.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "Migration.h"
#include "StatbankImports.h"
#include "ViewWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TMigrationDlg* MigrationDlg = nullptr;

TMigrationDlg::TMigrationDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("MigrationDlg");
    setWindowTitle("Indvandring");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(CourierNew(13));
    setFixedSize(339, 118);

    Bevel1 = AddBevel(this, "Bevel1", QRect(8, 8, 321, 65));
    Label1 = AddLabel(this, "Label1", "Nettoindvandring pr. år: ", 20, 20);
    Label2 = AddLabel(this, "Label2", "Aldersprofil: ", 20, 44);
    Edit1 = AddEdit(this, "Edit1", QRect(240, 16, 73, 24));
    Edit1->setText("0");
    Edit1->setToolTip(QString::fromUtf8(NetMigrationMessage));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(160, 41, 153, 24);

    OKBtn = new QPushButton("&OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(24, 84, 77, 27);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKBtn->setDefault(true);

    CancelBtn = new QPushButton("&Fortryd", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(216, 83, 89, 27);
    CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); })->SetEnterButton(OKBtn);
    connect(Edit1, &QLineEdit::textChanged, this, &TMigrationDlg::Edit1Change);
    connect(ComboBox1, &QComboBox::activated, this, &TMigrationDlg::ComboBox1Change);
    connect(OKBtn, &QPushButton::clicked, this, &TMigrationDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TMigrationDlg::CancelBtnClick);
}

// Offers what is in force: its number and its profile among those at hand.
void TMigrationDlg::FormShow() {
    Choices = MigrationChoices();
    ComboBox1->clear();
    int current = 0;
    for (size_t i = 0; i < Choices.size(); ++i) {
        ComboBox1->addItem(QString::fromStdString(MigrationProfileName(Choices[i].Profile)));
        if (Choices[i].Profile == State.Migration) current = static_cast<int>(i);
    }
    ComboBox1->setCurrentIndex(current);
    Edit1->setText(QString::number(State.NetMigration));
    Edit1->selectAll();
    Edit1->setFocus();
}

void TMigrationDlg::Edit1Change() { OKBtn->setEnabled(CheckNetMigration(Edit1->text().toStdString()).Filled); }

void TMigrationDlg::Edit1KeyPress(char32_t& key) { key = FilterKey(FieldKeys::Signed, key); }

// A year's own profile proposes that year's net migration.
void TMigrationDlg::ComboBox1Change(int index) {
    if (index <= 0 || index >= static_cast<int>(Choices.size())) return;
    Edit1->setText(QString::number(Choices[index].ProposedNet));
}

void TMigrationDlg::OKBtnClick() {
    const NetMigrationCheck check = CheckNetMigration(Edit1->text().toStdString());
    if (!check.Filled) return;
    if (!check.Valid) {
        ShowMessageBox(QString::fromUtf8(NetMigrationMessage), QString::fromUtf8(ProjectionInputCaption));
        return;
    }
    ChooseMigration(ComboBox1->currentIndex(), check.Value);
    accept();
}

void TMigrationDlg::CancelBtnClick() { reject(); }

void TMigrationDlg::showEvent(QShowEvent* event) {
    QRect box = frameGeometry();
    box.moveCenter((parentWidget() ? parentWidget()->screen() : screen())->geometry().center());
    move(box.topLeft());
    QDialog::showEvent(event);
    FormShow();
}
