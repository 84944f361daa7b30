#include "Unit6.h"
#include "TextInput.h"

#include "AgeInterval.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "Lys_erkl.h"
#include "ViewOutput.h"
#include "Overskr.h"
#include "ToolGlyphs.h"
#include "ViewWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>

TBtnBottomDlg1* BtnBottomDlg1 = nullptr;

namespace {

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, const QRect& geometry, bool verticalScrollBar) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

}  // namespace

TBtnBottomDlg1::TBtnBottomDlg1(QWidget* parent) : QDialog(parent) {
    setObjectName("BtnBottomDlg1");
    setWindowTitle("  Aldersgrupper");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(CourierNew(13));
    setFixedSize(723, 506);

    // Out of sight under Panel1 (made first, so the panel covers them).
    BitBtn1 = new QPushButton(ToolGlyphIcon(ToolGlyph::Leave), QString(), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(160, 16, 75, 25);
    Button2 = new QPushButton("OK", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(688, 6, 75, 25);
    Label5 = AddLabel(this, "Label5", "Aldersinterval (a..b) : ", 240, 20);
    for (QPushButton* hidden : {BitBtn1, Button2}) {
        hidden->setAutoDefault(false);
        hidden->setFocusPolicy(Qt::NoFocus);  // tabbing never lands on what cannot be seen
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TBtnBottomDlg1::BitBtn1Click);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(0, 0, 723, 57);
    Panel1->raise();

    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(20, 8, 113, 41));
    SpeedButton1 = AddSpeedButton(Panel1, "SpeedButton1", QRect(24, 12, 33, 33), "Udskriv tabellen", true,
                                  ToolGlyphIcon(ToolGlyph::Print));
    SpeedButton2 = AddSpeedButton(Panel1, "SpeedButton2", QRect(60, 12, 33, 33), QString(), false,
                                  ToolGlyphIcon(ToolGlyph::Heading));
    SpeedButton3 = AddSpeedButton(Panel1, "SpeedButton3", QRect(96, 12, 33, 33), QString(), false,
                                  ToolGlyphIcon(ToolGlyph::Copy));
    Bevel4 = AddBevel(Panel1, "Bevel4", QRect(152, 8, 41, 41));
    SpeedButton4 = AddSpeedButton(Panel1, "SpeedButton4", QRect(156, 12, 33, 33), QString(), false,
                                  ToolGlyphIcon(ToolGlyph::Leave));

    Label1 = AddLabel(this, "Label1", "Aldersinterval (a..b):", 56, 68);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(280, 64, 65, 24);

    Bevel1 = AddBevel(this, "Bevel1", QRect(16, 96, 329, 401));
    Label2 = AddLabel(this, "Label2", "Nyt årstal:", 32, 106);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setGeometry(224, 104, 49, 24);
    Bevel5 = AddBevel(this, "Bevel5", QRect(244, 132, 81, 41));
    SpeedButton5 = AddSpeedButton(this, "SpeedButton5", QRect(249, 136, 33, 33), "Vis resultat", true,
                                  ToolGlyphIcon(ToolGlyph::ListResult));
    SpeedButton6 = AddSpeedButton(this, "SpeedButton6", QRect(287, 136, 33, 33), "Slet alt", true,
                                  ToolGlyphIcon(ToolGlyph::ClearAll));
    Label6 = AddLabel(this, "Label6", "Fremskrevne data:", 56, 152);
    Memo1 = AddMemo(this, "Memo1", QRect(24, 176, 313, 313), true);

    Bevel3 = AddBevel(this, "Bevel3", QRect(352, 96, 361, 401));
    Label7 = AddLabel(this, "Label7", "Historiske data:", 392, 112);
    Memo2 = AddMemo(this, "Memo2", QRect(360, 136, 345, 353), false);
    Memo2->setFont(CourierNew(13));

    // The frames lie behind what they group.
    for (QFrame* bevel : {Bevel1, Bevel3, Bevel5}) bevel->lower();
    setTabOrder(Edit1, Edit2);

    connect(SpeedButton1, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TBtnBottomDlg1::SpeedButton6Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TBtnBottomDlg1::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TBtnBottomDlg1::Edit2Change);
    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); });
    FilterKeys(Edit2, [this](char32_t& key) { Edit2KeyPress(key); });
}

// A modal showing starts with the dialog active; the heading dialog, the one
// window of the program this dialog can hand the activation to, activates it
// again when it closes (see SpeedButton2Click).
void TBtnBottomDlg1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    FormShow();
    FormActivate();
}

void TBtnBottomDlg1::FormShow() {
    Edit1->clear();
    Edit2->clear();
    Memo1->clear();
    Memo2->clear();

    // While the census view holds the shared state there is no projection to
    // list: only the censuses are, and no year can be added.
    Opening = OpenAgeGroups();
    Label2->setText(QString::fromStdString(Opening.YearCaption));
    Label2->adjustSize();
    Label2->setEnabled(Opening.ProjectionListed);
    Edit2->setEnabled(Opening.ProjectionListed);

    Edit1->setFocus();
    SpeedButton1->setEnabled(false);
    SpeedButton3->setEnabled(false);
    SpeedButton5->setEnabled(false);
}

void TBtnBottomDlg1::FormActivate() {
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    move(screen.x() + (screen.width() - frameGeometry().width()) / 2, 155);

    StartAgeGroupYears(Opening);
}

bool TBtnBottomDlg1::ParseInterval() { return ReadAgeGroupInterval(Edit1->text().toStdString()); }

void TBtnBottomDlg1::Edit1Change() {
    SpeedButton5->setEnabled(ParseInterval());
}

void TBtnBottomDlg1::Edit2Change() {
    if (AgeGroupYearTyped(Edit2->text().toStdString())) SpeedButton5->setEnabled(true);
}

void TBtnBottomDlg1::Edit1KeyPress(char32_t& key) {
    if (key == EnterKey && ParseInterval()) ShowResult();
    key = FilterKey(FieldKeys::Interval, key);
}

void TBtnBottomDlg1::Edit2KeyPress(char32_t& key) {
    if (key == EnterKey && ParseInterval()) ShowResult();
    key = FilterKey(FieldKeys::Digits, key);
}

namespace {

QString JoinedLines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) joined << QString::fromStdString(line);
    return joined.join('\n');
}

}  // namespace

void TBtnBottomDlg1::ShowResult() {
    const AgeGroupResult result = MakeAgeGroupResult(Opening);
    Memo2->setPlainText(JoinedLines(result.Historical));
    Memo2->moveCursor(QTextCursor::Start);
    Memo2->verticalScrollBar()->setValue(0);
    Memo1->setPlainText(JoinedLines(result.Projected));

    SpeedButton1->setEnabled(true);
    SpeedButton3->setEnabled(true);
}

QStringList TBtnBottomDlg1::MemoLines(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    if (text.isEmpty()) return {};
    return text.split('\n');
}

std::vector<std::string> TBtnBottomDlg1::MemoStrings(const QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    for (const QString& line : MemoLines(memo)) lines.push_back(line.toStdString());
    return lines;
}

void TBtnBottomDlg1::SpeedButton1Click() {
    PrepareAgeGroupPrintout(PrintoutHeading().toStdString(), Edit1->text().toStdString(), MemoStrings(Memo1),
                            MemoStrings(Memo2));
    PrintPages(this, State.PrintLines);
}

void TBtnBottomDlg1::SpeedButton2Click() {
    ShowHeadingDialog();
    // Closing the heading dialog makes this one the active window again.
    FormActivate();
}

void TBtnBottomDlg1::SpeedButton3Click() {
    QStringList lines;
    for (const std::string& line :
         AgeGroupCopiedLines(PrintoutHeading().toStdString(), MemoStrings(Memo1), MemoStrings(Memo2)))
        lines << QString::fromStdString(line);
    CopyLines(lines);
}

void TBtnBottomDlg1::SpeedButton4Click() {
    close();
}

void TBtnBottomDlg1::SpeedButton5Click() {
    ShowResult();
}

void TBtnBottomDlg1::SpeedButton6Click() {
    Memo1->clear();
    Memo2->clear();
    Edit1->clear();
    Edit2->clear();
    ClearAgeGroupYears();
    Edit1->setFocus();
}

void TBtnBottomDlg1::BitBtn1Click() {
    close();
}
