// The age-group dialog: for an age interval a..b it lists how many people
// the interval holds, in millions and as a share of everybody, for the
// projection (base year, target year and any years the pupil adds) and for
// every built-in census.
#pragma once

#include "AgeGroupCommands.h"
#include "ViewGlobals.h"

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// YearList, YearListCount and HistoricalLineCount: the core's
// (AgeGroupCommands.h).

// True while the model holds the inputs of a projection that can be listed:
// the base-year choices are the data-set years, the base year is one of them
// and the target year lies between it and 2100. Not so after the census view
// took over the shared state.

class TBtnBottomDlg1 : public QDialog {
    Q_OBJECT
public:
    explicit TBtnBottomDlg1(QWidget* parent = nullptr);

    QFrame* Panel1;
    QFrame* Bevel2;
    QToolButton* SpeedButton1;  // print
    QToolButton* SpeedButton2;  // printout heading
    QToolButton* SpeedButton3;  // copy
    QFrame* Bevel4;
    QToolButton* SpeedButton4;  // close
    QLabel* Label1;
    QLineEdit* Edit1;  // the interval, a..b
    QFrame* Bevel1;
    QLabel* Label2;
    QLineEdit* Edit2;  // a further year
    QFrame* Bevel5;
    QToolButton* SpeedButton5;  // "Vis resultat"
    QToolButton* SpeedButton6;  // "Slet alt"
    QLabel* Label6;
    QPlainTextEdit* Memo1;  // projected lines
    QFrame* Bevel3;
    QLabel* Label7;
    QPlainTextEdit* Memo2;  // historical lines
    // Under Panel1, out of sight.
    QPushButton* BitBtn1;
    QPushButton* Button2;
    QLabel* Label5;

    void FormShow();
    void FormActivate();
    // Each receives the typed character and may replace it; 0 drops the key.
    void Edit1KeyPress(char32_t& key);
    void Edit1Change();
    void Edit2KeyPress(char32_t& key);
    void Edit2Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void BitBtn1Click();

    bool ParseInterval();
    void ShowResult();

    // The lines of a memo as the printout and the copy take them (none when
    // it is empty).
    static QStringList MemoLines(const QPlainTextEdit* memo);
    static std::vector<std::string> MemoStrings(const QPlainTextEdit* memo);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Whether this showing lists a projection, and the target year it was
    // opened with: every activation lists it again, whatever Edit2 or the
    // last result left in TargetYear.
    AgeGroupOpening Opening{true, 0, {}};
};

extern TBtnBottomDlg1* BtnBottomDlg1;
