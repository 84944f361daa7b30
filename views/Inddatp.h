// The projection input dialog "Inddata til Prognose": children per family,
// the year to project to and the retirement age. Each field is written into
// the model state as it changes; OK checks the three in order, names the
// first bad one and stays open; InputsAccepted tells the caller the outcome.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TBtnBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TBtnBottomDlg(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;  // children per family
    QLineEdit* Edit3;  // target year
    QLineEdit* Edit4;  // retirement age
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // The result of the last check: 0 all valid (or not all fields filled),
    // 1 children per family, 2 year, 3 retirement age invalid.
    int32_t InputError = 0;

    void ValidateInputs();
    // The fields as the projection view proposes them for the next opening.
    void ProposeTargetYear(int32_t year);
    void ProposeInputs(double childrenPerFamily, int32_t targetYear, int32_t retirementAge);

    void FormShow();
    void Edit1Change();
    void Edit3Change();
    void Edit4Change();
    // Each receives the typed character and may replace it; 0 drops the key.
    void Edit1KeyPress(char32_t& key);
    void Edit3KeyPress(char32_t& key);
    void Edit4KeyPress(char32_t& key);
    void OKBtnClick();
    void CancelBtnClick();
    // False refuses the close.
    bool FormClose();

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

extern TBtnBottomDlg* BtnBottomDlg;
