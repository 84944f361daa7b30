#include "Unit2.h"

#include "Dialogs.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "Lifetime.h"
#include "LifetimeGraph.h"
#include "LifetimeCommands.h"
#include "LifetimeTable.h"
#include "Lys_erkl.h"
#include "NumberText.h"
#include "ViewOutput.h"
#include "PopulationChart.h"
#include "ToolGlyphs.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TForm2* Form2 = nullptr;

namespace {

QFrame* AddPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    return panel;
}

}  // namespace

// ---------------------------------------------------------------------------
// TForm2

TForm2::TForm2() {
    setObjectName("Form2");
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFont(CourierNew(16, true));
    resize(760, 499);

    Panel1 = AddToolBarPanel(this, "Panel1", 73);
    Label1 = AddLabel(Panel1, "Label1", "Personens alder:", 16, 8);
    Edit1 = AddEdit(Panel1, "Edit1", QRect(204, 4, 33, 26));
    Label2 = AddLabel(Panel1, "Label2", "og køn (m/k): ", 268, 8);
    Edit2 = AddEdit(Panel1, "Edit2", QRect(400, 4, 29, 26));
    Label3 = AddLabel(Panel1, "Label3", "2. persons alder:", 16, 44);
    Edit3 = AddEdit(Panel1, "Edit3", QRect(204, 40, 33, 26));
    Label4 = AddLabel(Panel1, "Label4", "og køn (m/k): ", 268, 44);
    Edit4 = AddEdit(Panel1, "Edit4", QRect(400, 40, 29, 26));
    Button1 = new QPushButton("OK", Panel1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(448, 40, 45, 25);
    // Enter on the focused OK presses it, as the fields' Enter leads there.
    Button1->setAutoDefault(true);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Button1);

    Bevel1 = AddBevel(Panel1, "Bevel1", QRect(504, 28, 77, 41));
    SpeedButton3 = AddSpeedButton(Panel1, "SpeedButton3", QRect(508, 32, 33, 33), "Tabel", true,
                                  ToolGlyphIcon(ToolGlyph::Table));
    SpeedButton2 = AddSpeedButton(Panel1, "SpeedButton2", QRect(544, 32, 33, 33), "Graf", true,
                                  ToolGlyphIcon(ToolGlyph::Graph));
    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(592, 28, 113, 41));
    SpeedButton1 = AddSpeedButton(Panel1, "SpeedButton1", QRect(596, 32, 33, 33), "Udskriv", true,
                                  ToolGlyphIcon(ToolGlyph::Print));
    SpeedButton1->setEnabled(false);
    SpeedButton4 = AddSpeedButton(Panel1, "SpeedButton4", QRect(632, 32, 33, 33),
                                  "Navn eller overskrift til udskrifter", true, ToolGlyphIcon(ToolGlyph::Heading));
    SpeedButton5 = AddSpeedButton(Panel1, "SpeedButton5", QRect(668, 32, 33, 33), "Kopier til Klippebordet", true,
                                  ToolGlyphIcon(ToolGlyph::Copy));
    // The graph glyph is 16 x 16; the others fill their buttons.
    SpeedButton2->setIconSize(QSize(16, 16));

    // The middle: two always hidden side panels around the scroll box, which
    // holds the paint box and, over it, the grid.
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    Panel2 = HiddenPanel(this, "Panel2");
    Panel2->setFixedWidth(13);
    Panel3 = HiddenPanel(this, "Panel3");
    Panel3->setFixedWidth(11);
    ScrollBox1 = AddPanel(this, "ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(white);
    ScrollBox1->setAutoFillBackground(true);
    auto* stack = new QGridLayout(ScrollBox1);
    stack->setContentsMargins(0, 0, 0, 0);
    PaintBox1 = new ChartPaintBox(ScrollBox1);
    PaintBox1->setFont(CourierNew(16, true));
    PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
    PaintBox1->OnMouseUp = [this](Qt::MouseButton button, int x, int) { PaintBox1MouseUp(button, x); };
    // Left and right move the cursor a year of age, as a click would place it.
    PaintBox1->OnArrowKey = [this](int key) {
        if (key != Qt::Key_Left && key != Qt::Key_Right) return;
        StepLifetimeCursor(PaintBox1->SurfaceCanvas(), key == Qt::Key_Right ? 1 : -1, height());
        PaintBox1->ShowCanvas();
    };
    StringGrid1 = new TStringGrid(ScrollBox1);
    StringGrid1->setFont(font());
    StringGrid1->horizontalHeader()->setFont(font());
    stack->addWidget(PaintBox1, 0, 0);
    stack->addWidget(StringGrid1, 0, 0);
    StringGrid1->raise();
    middle->addWidget(Panel2);
    middle->addWidget(ScrollBox1, 1);
    middle->addWidget(Panel3);
    auto* column = qobject_cast<QVBoxLayout*>(layout());
    column->addLayout(middle, 1);

    Panel4 = AddPanel(this, "Panel4");
    Panel4->setFrameShape(QFrame::NoFrame);
    Panel4->setPalette(white);
    Panel4->setAutoFillBackground(true);
    Panel4->setFixedHeight(58);
    Label5 = AddLabel(Panel4, "Label5", "", 36, 8);
    Label6 = AddLabel(Panel4, "Label6", "", 36, 24);
    Label7 = AddLabel(Panel4, "Label7", "", 36, 40);
    column->addWidget(Panel4);
    Panel4->hide();

    // The paint box is hidden while the grid covers it, so that a paint of
    // the covered graph cannot rewrite the table's result lines.
    PaintBox1->setVisible(StringGrid1->isHidden());

    // This window watches the age fields for leaving them; their keys go
    // through the key filter.
    for (QLineEdit* edit : {Edit1, Edit3}) edit->installEventFilter(this);
    FilterKeys(Edit1, [this](char32_t& key) { Edit1KeyPress(key); });
    FilterKeys(Edit2, [this](char32_t& key) { Edit2KeyPress(key); });
    FilterKeys(Edit3, [this](char32_t& key) { Edit3KeyPress(key); });
    FilterKeys(Edit4, [this](char32_t& key) { Edit4KeyPress(key); });
    connect(Edit1, &QLineEdit::textChanged, this, &TForm2::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm2::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TForm2::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TForm2::Edit4Change);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm2::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm2::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm2::SpeedButton5Click);

    FormCreate();
}

void TForm2::FormCreate() {
    // Made a child of the main window, at 0, 0 and fitted, by ViewWindow.
    State.ClickX = 0;
    State.CursorLineX = 0;
    SetResultControls(false);
}

void TForm2::SetResultControls(bool enabled) {
    SetLifetimeCommandsAvailable(enabled);
    ShowLifetimeCommands();
}

void TForm2::ShowLifetimeCommands() {
    const LifetimeCommandState& available = LifetimeCommands;
    emit CommandsChanged(ViewCommand::Graph | ViewCommand::Table, available.Results);
    emit CommandsChanged(ViewCommand::Print, available.Print);
    SpeedButton2->setEnabled(available.Results);
    SpeedButton3->setEnabled(available.Results);
    SpeedButton1->setEnabled(available.Print);
}

void TForm2::SetGridVisible(bool visible) {
    StringGrid1->setVisible(visible);
    PaintBox1->setVisible(!visible);
}

bool TForm2::IsFrontView() const {
    if (isHidden() || !parentWidget()) return false;
    // Siblings later in the parent's child list are stacked above this one.
    const QObjectList& siblings = parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<TForm2*>(this)) + 1; i < siblings.size(); ++i) {
        const auto* other = qobject_cast<const ViewWindow*>(siblings[i]);
        if (other && !other->isHidden()) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Inputs

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusOut) {
        // Leaving the field for another control; not a switch to another
        // program or the opening of a menu.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (edit == Edit1) Edit1Exit();
            else if (edit == Edit3) Edit3Exit();
        }
    }
    return ViewWindow::eventFilter(watched, event);
}

void TForm2::Edit1KeyPress(char32_t& key) {
    if (key == EnterKey) Edit2->setFocus(Qt::TabFocusReason);
    key = FilterKey(DigitKeys, key);
}

void TForm2::Edit2KeyPress(char32_t& key) {
    if (key == EnterKey) {
        if (!Edit3->isHidden()) Edit3->setFocus(Qt::TabFocusReason);
        else Button1->setFocus(Qt::TabFocusReason);
    }
    key = FilterKey(SexKeys, key);
}

void TForm2::Edit3KeyPress(char32_t& key) {
    if (key == EnterKey) Edit4->setFocus(Qt::TabFocusReason);
    key = FilterKey(DigitKeys, key);
}

void TForm2::Edit4KeyPress(char32_t& key) {
    if (key == EnterKey) Button1->setFocus(Qt::TabFocusReason);
    key = FilterKey(SexKeys, key);
}

// Pasted text reaches the field past the key filter; whatever is not a plain
// age of 0..99 is refused in the same way as an age of 100 or more.
void TForm2::StoreAge(QLineEdit* edit, int32_t& age) {
    if (StoreLifetimeAge(edit->text().toStdString(), age)) return;
    ShowMessageBox(QString::fromUtf8(AgeTooHighMessage), QStringLiteral("Fejl"));
    edit->clear();
    edit->setFocus(Qt::OtherFocusReason);
}

void TForm2::Edit1Exit() { StoreAge(Edit1, Lifetime.AgeA); }

void TForm2::Edit3Exit() { StoreAge(Edit3, Lifetime.AgeB); }

void TForm2::Edit1Change() { InputChanged(); }
void TForm2::Edit2Change() { InputChanged(); }
void TForm2::Edit3Change() { InputChanged(); }
void TForm2::Edit4Change() { InputChanged(); }

void TForm2::InputChanged() {
    LifetimeInputChanged();
    ShowLifetimeCommands();
}

bool TForm2::InputsValid() const {
    return LifetimeInputsValid(Lifetime);
}

void TForm2::Button1Click() {
    const LifetimeShow next = AcceptLifetimeInputs(Edit2->text().toStdString(), Edit4->text().toStdString());
    if (next == LifetimeShow::Nothing) return;
    ShowLifetimeCommands();
    if (next == LifetimeShow::Graph) {
        ShowLifetimeGraph();
    } else {
        SetGridVisible(true);
        if (Lifetime.PersonCount == 1) ShowOnePersonTable();
        else ShowTwoPersonTable();
    }
}

void TForm2::ClearLifetimeView() {
    ClearLifetimeResults();
    StringGrid1->MoveSelectionOutside();
    StringGrid1->FillCells(QString());
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) edit->clear();
    Label5->clear();
    Label6->clear();
    Label7->clear();
}

void TForm2::StartOnePerson() {
    ClearLifetimeView();
    Label1->setText("Personens alder: ");
    Label1->adjustSize();
    Label3->hide();
    Label4->hide();
    for (QLineEdit* edit : {Edit3, Edit4}) {
        edit->clear();
        edit->hide();
        edit->setEnabled(false);
    }
    Edit1->setFocus(Qt::OtherFocusReason);
    StartLifetimePersons(1);
    ShowLifetimeCommands();
}

void TForm2::StartTwoPersons() {
    ClearLifetimeView();
    Label1->setText("1. persons alder: ");
    Label1->adjustSize();
    Label3->show();
    Edit3->show();
    Edit3->setEnabled(true);
    Label4->show();
    Edit4->show();
    Edit4->setEnabled(true);
    Edit1->setFocus(Qt::OtherFocusReason);
    StartLifetimePersons(2);
    ShowLifetimeCommands();
}

// ---------------------------------------------------------------------------
// The table

void TForm2::oversigter() {
    SetGridVisible(true);
    if (Lifetime.PersonCount == 1) ShowOnePersonTable();
    else ShowTwoPersonTable();
}

void TForm2::SetResultLines(int32_t panelHeight, const QString& line5, const QString& line6, const QString& line7) {
    Panel4->setFixedHeight(panelHeight);
    Panel4->show();
    for (auto [label, text] : {std::pair{Label5, line5}, std::pair{Label6, line6}, std::pair{Label7, line7}}) {
        label->setText(text);
        label->adjustSize();
    }
}

// The grid, TableLines and the result lines from the model's table.
void TForm2::ShowTable() {
    LifetimeTable table;
    if (!MakeLifetimeTableView(table)) return;
    TStringGrid* grid = StringGrid1;
    const auto rows = static_cast<int32_t>(table.Cells.size());
    grid->SetRowCount(rows);
    grid->SetFixedRows(table.FixedRows);
    grid->SetColCount(table.ColCount);
    const QFontMetrics metrics(grid->font());
    for (int32_t c = 0; c < table.ColCount; ++c) {
        grid->SetColWidth(c, metrics.horizontalAdvance(ToQString(table.ColumnWidthTexts[static_cast<size_t>(c)])));
        for (int32_t r = 0; r < rows; ++r)
            grid->SetCell(c, r, ToQString(table.Cells[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    }
    grid->MoveSelectionOutside();
    SetResultLines(table.FixedRows == 1 ? 30 : 65, ToQString(table.ResultLines[0]), ToQString(table.ResultLines[1]),
                   ToQString(table.ResultLines[2]));
}

void TForm2::ShowOnePersonTable() { ShowTable(); }

void TForm2::ShowTwoPersonTable() { ShowTable(); }

// ---------------------------------------------------------------------------
// The graph

void TForm2::ShowLifetimeGraph() {
    if (MakeLifetimeGraphView()) {
        const std::array<std::string, 3> lines = ShownLifetimeResultLines();
        SetResultLines(Lifetime.Shown.PersonCount == 2 ? 85 : 45, ToQString(lines[0]), ToQString(lines[1]),
                       ToQString(lines[2]));
    }
    emit CommandsChanged(ViewCommand::Print, LifetimeCommands.Print);
    SpeedButton1->setEnabled(LifetimeCommands.Print);
    SetGridVisible(false);
    DrawLifetimeCursor(PaintBox1->SurfaceCanvas());
    PaintBox1->Redraw();
    PaintBox1->update();
}

void TForm2::SpeedButton2Click() { ShowLifetimeGraph(); }

void TForm2::SpeedButton3Click() { oversigter(); }

void TForm2::PaintBox1Paint() {
    Canvas& canvas = PaintBox1->SurfaceCanvas();
    canvas.SetPenColor(0x000000);
    canvas.SetPenMode(PenMode::Copy);
    DrawLifetimeGraph(canvas, LifetimeCanvas::Screen);
    DrawLifetimeCursor(canvas);
}

void TForm2::PaintBox1MouseUp(Qt::MouseButton button, int32_t x) {
    ClickLifetimeCursor(PaintBox1->SurfaceCanvas(), button == Qt::LeftButton, x, height());
    PaintBox1->ShowCanvas();
}

void TForm2::DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind) {
    ::DrawLifetimeGraph(canvas, kind, width(), height());
}

void TForm2::DrawLifetimeCursor(Canvas& canvas) { ::DrawLifetimeCursor(canvas, height()); }

// ---------------------------------------------------------------------------
// Output buttons

void TForm2::SpeedButton1Click() { PrintView(this); }

void TForm2::SpeedButton4Click() { ShowHeadingDialog(); }

void TForm2::SpeedButton5Click() { CopyView(this); }
