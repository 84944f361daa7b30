// Printing and copying to the clipboard, given what to output: text lines
// printed page by page, a chart drawing scaled to one page or copied as a
// picture, and the text field through which text reaches the clipboard.
// Which of these a window outputs is the window's business.
#pragma once

#include "PrintLayout.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Canvas;
class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;
class QTextEdit;
class QWidget;

// The program's one printer: the print dialogs keep the user's choice and
// settings on it for the rest of the run.
QPrinter& Printer();

// The text font of every text printout: Courier New, bold, 10 point.
QFont PrintTextFont();

// Once a text printout has run, chart headings in printer pixels use the
// printer's text font; this forgets it, as at program start.
void ForgetPrinterTextFont();

// How lineCount lines in PrintTextFont() fall on the pages of device.
TextPageLayout MeasureTextPage(QPaintDevice& device, int32_t lineCount);

// The page ranges the user chose for printer; none when every page is wanted.
PageRanges ChosenPageRanges(const QPrinter& printer);

// Asks for a printer, then prints lines (UTF-8) page by page: the pages of
// the range the user chose, else all. Nothing is printed when the user
// cancels or the range holds none of the pages; a printer that cannot start
// is reported.
void PrintPages(QWidget* parent, const std::vector<std::string>& lines);

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
// whose size counts in drawing units. A page range without page 1 prints
// nothing.
void PrintChart(QWidget* parent, const QString& heading, const QFont& paintBoxFont, ChartHeading where,
                const ChartDrawing& draw);
// The same page onto device (a printer or a PDF writer) without asking
// anything. False when the device could not start or finish the page.
bool DrawChartPage(QPagedPaintDevice& device, const QString& heading, const QFont& paintBoxFont, ChartHeading where,
                   const ChartDrawing& draw);

// The lines into field, replacing its text, then the whole field onto the
// clipboard as plain and rich text.
void CopyLines(QTextEdit& field, const QStringList& lines);
// The field's whole text onto the clipboard, replacing what was there.
void CopyFieldText(QTextEdit& field);

// A white picture as wide as the paint box and 80 pixels higher, with the
// canvas font Courier New, and the drawing on it.
QImage ChartPicture(QSize paintBox, const ChartDrawing& draw);
// ChartPicture onto the clipboard, replacing what was there.
void CopyChartPicture(QSize paintBox, const ChartDrawing& draw);
