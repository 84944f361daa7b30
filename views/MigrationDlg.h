// "Indvandring": the net migration per year that the projection adds, and
// the age profile it is spread by. OK checks the number, names its range
// when it is bad and stays open; with a good one the inputs are in force.
#pragma once

#include "StatbankImports.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TMigrationDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMigrationDlg(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;       // net migration per year
    QComboBox* ComboBox1;   // the age profile
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void FormShow();
    void Edit1Change();
    void Edit1KeyPress(char32_t& key);
    void ComboBox1Change(int index);
    void OKBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The profiles offered, in the order of ComboBox1, with the net
    // migration each proposes (0 for the standard profile: keep the field).
    std::vector<MigrationChoice> Choices;
};

extern TMigrationDlg* MigrationDlg;
