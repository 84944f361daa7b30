#include "Unit8.h"

#include "InputRules.h"
#include "KeyFilter.h"
#include "Lys_erkl.h"
#include "ViewWindow.h"
#include "YearLists.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
    setObjectName("Form8");
    setWindowTitle("");
    setFont(CourierNew(13));
    setFixedSize(427, 214);

    Bevel1 = AddBevel(this, "Bevel1", QRect(8, 8, 409, 169));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(16, 16, 385, 129);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFocusPolicy(Qt::NoFocus);
    // With this margin every year line lies in its 15-pixel click row (from
    // y 56) and every year within its 65-pixel column. All seven lines fit,
    // so the margin below them needs no scroll bar.
    Memo1->document()->setDocumentMargin(11);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->installEventFilter(this);

    Label1 = AddLabel(this, "Label1", "Vælg årstal: ", 112, 152);

    Edit1 = AddEdit(this, "Edit1", QRect(256, 152, 57, 24));
    connect(Edit1, &QLineEdit::textChanged, this, &TForm8::Edit1Change);

    BitBtn1 = new QPushButton("&OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(16, 184, 65, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn1->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    // Enter is no digit, but while OK is enabled it goes to OK first.
    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); })->SetEnterButton(BitBtn1);

    BitBtn2 = new QPushButton("&Fortryd", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(312, 184, 89, 25);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    // Focused, it takes Enter itself, as OK does; elsewhere Enter goes to OK.
    BitBtn2->setAutoDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm8::BitBtn2Click);
}

void TForm8::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm8::FormShow() {
    // Emptying the field is a change; an empty field is one too, so that a
    // year left in BaseYear by anything before (a projection's base year)
    // never counts as chosen here.
    {
        const QSignalBlocker quiet(Edit1);
        Edit1->clear();
    }
    Choice = BeginCensusChoice();
    ChosenCensusYear = Choice.Year;
    ChosenCensusYearValid = Choice.Valid;

    // Three header lines, then the years five to a line, eight characters each.
    QStringList lines;
    for (const std::string& line : CensusYearListLines()) lines.append(QString::fromStdString(line));
    Memo1->setPlainText(lines.join('\n'));
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->horizontalScrollBar()->setValue(0);

    Edit1->setFocus();
    BitBtn1->setEnabled(false);
}

void TForm8::Edit1KeyPress(char32_t& key) { key = FilterKey(DigitKeys, key); }

void TForm8::Edit1Change() {
    CensusYearTyped(Choice, Edit1->text().toStdString());
    ChosenCensusYear = Choice.Year;
    ChosenCensusYearValid = Choice.Valid;
    BitBtn1->setEnabled(ChosenCensusYearValid);
    if (ChosenCensusYearValid) BitBtn1->setFocus();
}

void TForm8::Memo1MouseDown(int x, int y) {
    // A click on a drawn year picks it, whatever the font; elsewhere the
    // column and row limits decide.
    const int32_t index = CensusYearAtClick(x, y, DrawnYears(*Memo1, CensusYearPositions()));
    if (index <= CensusYearCount) Edit1->setText(QString::number(State.YearChoices[index]));
}

void TForm8::BitBtn1Click() {
    AcceptCensusYear(Choice);
    accept();
}

void TForm8::BitBtn2Click() {
    QDialog::reject();
    CancelCensusYear(Choice);
}

void TForm8::reject() {
    BitBtn2Click();
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        Memo1MouseDown(at.x(), at.y());
    }
    return QDialog::eventFilter(watched, event);
}
