// The printout heading dialog: a name or heading the user puts above every
// printout and clipboard copy. Created once; the field keeps its text from
// one showing to the next.
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The field's text when the dialog last became active; Fortryd goes back to
// it. A member of ViewGlobals.
extern QString& SavedHeading;

class TOverskrif : public QDialog {
    Q_OBJECT
public:
    explicit TOverskrif(QWidget* parent = nullptr);

    // The heading printouts and copies read; empty at start.
    QString HeadingText;

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    // No heading and an empty field, as at start.
    void ClearHeading();

    void FormActivate();
    // Receives the typed character and may replace it; 0 drops the key.
    void Edit1KeyPress(char32_t& key);
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

extern TOverskrif* Overskrif;

// The heading goes in front of a text printout or copy only when it sorts
// after a single blank: an empty heading and one blank are left out.
bool HeadingUsed();
