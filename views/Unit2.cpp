#include "Unit2.h"

#include "Dialogs.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "Lifetime.h"
#include "Lys_erkl.h"
#include "Mainunit.h"
#include "NumberText.h"
#include "ViewOutput.h"
#include "PopulationChart.h"
#include "ToolGlyphs.h"

#include <QAction>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

TForm2* Form2 = nullptr;

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

constexpr int32_t GraphTop = 50;       // the 100 percent level
constexpr int32_t AxisX = 70;          // the age axis starts here
constexpr int32_t CursorRightEdge = 550;
constexpr int32_t PrinterWidth = 640;
constexpr int32_t PrinterHeight = 480;
constexpr int32_t PrinterYOffset = 50;

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }
QString Width(int32_t x, int width) { return ToQString(FormatFixed(x, width, 0)); }

// The result lines under the table and the graph.
QString PersonLine(const std::string& sexWord, int32_t age, const std::string& median) {
    return ToQString(sexWord) + ":" + Width(age, 5) + " år.    Medianlevetid: " + ToQString(median) + " år.";
}
QString OutliveLine() { return "Chance for at A overlever B : " + ToQString(State.OutliveChanceText) + " %"; }

bool ValidAge(int32_t age) { return age >= 0 && age <= MaxLifetimeAge; }

// The stored ages the drawing and the tables index the life tables with.
// A rejected age stays stored until a valid one is entered, and a repaint or
// a copy must not draw with it.
bool ValidLifetimeAges() {
    const bool usesB = Lifetime.PersonCount == 2 || Lifetime.SexCode == 'b';
    return (Lifetime.PersonCount == 1 || Lifetime.PersonCount == 2) && ValidAge(Lifetime.AgeA) &&
           (!usesB || ValidAge(Lifetime.AgeB));
}

QPixmap Glyph(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap = BlankGlyph(size, size);
    QPainter p(&pixmap);
    draw(p);
    return pixmap;
}

// The graph button's picture: a falling curve, grey when disabled.
QIcon GraphGlyph() {
    auto curve = [](QColor axis, QColor line) {
        return Glyph(16, [axis, line](QPainter& p) {
            p.setPen(axis);
            p.drawLine(2, 1, 2, 14);
            p.drawLine(2, 14, 15, 14);
            p.setPen(line);
            p.drawLine(3, 2, 7, 3);
            p.drawLine(7, 3, 10, 7);
            p.drawLine(10, 7, 12, 12);
            p.drawLine(12, 12, 14, 13);
        });
    };
    QIcon icon;
    icon.addPixmap(curve(Qt::black, Qt::red), QIcon::Normal);
    icon.addPixmap(curve(Qt::gray, Qt::gray), QIcon::Disabled);
    return icon;
}

QFrame* AddPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    return panel;
}

}  // namespace

// ---------------------------------------------------------------------------
// PaintBox1

LifetimePaintBox::LifetimePaintBox(TForm2* view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("PaintBox1");
    setFont(CourierNew(16, true));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LifetimePaintBox::EnsureImage() {
    const QSize want = size().expandedTo(QSize(1, 1));
    if (image_.size() == want) return;
    canvas_.End();
    image_ = QImage(want, QImage::Format_RGB32);
    image_.fill(Qt::white);
    canvas_.SetQFont(font());
    redrawPending_ = true;
}

Canvas& LifetimePaintBox::SurfaceCanvas() {
    EnsureImage();
    return canvas_;
}

void LifetimePaintBox::Redraw() {
    const bool nested = inPaint_;
    inPaint_ = true;
    EnsureImage();
    redrawPending_ = false;
    showOnly_ = false;
    view_->PaintBox1Paint();
    canvas_.End();
    inPaint_ = nested;
}

void LifetimePaintBox::ShowCanvas() {
    canvas_.End();
    if (inPaint_) return;
    if (!redrawPending_) showOnly_ = true;
    update();
}

void LifetimePaintBox::Invalidate() {
    redrawPending_ = true;
    if (!inPaint_) update();
}

QImage LifetimePaintBox::Picture() {
    EnsureImage();
    canvas_.End();
    return image_;
}

// A paint that only shows a cursor change blits the picture; any other paint
// (shown, uncovered, resized) draws the graph and the cursor anew.
void LifetimePaintBox::paintEvent(QPaintEvent* event) {
    if (!showOnly_ || redrawPending_ || image_.size() != size().expandedTo(QSize(1, 1))) Redraw();
    showOnly_ = false;
    canvas_.End();
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), image_, r);
}

void LifetimePaintBox::mouseReleaseEvent(QMouseEvent* event) {
    view_->PaintBox1MouseUp(event->button(), event->position().toPoint().x());
    event->accept();
}

void LifetimePaintBox::resizeEvent(QResizeEvent* event) {
    redrawPending_ = true;
    QWidget::resizeEvent(event);
}

// ---------------------------------------------------------------------------
// StringGrid1

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("StringGrid1");
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    setWordWrap(false);
    // The cells are exactly as wide as their text; a trailing blank may be cut, never a digit.
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultSectionSize(DefaultColWidth);
    header->setMinimumSectionSize(1);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    QPalette face = header->palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Button));
    header->setPalette(face);
    SetColCount(7);
    SetRowCount(7);
    SetFixedRows(1);
}

void TStringGrid::Reshape() {
    if (fixed_ > RowCount()) fixed_ = RowCount();
    const int32_t body = RowCount() - fixed_;
    setColumnCount(cols_);
    setRowCount(body);
    for (int32_t c = 0; c < cols_; ++c) {
        ShowHeader(c);
        for (int32_t r = fixed_; r < RowCount(); ++r) ShowCell(c, r);
    }
    // One text line per fixed row; the header's own margins come on top.
    QFontMetrics metrics(font());
    const int lines = std::max(fixed_, 1);
    const int height = std::max(DefaultRowHeight, metrics.height() + 2) * lines + 4;
    horizontalHeader()->setFixedHeight(height);
    horizontalHeader()->setVisible(fixed_ > 0);
}

void TStringGrid::SetColCount(int32_t count) {
    cols_ = std::max(count, 0);
    for (auto& row : cells_) row.resize(static_cast<size_t>(cols_));
    Reshape();
}

void TStringGrid::SetRowCount(int32_t count) {
    cells_.resize(static_cast<size_t>(std::max(count, 0)), std::vector<QString>(static_cast<size_t>(cols_)));
    Reshape();
}

void TStringGrid::SetFixedRows(int32_t count) {
    fixed_ = std::max(count, 0);
    Reshape();
}

QString TStringGrid::Cells(int32_t col, int32_t row) const {
    if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return {};
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCell(int32_t col, int32_t row, const QString& text) {
    if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    if (row < fixed_) ShowHeader(col);
    else ShowCell(col, row);
}

void TStringGrid::FillCells(const QString& text) {
    for (int32_t r = 0; r < RowCount(); ++r)
        for (int32_t c = 0; c < cols_; ++c) SetCell(c, r, text);
}

void TStringGrid::ShowCell(int32_t col, int32_t row) {
    const QString& text = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    QTableWidgetItem* it = item(row - fixed_, col);
    if (!it) {
        it = new QTableWidgetItem(text);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row - fixed_, col, it);
    } else if (it->text() != text) {
        it->setText(text);
    }
}

void TStringGrid::ShowHeader(int32_t col) {
    QStringList lines;
    for (int32_t r = 0; r < fixed_ && r < RowCount(); ++r) lines.append(Cells(col, r));
    const QString text = lines.join('\n');
    QTableWidgetItem* it = horizontalHeaderItem(col);
    if (!it) {
        it = new QTableWidgetItem(text);
        it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(col, it);
    } else if (it->text() != text) {
        it->setText(text);
    }
}

void TStringGrid::SetColWidth(int32_t col, int32_t width) {
    if (col >= 0 && col < cols_) setColumnWidth(col, width);
}

int32_t TStringGrid::ColWidth(int32_t col) const { return columnWidth(col); }

void TStringGrid::MoveSelectionOutside() {
    clearSelection();
    setCurrentItem(nullptr);
}

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
    SpeedButton3 = AddSpeedButton(Panel1, "SpeedButton3", QRect(508, 32, 33, 33), "Tabel", true, ToolGlyphIcon(ToolGlyph::Table));
    SpeedButton2 = AddSpeedButton(Panel1, "SpeedButton2", QRect(544, 32, 33, 33), "Graf", true, GraphGlyph());
    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(592, 28, 113, 41));
    SpeedButton1 = AddSpeedButton(Panel1, "SpeedButton1", QRect(596, 32, 33, 33), "Udskriv", true, ToolGlyphIcon(ToolGlyph::Print));
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
    PaintBox1 = new LifetimePaintBox(this, ScrollBox1);
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
    Form1->Graf1->setEnabled(enabled);
    Form1->Tabel1->setEnabled(enabled);
    Form1->Udskriv1->setEnabled(enabled);
    SpeedButton2->setEnabled(enabled);
    SpeedButton3->setEnabled(enabled);
    SpeedButton1->setEnabled(enabled);
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
    if (edit->text().isEmpty()) return;
    const int32_t value = ReadLifetimeAge(edit->text().toStdString());
    if (value >= 0) {
        age = value;
        return;
    }
    age = MaxLifetimeAge + 1;  // stays refused by InputsValid until a valid age is entered
    ShowMessageBox(QString::fromUtf8(AgeTooHighMessage), QStringLiteral("Fejl"));
    edit->clear();
    edit->setFocus(Qt::OtherFocusReason);
}

void TForm2::Edit1Exit() { StoreAge(Edit1, Lifetime.AgeA); }

void TForm2::Edit3Exit() { StoreAge(Edit3, Lifetime.AgeB); }

void TForm2::Edit1Change() { SetResultControls(false); }
void TForm2::Edit2Change() { SetResultControls(false); }
void TForm2::Edit3Change() { SetResultControls(false); }
void TForm2::Edit4Change() { SetResultControls(false); }

bool TForm2::InputsValid() const {
    return LifetimeInputsValid(Lifetime);
}

void TForm2::Button1Click() {
    ReadLifetimeSexes(Lifetime, Edit2->text().toStdString(), Edit4->text().toStdString());
    if (!InputsValid()) return;
    SetResultControls(true);
    State.LifetimeViewActive = true;
    if (State.LifetimeGraphShown) {
        ShowLifetimeGraph();
    } else {
        SetGridVisible(true);
        if (Lifetime.PersonCount == 1) ShowOnePersonTable();
        else ShowTwoPersonTable();
    }
}

void TForm2::ClearLifetimeView() {
    State.LifetimeGraphShown = false;
    State.TableLines.clear();
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
    Lifetime.PersonCount = 1;
    SetResultControls(false);
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
    Lifetime.PersonCount = 2;
    SetResultControls(false);
}

// ---------------------------------------------------------------------------
// The table

void TForm2::oversigter() {
    SetGridVisible(true);
    State.LifetimeGraphShown = false;
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

void TForm2::BuildTableLines(const QString& afterFirstColumnsHeader, const QString& afterFirstColumns) {
    std::vector<std::string>& lines = State.TableLines;
    lines.push_back(" Levetidstabel");
    lines.push_back(" ");
    for (int32_t r = 0; r < StringGrid1->RowCount(); ++r) {
        QString line;
        for (int32_t c = 0; c < StringGrid1->ColCount(); ++c) {
            line += StringGrid1->Cells(c, r);
            if (c <= 1) line += r < StringGrid1->FixedRows() ? afterFirstColumnsHeader : afterFirstColumns;
        }
        lines.push_back(Utf8(line));
        if ((r + 1) % 5 == 0) lines.push_back(" ");
    }
}

void TForm2::ShowOnePersonTable() {
    if (!ValidLifetimeAges()) return;
    ComputeLifeTables();
    State.TableLines.clear();
    TStringGrid* grid = StringGrid1;
    grid->FillCells(QString());

    const int32_t ageA = Lifetime.AgeA;
    int32_t rows = (100 - ageA) / 5;
    int32_t columns = 5;
    if (rows < 2) {
        rows = 100 - ageA;
        columns = 1;
    }
    grid->SetColCount(columns);
    grid->SetRowCount(rows + 3);
    grid->SetFixedRows(1);

    const double* chance = Lifetime.SexCode == 'm' ? Lifetime.ChanceA : Lifetime.ChanceB;
    bool marked = false;
    int32_t used = 0;
    for (int32_t n = 1; n <= 100 - ageA; ++n) {
        const int32_t x = ageA + n;
        const int32_t c = n - 1;
        QString agePart = Width(x, 3);
        if (!marked && chance[x] <= 50.0) {
            marked = true;
            if (x < 100) agePart = "*" + Width(x, 2);
        }
        const int32_t col = c / (rows + 1);
        grid->SetCell(col, c % (rows + 1) + 1, agePart + ToQString(FormatFixed(chance[x], 6, 1)) + "% ");
        used = std::max(used, col + 1);
    }

    grid->SetColCount(used);
    const QString header = QStringLiteral(" År Chance ");
    const int32_t width = QFontMetrics(grid->font()).horizontalAdvance(header);
    for (int32_t c = 0; c < used; ++c) {
        grid->SetColWidth(c, width);
        grid->SetCell(c, 0, header);
    }
    grid->MoveSelectionOutside();

    BuildTableLines(QString(), QString());
    State.LifetimeGraphShown = false;
    const std::string& median = Lifetime.SexCode == 'm' ? Lifetime.MedianTextA : Lifetime.MedianTextB;
    const QString line5 = PersonLine(Lifetime.SexWordA, ageA, median);
    SetResultLines(30, line5, " ", " ");
    State.TableLines.push_back(" ");
    State.TableLines.push_back(Utf8(line5));
}

void TForm2::ShowTwoPersonTable() {
    if (!ValidLifetimeAges()) return;
    ComputeLifeTables();
    ComputeOutliveChance();
    State.TableLines.clear();
    TStringGrid* grid = StringGrid1;
    grid->FillCells(" ");

    const int32_t ageA = Lifetime.AgeA;
    const int32_t ageB = Lifetime.AgeB;
    const int32_t y = std::min(ageA, ageB);
    int32_t rows = (100 - y) / 3 + 1;
    int32_t columns = 3;
    if (rows < 6) {
        rows = 100 - y;
        columns = 1;
    }
    grid->SetRowCount(rows + 3);
    grid->SetFixedRows(2);
    grid->SetColCount(columns);

    const QFontMetrics metrics(grid->font());
    const int32_t wide = metrics.horizontalAdvance(QStringLiteral(" Alder      Chance       "));
    const int32_t last = metrics.horizontalAdvance(QStringLiteral(" Alder      Chance     "));
    for (int32_t c = 0; c < columns; ++c) {
        grid->SetColWidth(c, c < columns - 1 ? wide : last);
        grid->SetCell(c, 0, QStringLiteral("  Alder      Chance  "));
        grid->SetCell(c, 1, QStringLiteral("  A   B     A      B "));
    }

    bool markedA = false;
    bool markedB = false;
    for (int32_t n = 1; n <= 100 - y; ++n) {
        const int32_t c = n - 1;
        QString agePartA = "   ";
        QString chancePartA = "        ";
        QString agePartB = "    ";
        QString chancePartB = "       ";
        const int32_t xA = ageA + n;
        const int32_t xB = ageB + n;
        if (xA <= 100) {
            agePartA = Width(xA, 3);
            chancePartA = ToQString(FormatFixed(Lifetime.ChanceA[xA], 7, 1)) + "%";
            if (!markedA && Lifetime.ChanceA[xA] <= 50.0) {
                markedA = true;
                if (xA < 100) agePartA = "*" + Width(xA, 2);
            }
        }
        if (xB <= 100) {
            agePartB = Width(xB, 4);
            chancePartB = ToQString(FormatFixed(Lifetime.ChanceB[xB], 6, 1)) + "% ";
            if (!markedB && Lifetime.ChanceB[xB] <= 50.0) {
                markedB = true;
                if (xB < 100) agePartB = " *" + Width(xB, 2);
            }
        }
        grid->SetCell(c / (rows + 1), c % (rows + 1) + 2, agePartA + agePartB + chancePartA + chancePartB);
    }
    grid->MoveSelectionOutside();

    BuildTableLines("   ", " ");
    State.LifetimeGraphShown = false;
    const QString line5 = "A: " + PersonLine(Lifetime.SexWordA, ageA, Lifetime.MedianTextA);
    const QString line6 = "B: " + PersonLine(Lifetime.SexWordB, ageB, Lifetime.MedianTextB);
    const QString line7 = OutliveLine();
    SetResultLines(65, line5, line6, line7);
    for (const QString& line : {line5, line6, line7}) {
        State.TableLines.push_back(" ");
        State.TableLines.push_back(Utf8(line));
    }
}

// ---------------------------------------------------------------------------
// The graph

void TForm2::ShowLifetimeGraph() {
    if (ValidLifetimeAges()) ComputeLifeTables();
    Form1->Udskriv1->setEnabled(true);
    SpeedButton1->setEnabled(true);
    SetGridVisible(false);
    State.LifetimeGraphShown = true;
    State.ClickX = 1;
    DrawLifetimeCursor(PaintBox1->SurfaceCanvas());
    PaintBox1->Redraw();
    PaintBox1->update();
}

void TForm2::SpeedButton2Click() { ShowLifetimeGraph(); }

void TForm2::SpeedButton3Click() { oversigter(); }

void TForm2::PaintBox1Paint() {
    Canvas& canvas = PaintBox1->SurfaceCanvas();
    canvas.SetPenColor(Black);
    canvas.SetPenMode(PenMode::Copy);
    DrawLifetimeGraph(canvas, LifetimeCanvas::Screen);
    DrawLifetimeCursor(canvas);
}

void TForm2::PaintBox1MouseUp(Qt::MouseButton button, int32_t x) {
    State.ClickX = button == Qt::LeftButton ? x : 1;
    DrawLifetimeCursor(PaintBox1->SurfaceCanvas());
    PaintBox1->ShowCanvas();
}

void TForm2::DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind) {
    if (kind == LifetimeCanvas::Printer) DrawLifetimeGraph(canvas, kind, PrinterWidth, PrinterHeight);
    else DrawLifetimeGraph(canvas, kind, width(), height());
}

void TForm2::DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind, int32_t w, int32_t h) {
    const bool printer = kind == LifetimeCanvas::Printer;
    if (printer) {
        w = PrinterWidth;
        h = PrinterHeight;
    }
    const int32_t yOff = printer ? PrinterYOffset : 0;
    std::fill(&Crossings[0][0], &Crossings[0][0] + 8, 0);

    canvas.SetPenColor(Black);
    canvas.SetTextColor(Black);
    if (!printer) canvas.FillRect(0, 0, w, h, White);
    // With a rejected age still stored there is nothing sound to draw.
    if (!ValidLifetimeAges()) return;

    ComputeLifeTables();
    const LifetimeState& l = Lifetime;
    const bool two = l.PersonCount == 2;
    if (two) {
        ComputeOutliveChance();
        SetResultLines(85, PersonLine(l.SexWordA, l.AgeA, l.MedianTextA), PersonLine(l.SexWordB, l.AgeB, l.MedianTextB),
                       OutliveLine());
    } else {
        SetResultLines(45, PersonLine(l.SexWordA, l.AgeA, l.SexCode == 'm' ? l.MedianTextA : l.MedianTextB), " ", " ");
    }

    const int32_t persons = two ? 2 : 1;
    const int32_t top = GraphTop;
    const int32_t gh = h - (l.PersonCount + 4) * 50;
    const int32_t mid = w / 2;

    canvas.TextOut(mid - 30, yOff, " Levetid ");
    canvas.TextOut(10, 10 + yOff, "Levechance");
    canvas.TextOut(450, top + gh + 5 + yOff, "Alder");
    canvas.TextOut(25, top - 10 + yOff, "100%");
    canvas.MoveTo(60, top + gh + yOff);
    canvas.LineTo(550, top + gh + yOff);
    canvas.MoveTo(AxisX, top + yOff);
    canvas.LineTo(AxisX, top + gh + 10 + yOff);

    Lifetime.PixelsPerYear = 400.0 / (100 - std::min(l.AgeA, l.AgeB));
    const double ppy = Lifetime.PixelsPerYear;
    for (int32_t p = 1; p <= persons; ++p) {
        const int32_t a = p == 1 ? l.AgeA : l.AgeB;
        const uint32_t colour = p == 1 ? Red : Blue;
        canvas.SetPenColor(colour);
        canvas.SetTextColor(colour);
        const double* chance = two ? (p == 1 ? l.ChanceA : l.ChanceB) : (l.SexCode == 'm' ? l.ChanceA : l.ChanceB);
        int32_t xPrev = AxisX, xCur = AxisX;
        double xf = AxisX;
        int32_t level = top + gh / 4;
        int32_t yPrev = top;
        int32_t crossings = 0;
        for (int32_t i = a; i <= 100; ++i) {
            const int32_t y = top + gh - RoundHalfEven(chance[i] / 100 * gh);
            canvas.MoveTo(xPrev, yPrev + yOff);
            canvas.LineTo(xCur, y + yOff);
            // At most one level per year, even when the curve drops past two.
            if (y > level && y > yPrev && crossings < 4) {
                Crossings[p - 1][crossings] = RoundHalfEven(double(level - yPrev) * ppy / (y - yPrev)) + xPrev + 1;
                ++crossings;
                level += gh / 4;
            }
            yPrev = y;
            xPrev = xCur;
            xf += ppy;
            xCur = RoundHalfEven(xf);
            if (i % 10 == 0)
                canvas.TextOut(xPrev - 8, top + gh + (p == 1 ? 25 : 40) + yOff, std::to_string(i));
        }
    }

    canvas.SetPenColor(Black);
    canvas.SetTextColor(Black);
    if (two) {
        canvas.TextOut(10, top + gh + 25 + yOff, "A");
        canvas.TextOut(10, top + gh + 40 + yOff, "B");
        const int32_t nameY = top + gh / 4 + yOff;
        const bool aRight = Crossings[0][0] >= Crossings[1][0];
        canvas.SetTextColor(Red);
        canvas.TextOut(Crossings[0][0] + (aRight ? 20 : -20), nameY, "A");
        canvas.SetTextColor(Blue);
        canvas.TextOut(Crossings[1][0] + (aRight ? -20 : 20), nameY, "B");
    }

    canvas.SetTextColor(Black);
    canvas.TextOut(35, top - 10 + gh / 4 + yOff, "75");
    canvas.TextOut(35, top - 10 + gh / 2 + yOff, "50");
    canvas.TextOut(35, top - 10 + 3 * (gh / 4) + yOff, "25");

    canvas.SetPenColor(Black);
    for (int32_t k = 1; k <= 3; ++k) {
        const int32_t y = top + 2 + k * (gh / 4) + yOff;
        const int32_t xe = std::max(Crossings[0][k - 1], Crossings[1][k - 1]);
        if (xe > AxisX) {
            canvas.MoveTo(AxisX, y);
            canvas.LineTo(xe, y);
        }
    }

    if (kind != LifetimeCanvas::Screen) {
        const int32_t lh = canvas.TextHeight("H") + 5;
        if (!two) {
            canvas.TextOut(50, top + 2 + 4 * (gh / 4) + 25 + yOff + 3 * lh, Utf8(Label5->text()));
        } else {
            const int32_t b = top + 2 + 4 * (gh / 4) + 40 + yOff;
            canvas.TextOut(50, b + 3 * lh, "A: " + Utf8(Label5->text()));
            canvas.TextOut(50, b + 4 * lh, "B: " + Utf8(Label6->text()));
            canvas.TextOut(50, b + 5 * lh, "   " + Utf8(Label7->text()));
        }
    }
}

void TForm2::DrawLifetimeCursor(Canvas& canvas) {
    const PenMode saved = canvas.GetPenMode();
    canvas.SetPenMode(PenMode::Invert);
    const int32_t lineTop = GraphTop;
    const int32_t len = height() - (Lifetime.PersonCount + 4) * 50;

    const int32_t old = State.CursorLineX;
    if (old != 0 && old != State.ClickX) {
        canvas.FillRect(old, lineTop - 21, old + 200, lineTop - 4, White);
        canvas.MoveTo(old, lineTop);
        canvas.LineTo(old, lineTop + len);
    }

    const int32_t clickX = State.ClickX;
    if (clickX <= AxisX || clickX > CursorRightEdge) {
        State.CursorLineX = 0;
    } else {
        State.CursorLineX = clickX;
        // Before any drawing there is no scale; the line then stands without ages.
        const double ppy = Lifetime.PixelsPerYear;
        const bool scaled = ppy > 0 && ValidLifetimeAges();
        const int32_t d = scaled ? RoundHalfEven((clickX - AxisX) / ppy) : 0;
        const int32_t ageA = Lifetime.AgeA + d;
        const int32_t ageB = Lifetime.AgeB + d;
        canvas.MoveTo(clickX, lineTop);
        canvas.LineTo(clickX, lineTop + len);
        std::string label;
        if (scaled && Lifetime.PersonCount == 2) {
            if (ageA <= 100) label = "A: " + std::to_string(ageA);
            if (ageB <= 100) label += "  B: " + std::to_string(ageB);
        } else if (scaled && ageA <= 100) {
            label = std::to_string(ageA);
        }
        canvas.TextOut(clickX, lineTop - 20, label);
    }
    canvas.SetPenMode(saved);
}

// ---------------------------------------------------------------------------
// Output buttons

void TForm2::SpeedButton1Click() { PrintView(this); }

void TForm2::SpeedButton4Click() { ShowHeadingDialog(); }

void TForm2::SpeedButton5Click() { CopyView(this); }
