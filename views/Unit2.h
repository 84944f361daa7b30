// The lifetime view: the ages and sexes of one person or of two persons A and
// B, their survival table in a string grid and their survival graph with a
// click cursor. The calculations live in the model (Lifetime.h); this window
// only stores the inputs, calls them and shows what they produce.
#pragma once

#include "Canvas.h"
#include "ChartSurface.h"
#include "LifetimeGraph.h"
#include "StringGrid.h"
#include "ViewWindow.h"

#include <QString>

#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

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
    ChartPaintBox* PaintBox1;  // the graph
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
    // The core's lifetime commands on the menu and the tool bar.
    void ShowLifetimeCommands();

    // The whole graph of the results computed last on a canvas of the given
    // kind; the screen and the picture assume the view's size.
    void DrawLifetimeGraph(Canvas& canvas, LifetimeCanvas kind);
    // Erases the previous cursor line and draws the one at ClickX, inverting.
    void DrawLifetimeCursor(Canvas& canvas);

    // True while the view is shown and no other view lies over it.
    bool IsFrontView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetGridVisible(bool visible);
    void SetResultLines(int32_t panelHeight, const QString& line5, const QString& line6, const QString& line7);
    void StoreAge(QLineEdit* edit, int32_t& age);
    void InputChanged();
    void ShowTable();
};

extern TForm2* Form2;
