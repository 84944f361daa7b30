// The lifetime view: the ages and sexes of one person or of two persons A and
// B, their survival table in a string grid and their survival graph with a
// click cursor. The calculations live in the model (Lifetime.h); this window
// only stores the inputs, calls them and shows what they produce.
#pragma once

#include "Canvas.h"
#include "QtCanvas.h"
#include "ViewWindow.h"

#include <QImage>
#include <QString>
#include <QTableWidget>
#include <QWidget>

#include <cstdint>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TForm2;

// The canvases the graph is drawn on. They differ in the size the drawing
// assumes, the offset added to every y, the background fill and whether the
// result lines are written under the graph.
enum class LifetimeCanvas {
    Screen,   // PaintBox1: the view's size, no offset, filled white
    Picture,  // the clipboard picture: the view's size, no offset, filled white, result lines
    Printer   // a 640 x 480 page: y shifted by 50, not filled, result lines
};

// PaintBox1: shows the graph from an offscreen picture that is the graph's
// canvas, so the inverting cursor line is drawn and erased on the picture
// without drawing the graph again.
class LifetimePaintBox : public QWidget {
    Q_OBJECT
public:
    explicit LifetimePaintBox(TForm2* view, QWidget* parent);

    // The picture's canvas (Courier New bold 16 pixels), made as large as the box.
    Canvas& SurfaceCanvas();
    // Paints the whole picture again now (the view's PaintBox1Paint).
    void Redraw();
    // Shows what the cursor routine drew on the canvas, without a redraw.
    void ShowCanvas();
    // Asks for a full redraw at the next paint.
    void Invalidate();
    // The picture as it stands.
    QImage Picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void EnsureImage();

    TForm2* view_;
    QImage image_;
    QtCanvas canvas_{&image_};
    bool redrawPending_ = true;
    bool showOnly_ = false;
    bool inPaint_ = false;
};

// StringGrid1: a string grid whose fixed (header) rows stand in the table's
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

class TForm2 : public ViewWindow {
    Q_OBJECT
public:
    TForm2();

    // The input strip.
    QFrame* Panel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label3;
    QLineEdit* Edit3;
    QLabel* Label4;
    QLineEdit* Edit4;
    QPushButton* Button1;
    QFrame* Bevel1;
    QToolButton* SpeedButton3;  // Tabel
    QToolButton* SpeedButton2;  // Graf
    QFrame* Bevel2;
    QToolButton* SpeedButton1;  // Udskriv
    QToolButton* SpeedButton4;  // heading
    QToolButton* SpeedButton5;  // copy
    QFrame* Panel2;
    QFrame* Panel3;
    // The result lines under the table or graph.
    QFrame* Panel4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QFrame* ScrollBox1;
    LifetimePaintBox* PaintBox1;
    TStringGrid* StringGrid1;

    // Event handlers. The key handlers replace a discarded character by 0.
    void FormCreate();
    void Edit1KeyPress(char32_t& key);
    void Edit2KeyPress(char32_t& key);
    void Edit3KeyPress(char32_t& key);
    void Edit4KeyPress(char32_t& key);
    void Edit1Exit();
    void Edit3Exit();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void PaintBox1Paint();
    void PaintBox1MouseUp(Qt::MouseButton button, int32_t x);

    // Operations for the main window and the handlers.
    void StartOnePerson();
    void StartTwoPersons();
    void oversigter();
    void ShowLifetimeGraph();
    void ShowOnePersonTable();
    void ShowTwoPersonTable();
    void ClearLifetimeView();
    bool InputsValid() const;
    // The graph's "Udskriv", "Graf" and "Tabel" on the menu and the tool bar.
    void SetResultControls(bool enabled);

    // The whole graph on a canvas of the given kind; the screen and the
    // picture assume the view's size. Also writes the result lines of Panel4.
    void DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind);
    // The same for an explicit size (the screen or the picture).
    void DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind, int32_t width, int32_t height);
    // Erases the previous cursor line and draws the one at ClickX, inverting.
    void DrawLifetimeCursor(Canvas& canvas);

    // True while the view is shown and no other view lies over it.
    bool IsFrontView() const;

    // The crossing positions of the drawing made last: [person 0..1][level
    // 75, 50, 25, 0 percent].
    int32_t Crossings[2][4] = {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetGridVisible(bool visible);
    void SetResultLines(int32_t panelHeight, const QString& line5, const QString& line6, const QString& line7);
    void StoreAge(QLineEdit* edit, int32_t& age);
    void BuildTableLines(const QString& afterFirstColumnsHeader, const QString& afterFirstColumns);
};

extern TForm2* Form2;
