// The base-year chooser: a borderless modal window listing the years of the
// base populations, built in and imported; the year is typed or picked by a
// click.
#pragma once

#include <QDialog>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QPlainTextEdit* Memo1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;  // OK, the default button
    QPushButton* BitBtn2;  // Fortryd

    // The number last converted from Edit1 (the part converted so far when
    // the text is not a whole number, 0 for an empty field).
    int32_t ChosenYear = 0;
    bool ChosenYearValid = false;

    void FormShow();
    void Edit1Change();
    // x and y in Memo1's client coordinates.
    void Memo1MouseDown(int x, int y);
    void BitBtn1Click();
    void BitBtn2Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TForm7* Form7;
