// The census-year chooser: lists the seventeen census years and leaves the
// year typed or picked in BaseYear. The census view fills YearChoices before
// it opens the chooser and decides from BaseYear alone what to show.
#pragma once

#include "CensusCommands.h"

#include <QDialog>
#include <QString>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The number now in Edit1 (0 when the text is not a whole number in range),
// and whether it is one of the seventeen census years.
// Members of ViewGlobals.
extern int32_t& ChosenCensusYear;
extern bool& ChosenCensusYearValid;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QPlainTextEdit* Memo1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;  // "&OK", the default button
    QPushButton* BitBtn2;  // "&Fortryd", answers Escape

    void FormShow();
    void Edit1Change();
    // Receives the typed character and may replace it; 0 drops the key.
    void Edit1KeyPress(char32_t& key);
    // (x, y) inside the memo's text area.
    void Memo1MouseDown(int x, int y);
    void BitBtn1Click();
    void BitBtn2Click();

    // Escape and the window's close button cancel like "&Fortryd".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The year typed and the base year Fortryd puts back.
    CensusChoice Choice;
};

extern TForm8* Form8;
