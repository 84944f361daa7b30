#include "StringGrid.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

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
