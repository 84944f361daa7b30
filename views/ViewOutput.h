// What each window prints and copies: its table while the table is on show,
// else its chart, under the heading of the heading dialog. Printing itself
// and the clipboard are output/'s.
#pragma once

#include "OutputCommands.h"
#include "Output.h"

#include <QStringList>

class TForm2;
class TForm3;
class TForm4;

// A chart as the clipboard gets it (ChartPicture(PaintBox, Picture)) and as
// the printer gets it (PrintChart with PrintFont, Where and Printout).
struct ChartOutput {
    QSize PaintBox;
    ChartDrawing Picture;
    QFont PrintFont;
    ChartHeading Where = ChartHeading::PrinterPixels;
    ChartDrawing Printout;
};

// The chart each view has on show (the lifetime graph; the pyramid or the
// total graph by DisplayMode).
ChartOutput ChartOutputOf(TForm2* view);
ChartOutput ChartOutputOf(TForm3* view);
ChartOutput ChartOutputOf(TForm4* view);

// PrintView prints what the view shows (its table or its chart) and nothing
// when it shows neither; CopyView copies it.
void PrintView(TForm2* view);
void PrintTable(TForm2* view);
void PrintGraph(TForm2* view);
void CopyView(TForm2* view);

void PrintView(TForm3* view);
void CopyView(TForm3* view);

void PrintView(TForm4* view);
void CopyView(TForm4* view);

// The heading dialog's text, whether used or not.
QString PrintoutHeading();
// The heading and a blank line (when the heading is used), then TableLines,
// into PrintLines.
void PreparePrintLines();
// The lines onto the clipboard through the main window's Memo1.
void CopyLines(const QStringList& lines);
// The heading (when used) and TableLines, by CopyLines.
void CopyTableLines();

// Where the three views stand now.
ViewsShown ViewsShownNow();
// The print or copy of the view the core chose (PrintChoice, CopyChoice).
void PrintChosen(const OutputChoice& choice);
void CopyChosen(const OutputChoice& choice);

// The heading dialog, modal; its result is not needed.
void ShowHeadingDialog();
