// Printing and copying to the clipboard: the table of a view as text, page by
// page under the user's heading, or its chart scaled to the page or copied as
// a picture. The per-view functions at the end decide which of the two a view
// outputs; the rest is shared with the age-group dialog.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

struct Canvas;
class QPaintDevice;
class QPrinter;
class QWidget;
class TForm2;
class TForm3;
class TForm4;

// The program's one printer: the print dialogs keep the user's choice and
// settings on it for the rest of the run.
QPrinter& Printer();

// The text font of every text printout: Courier New, bold, 10 point.
QFont PrintTextFont();

// The measurements of one text printout, in printer pixels.
struct TextPageLayout {
    int32_t LineHeight = 0;
    int32_t LeftMargin = 0;    // half an inch
    int32_t TopMargin = 0;     // one inch
    int32_t BottomMargin = 0;  // one inch
    int32_t PrintableHeight = 0;
    int32_t LinesPerPage = 0;  // at least 1
    int32_t LineCount = 0;
    int32_t PageCount = 0;
};

// How lineCount lines in PrintTextFont() fall on the pages of device.
TextPageLayout MeasureTextPage(QPaintDevice& device, int32_t lineCount);

// The heading and a blank line (when the heading is used), then TableLines,
// into PrintLines.
void PreparePrintLines();

// Asks for a printer, then prints PrintLines page by page. Nothing is
// printed when the user cancels; a printer that cannot start is reported.
void PrintPages(QWidget* parent);

// A chart drawing on a canvas: the printer (640 x 480 units scaled to the
// page) or a picture.
using ChartDrawing = std::function<void(Canvas& canvas)>;

enum class ChartHeading {
    PrinterPixels,  // at (10, 10) on the page, in the printer's text font
    ChartSpace,     // at (10, 10) of the 640 x 480 drawing, in the chart's font
};

// Asks for a printer, then prints one page: the heading and the drawing on
// a 640 x 480 window mapped onto the page with equal scales on both axes.
// paintBoxFont is the chart's screen font; the printout uses a copy of it
// whose size counts in drawing units.
void PrintChart(QWidget* parent, const QFont& paintBoxFont, ChartHeading heading, const ChartDrawing& draw);

// The lines into the main window's Memo1, then onto the clipboard as plain
// and rich text.
void CopyLines(const QStringList& lines);
// The heading (when used) and TableLines, by CopyLines.
void CopyTableLines();
// Memo1's whole text onto the clipboard, replacing what was there.
void CopyMemo1();

// A white picture as wide as the paint box and 80 pixels higher, with the
// canvas font Courier New, and the drawing on it.
QImage ChartPicture(QSize paintBox, const ChartDrawing& draw);
// ChartPicture onto the clipboard, replacing what was there.
void CopyChartPicture(QSize paintBox, const ChartDrawing& draw);

// The views. PrintView prints what the view shows (its table or its chart)
// and nothing when it shows neither; CopyView copies it.
void PrintView(TForm2* view);
void PrintTable(TForm2* view);
void PrintGraph(TForm2* view);
void CopyView(TForm2* view);

void PrintView(TForm3* view);
void CopyView(TForm3* view);

void PrintView(TForm4* view);
void CopyView(TForm4* view);

// The heading dialog, modal; its result is not needed.
void ShowHeadingDialog();
