#include "Unit7.h"

#include "KeyFilter.h"
#include "Lys_erkl.h"
#include "ProjectionCommands.h"
#include "TextInput.h"
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
#include <QTextDocument>

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : QDialog(parent) {
    setObjectName("Form7");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFont(CourierNew(13));
    setFixedSize(386, 236);
    move(263, 116);

    Bevel1 = AddBevel(this, "Bevel1", QRect(16, 0, 353, 193));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(24, 8, 337, 145);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Imported base years can make the list longer than the window.
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    // The click rows of Memo1MouseDown assume the years' lines start at
    // about y 50, 15 pixels apart; with this margin the lines of the second
    // and third year meet where their click rows do (y 79 and 80).
    Memo1->document()->setDocumentMargin(5);
    Memo1->viewport()->installEventFilter(this);

    Label1 = AddLabel(this, "Label1", "Hvilket årstal ? ", 32, 160);

    Edit1 = AddEdit(this, "Edit1", QRect(184, 160, 73, 24));
    // Any character may be typed, but none with Alt held.
    FilterKeys(Edit1, {});

    BitBtn1 = new QPushButton("&OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(16, 200, 73, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);

    BitBtn2 = new QPushButton("&Fortryd", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(280, 200, 89, 25);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
}

void TForm7::FormShow() {
    Edit1->setText(QString::number(State.BaseYear));
    Edit1Change();  // also when the text was already there
    Memo1->clear();
    for (const std::string& line : BaseYearListLines()) Memo1->appendPlainText(QString::fromStdString(line));
    Edit1->setFocus();
}

void TForm7::Edit1Change() {
    const WholeNumberText number = ReadWholeNumber(Edit1->text().toStdString());
    ChosenYear = number.Value;
    ChosenYearValid = number.Valid;
    if (ChosenYearValid && HasBaseDataSet(ChosenYear)) BitBtn1->setFocus();
}

void TForm7::Memo1MouseDown(int x, int y) {
    // The line height of the font cannot fit every year into its click row,
    // so a click on a drawn year picks that year; elsewhere the rows decide.
    const bool scrolled = Memo1->verticalScrollBar()->value() > 0;
    const int32_t row = BaseYearAtClick(x, y, DrawnYears(*Memo1, BaseYearPositions()), scrolled);
    if (row == 0) return;
    Edit1->setText(QString::number(ListedBaseYear(row)));
    Edit1Change();
}

void TForm7::BitBtn1Click() {
    AcceptBaseYear(ChosenYear);
    accept();
}

void TForm7::BitBtn2Click() {
    QDialog::reject();
    CancelBaseYear();
}

// Escape is Fortryd.
void TForm7::reject() { BitBtn2Click(); }

void TForm7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    move(263, 116);
    FormShow();
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        Memo1MouseDown(at.x(), at.y());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
