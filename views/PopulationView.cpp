#include "PopulationView.h"

#include "Dialogs.h"
#include "ExtraCommands.h"
#include "Lys_erkl.h"
#include "ToolGlyphs.h"
#include "Unit8.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

PopulationView::PopulationView(const ChartViewDescription& view, QWidget* host)
    : ViewWindow(host), Chart(view) {
    setFont(CourierNew(13, false));
    Panel1 = AddToolBarPanel(this, "Panel1", 49);
    Panel2 = HiddenPanel(this, "Panel2");
    Panel3 = HiddenPanel(this, "Panel3");
    Panel4 = HiddenPanel(this, "Panel4");
    const ChartArea area = AddChartArea(this, Chart);
    ScrollBox1 = area.ScrollBox1;
    Memo2 = area.Memo2;
    PaintBox1 = ScrollBox1->PaintBox1;
    Bevel2 = nullptr;
    Bevel1 = nullptr;
}

PopulationView::ToolButtons PopulationView::AddToolButtons(int outputX, int pictureX, int pictureWidth,
                                                           const ToolButtonNames& names, bool headingHintShown) {
    Bevel2 = AddBevel(Panel1, "Bevel2", QRect(outputX, 4, 113, 41));
    Bevel1 = AddBevel(Panel1, "Bevel1", QRect(pictureX, 4, pictureWidth, 41));
    const int x = outputX + 4;
    ToolButtons b{};
    b.Print = AddSpeedButton(Panel1, names.Print, QRect(x, 8, 33, 33), "Print", true, ToolGlyphIcon(ToolGlyph::Print));
    b.Heading = AddSpeedButton(Panel1, names.Heading, QRect(x + 36, 8, 33, 33), "Navn eller overskrift til udskrifter",
                               headingHintShown, ToolGlyphIcon(ToolGlyph::Heading));
    b.Copy = AddSpeedButton(Panel1, names.Copy, QRect(x + 72, 8, 33, 33), "Kopier til Klippebordet", true,
                            ToolGlyphIcon(ToolGlyph::Copy));
    b.Table =
        AddSpeedButton(Panel1, names.Table, QRect(144, 8, 33, 33), "Tabel", true, ToolGlyphIcon(ToolGlyph::Table));
    b.Pyramid = AddSpeedButton(Panel1, names.Pyramid, QRect(180, 8, 33, 33), "Pyramide", true,
                               ToolGlyphIcon(ToolGlyph::Pyramid));
    b.TotalGraph = AddSpeedButton(Panel1, names.TotalGraph, QRect(216, 8, 33, 33), "I alt graf", true,
                                  ToolGlyphIcon(ToolGlyph::TotalGraph));
    return b;
}

void PopulationView::ShowTableLines() {
    QString text = QStringLiteral(" \n ");
    for (const std::string& line : State.TableLines) text += QStringLiteral("\n    ") + QString::fromStdString(line);
    ShowMemoText(text);
}

void PopulationView::ShowMemoText(const QString& text) {
    Memo2->setPlainText(text);
    Memo2->show();
    Memo2->moveCursor(QTextCursor::Start);
    Memo2->verticalScrollBar()->setValue(0);
    Memo2->horizontalScrollBar()->setValue(0);
}

bool PopulationView::ChartOnShow() const {
    const ChartViewDescription& modes = Chart.View();
    return !isHidden() && Memo2->isHidden() &&
           (State.DisplayMode == modes.PyramidMode || State.DisplayMode == modes.TotalGraphMode);
}

void PopulationView::TogglePercent() {
    Chart.SetPercent(!Chart.Percent());
    ScrollBox1->Invalidate();
}

void PopulationView::ChooseOutline(const ChartComparison& other) {
    Chart.ChooseOutline(other);
    ScrollBox1->Invalidate();
}

void PopulationView::ChooseCensusOutline() {
    if (!ChartOnShow()) return;
    ModelState saved;
    if (BeginCensusOutline(Chart, saved)) {
        const bool chosen = ExecModal(*Form8) == QDialog::Accepted && ChosenCensusYearValid;
        FinishCensusOutline(Chart, saved, chosen, ChosenCensusYear);
    }
    ScrollBox1->Invalidate();
}
