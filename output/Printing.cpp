// Text printouts page by page and chart printouts scaled to the page.
#include "Output.h"

#include "Dialogs.h"
#include "Lys_erkl.h"
#include "Overskr.h"
#include "QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Once a text printout has set it, the printer keeps its text font for the
// rest of the run; chart headings printed in printer pixels use it.
std::optional<QFont> PrinterTextFont;

// The program's printer. It is never deleted: it may outlive the
// application object at exit.
QPrinter*& ProgramPrinter() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}

// A printer that failed to start can be left half-started and refuse every
// later printout; the next printout gets a fresh one. The old one is not
// deleted, as it may still hold the half-started job.
void ReplacePrinter() {
    ProgramPrinter() = new QPrinter(QPrinter::HighResolution);
}

void ReportPrinterFault() {
    ShowMessageBox("Printeren kunne ikke udskrive. Kontrollér printeren, og prøv igen.", "Udskriv");
}

// Starts the document, or reports why it could not start and prints nothing.
bool BeginDocument(QPainter& painter, QPrinter& printer) {
    if (!printer.isValid() || !painter.begin(&printer)) {
        ReplacePrinter();
        ReportPrinterFault();
        return false;
    }
    return true;
}

// Ends the document; a printer that gives up on the way is reported too.
void EndDocument(QPainter& painter) {
    if (!painter.end()) ReportPrinterFault();
}

// Gives up a document whose printer failed part way.
void AbortDocument(QPainter& painter, QPrinter& printer) {
    printer.abort();
    if (painter.isActive()) painter.end();
    ReplacePrinter();
    ReportPrinterFault();
}

}  // namespace

QPrinter& Printer() { return *ProgramPrinter(); }

QFont PrintTextFont() {
    QFont font("Courier New");
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

TextPageLayout MeasureTextPage(QPaintDevice& device, int32_t lineCount) {
    TextPageLayout page;
    const QFontMetrics metrics(PrintTextFont(), &device);
    page.LineHeight = metrics.height();  // of "Wg": the font's full height
    const int32_t ppi = device.logicalDpiY();
    page.LeftMargin = ppi / 2;
    page.TopMargin = ppi;
    page.BottomMargin = ppi;
    page.PrintableHeight = device.height() - page.TopMargin - page.BottomMargin;
    page.LinesPerPage = std::max(page.LineHeight > 0 ? page.PrintableHeight / page.LineHeight : 0, 1);
    page.LineCount = std::max(lineCount, 0);
    page.PageCount = (page.LineCount + page.LinesPerPage - 1) / page.LinesPerPage;
    return page;
}

void PreparePrintLines() {
    State.PrintLines.clear();
    if (HeadingUsed()) {
        State.PrintLines.push_back(Overskrif->HeadingText.toStdString());
        State.PrintLines.push_back(" ");
    }
    State.PrintLines.insert(State.PrintLines.end(), State.TableLines.begin(), State.TableLines.end());
}

void PrintPages(QWidget* parent) {
    QPrinter& printer = Printer();
    if (!ExecPrintDialog(printer, parent)) return;

    const auto lineCount = static_cast<int32_t>(State.PrintLines.size());
    const TextPageLayout page = MeasureTextPage(printer, lineCount);
    PrinterTextFont = PrintTextFont();

    QPainter painter;
    if (!BeginDocument(painter, printer)) return;
    painter.setFont(*PrinterTextFont);
    const int32_t ascent = QFontMetrics(*PrinterTextFont, &printer).ascent();
    int32_t index = 0;
    for (int32_t p = 1; p <= page.PageCount; ++p) {
        int32_t y = page.TopMargin;
        for (int32_t l = 0; l < page.LinesPerPage && index < lineCount; ++l, ++index) {
            // Drawn at a point: never wrapped and never clipped, so a line
            // wider than the paper runs off it as it stands.
            painter.drawText(QPoint(page.LeftMargin, y + ascent), ToQString(State.PrintLines[index]));
            y += page.LineHeight;
        }
        if (p < page.PageCount && !printer.newPage()) {
            AbortDocument(painter, printer);
            return;
        }
    }
    EndDocument(painter);
}

void PrintChart(QWidget* parent, const QFont& paintBoxFont, ChartHeading heading, const ChartDrawing& draw) {
    State.PrintLines.clear();
    QPrinter& printer = Printer();
    if (!ExecPrintDialog(printer, parent)) return;
    const int w = printer.width();
    const int h = printer.height();

    QPainter painter;
    if (!BeginDocument(painter, printer)) return;
    const QString headingText = Overskrif ? Overskrif->HeadingText : QString();
    if (heading == ChartHeading::PrinterPixels) {
        if (PrinterTextFont) painter.setFont(*PrinterTextFont);
        const int ascent = QFontMetrics(painter.font(), &printer).ascent();
        painter.drawText(QPoint(10, 10 + ascent), headingText);
    }

    // 640 x 480 units on the page from its top left corner, the same scale
    // across and down, so the chart keeps its proportions.
    painter.save();
    painter.setWindow(0, 0, 640, 480);
    const double scale = std::min(w / 640.0, h / 480.0);
    painter.setViewport(0, 0, static_cast<int>(std::lround(640 * scale)), static_cast<int>(std::lround(480 * scale)));
    {
        // The printout font lives for this printout only.
        QFont printoutFont(paintBoxFont);
        QtCanvas canvas(&painter, true);
        canvas.SetQFont(printoutFont);
        if (heading == ChartHeading::ChartSpace) canvas.TextOut(10, 10, headingText.toStdString());
        draw(canvas);
    }
    painter.restore();
    EndDocument(painter);
}
