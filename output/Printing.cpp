// Text printouts page by page and chart printouts scaled to the page.
#include "Output.h"

#include "Dialogs.h"
#include "QtCanvas.h"

#include <QFontMetrics>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>

#include <optional>

namespace {

// Once a text printout has set it, the printer keeps its text font for the
// rest of the run; chart headings printed in printer pixels use it. Reset by
// ForgetPrinterTextFont.
std::optional<QFont> PrinterTextFont;

// The program's printer. It is never deleted: it may outlive the
// application object at exit.
QPrinter*& ProgramPrinter() {
    // Kept for the whole run with the user's settings.
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

void ForgetPrinterTextFont() { PrinterTextFont.reset(); }

QPrinter& Printer() { return *ProgramPrinter(); }

QFont PrintTextFont() {
    QFont font("Courier New");
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

TextPageLayout MeasureTextPage(QPaintDevice& device, int32_t lineCount) {
    const QFontMetrics metrics(PrintTextFont(), &device);
    // The line is the height of "Wg": the font's full height.
    return LayOutTextPages(metrics.height(), device.logicalDpiY(), device.height(), lineCount);
}

PageRanges ChosenPageRanges(const QPrinter& printer) {
    PageRanges ranges;
    if (printer.printRange() != QPrinter::PageRange) return ranges;
    for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
        ranges.emplace_back(range.from, range.to);
    return ranges;
}

void PrintPages(QWidget* parent, const std::vector<std::string>& lines) {
    QPrinter& printer = Printer();
    if (!ExecPrintDialog(printer, parent)) return;

    const auto lineCount = static_cast<int32_t>(lines.size());
    const TextPageLayout layout = MeasureTextPage(printer, lineCount);
    const PageRanges ranges = ChosenPageRanges(printer);
    const std::vector<int32_t> pages = PagesToPrint(layout.PageCount, ranges);
    // A range that holds none of the pages asks for nothing to be printed.
    if (!ranges.empty() && pages.empty()) return;
    PrinterTextFont = PrintTextFont();

    QPainter painter;
    if (!BeginDocument(painter, printer)) return;
    painter.setFont(*PrinterTextFont);
    const int32_t ascent = QFontMetrics(*PrinterTextFont, &printer).ascent();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            AbortDocument(painter, printer);
            return;
        }
        const auto [first, end] = LinesOfPage(layout, pages[i]);
        int32_t y = layout.TopMargin;
        for (int32_t index = first; index < end; ++index) {
            // Drawn at a point: never wrapped and never clipped, so a line
            // wider than the paper runs off it as it stands.
            painter.drawText(QPoint(layout.LeftMargin, y + ascent), ToQString(lines[index]));
            y += layout.LineHeight;
        }
    }
    EndDocument(painter);
}

namespace {

// The chart printout's page on a started painter.
void DrawChartOnPage(QPainter& painter, QPaintDevice& device, const QString& heading, const QFont& paintBoxFont,
                     ChartHeading where, const ChartDrawing& draw) {
    const int w = device.width();
    const int h = device.height();
    if (where == ChartHeading::PrinterPixels) {
        if (PrinterTextFont) painter.setFont(*PrinterTextFont);
        const int ascent = QFontMetrics(painter.font(), &device).ascent();
        painter.drawText(QPoint(ChartHeadingX, ChartHeadingY + ascent), heading);
    }

    painter.save();
    painter.setWindow(0, 0, ChartWindowWidth, ChartWindowHeight);
    const auto [viewportWidth, viewportHeight] = ChartViewportOnPage(w, h);
    painter.setViewport(0, 0, viewportWidth, viewportHeight);
    {
        // The printout font lives for this printout only.
        QFont printoutFont(paintBoxFont);
        QtCanvas canvas(&painter, true);
        canvas.SetQFont(printoutFont);
        if (where == ChartHeading::ChartSpace) canvas.TextOut(ChartHeadingX, ChartHeadingY, heading.toStdString());
        draw(canvas);
    }
    painter.restore();
}

}  // namespace

void PrintChart(QWidget* parent, const QString& heading, const QFont& paintBoxFont, ChartHeading where,
                const ChartDrawing& draw) {
    QPrinter& printer = Printer();
    if (!ExecPrintDialog(printer, parent)) return;
    // The chart is page 1 of a one-page printout.
    if (PagesToPrint(1, ChosenPageRanges(printer)).empty()) return;

    QPainter painter;
    if (!BeginDocument(painter, printer)) return;
    DrawChartOnPage(painter, printer, heading, paintBoxFont, where, draw);
    EndDocument(painter);
}

bool DrawChartPage(QPagedPaintDevice& device, const QString& heading, const QFont& paintBoxFont, ChartHeading where,
                   const ChartDrawing& draw) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    DrawChartOnPage(painter, device, heading, paintBoxFont, where, draw);
    return painter.end();
}
