// Printing into PDF files instead of on paper, and reading them back with
// poppler's command line tools, for the output tests.
#pragma once

#include "Dialogs.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Answers the print dialog as a user who prints to a PDF file on a page of the
// given size in inches, without margins, at the given resolution.
class PdfPrintAnswer {
public:
    explicit PdfPrintAnswer(QSizeF pageInches = QSizeF(8.5, 11), int resolution = 300)
        : Page(pageInches), Resolution(resolution) {
        Path = Dir.filePath("printout.pdf");
        Saved = SetPrintDialogFunction([this](QPrinter& printer, QWidget*) {
            ++Dialogs;
            Setup(printer);
            return Answer;
        });
    }
    ~PdfPrintAnswer() { SetPrintDialogFunction(Saved); }
    PdfPrintAnswer(const PdfPrintAnswer&) = delete;
    PdfPrintAnswer& operator=(const PdfPrintAnswer&) = delete;

    void Setup(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path);
        printer.setResolution(Resolution);
        printer.setFullPage(false);
        printer.setPageLayout(QPageLayout(QPageSize(Page, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        // The program's printer keeps a range from one printout to the next.
        printer.setPrintRange(FromPage > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        printer.setFromTo(FromPage, ToPage);
    }

    QTemporaryDir Dir;
    QString Path;
    QSizeF Page;
    int Resolution;
    bool Answer = true;
    int Dialogs = 0;
    int FromPage = 0;  // a page range from..to, 0: every page
    int ToPage = 0;

private:
    PrintDialogFunction Saved;
};

inline QString RunTool(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(20000)) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Pages of a PDF file; 0 when it is missing or unreadable.
inline int PdfPageCount(const QString& path) {
    const QRegularExpression pages("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
    const auto match = pages.match(RunTool("pdfinfo", {path}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The text of one page (from 1), line by line as laid out, without the
// empty lines.
inline QStringList PdfPageLines(const QString& path, int page) {
    const QString text = RunTool("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page),
                                               path, "-"});
    QStringList lines;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty() && line != "\f") lines.append(line.trimmed());
    return lines;
}

// A word of a PDF page with its box in points from the top left corner.
struct PdfWord {
    QString Text;
    double XMin, YMin, XMax, YMax;
};

inline std::vector<PdfWord> PdfPageWords(const QString& path, int page) {
    const QString html = RunTool("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page),
                                               path, "-"});
    const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
        words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return words;
}

inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.Text == text) return &w;
    return nullptr;
}
