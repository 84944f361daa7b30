#pragma once

#include <QString>
#include <QTableWidget>

#include <cstdint>
#include <vector>

// A string grid (the lifetime view's StringGrid1) whose fixed (header) rows stand in the table's
// header, which stays in place while the other rows scroll and lets the user
// widen or narrow columns. Cells are addressed as (column, row) with the
// fixed rows counted first, as the table routines and printing see them.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent);

    int32_t ColCount() const { return cols_; }
    int32_t RowCount() const { return static_cast<int32_t>(cells_.size()); }
    int32_t FixedRows() const { return fixed_; }
    // Sizes keep the cells that remain; new cells are empty.
    void SetColCount(int32_t count);
    void SetRowCount(int32_t count);
    void SetFixedRows(int32_t count);

    QString Cells(int32_t col, int32_t row) const;
    void SetCell(int32_t col, int32_t row, const QString& text);
    // Every cell at the current size.
    void FillCells(const QString& text);
    void SetColWidth(int32_t col, int32_t width);
    int32_t ColWidth(int32_t col) const;
    // No cell shows as selected.
    void MoveSelectionOutside();

    static constexpr int32_t DefaultRowHeight = 20;
    static constexpr int32_t DefaultColWidth = 100;

private:
    void ShowCell(int32_t col, int32_t row);
    void ShowHeader(int32_t col);
    void Reshape();

    std::vector<std::vector<QString>> cells_;  // [row][col]
    int32_t cols_ = 0;
    int32_t fixed_ = 1;
};
