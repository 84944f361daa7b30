#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

TextPageLayout LayOutTextPages(int32_t lineHeight, int32_t pixelsPerInch, int32_t pageHeight, int32_t lineCount) {
    TextPageLayout page;
    page.LineHeight = lineHeight;
    page.LeftMargin = pixelsPerInch / 2;
    page.TopMargin = pixelsPerInch;
    page.BottomMargin = pixelsPerInch;
    page.PrintableHeight = pageHeight - page.TopMargin - page.BottomMargin;
    page.LinesPerPage = std::max(lineHeight > 0 ? page.PrintableHeight / lineHeight : 0, 1);
    page.LineCount = std::max(lineCount, 0);
    page.PageCount = (page.LineCount + page.LinesPerPage - 1) / page.LinesPerPage;
    return page;
}

std::pair<int32_t, int32_t> LinesOfPage(const TextPageLayout& layout, int32_t page) {
    if (page < 1 || page > layout.PageCount) return {layout.LineCount, layout.LineCount};
    const int32_t first = (page - 1) * layout.LinesPerPage;
    return {first, std::min(first + layout.LinesPerPage, layout.LineCount)};
}

std::vector<int32_t> PagesToPrint(int32_t pageCount, const PageRanges& ranges) {
    std::vector<int32_t> pages;
    for (int32_t p = 1; p <= pageCount; ++p) {
        const bool wanted = ranges.empty() || std::any_of(ranges.begin(), ranges.end(), [p](const auto& range) {
                                return range.first <= p && p <= range.second;
                            });
        if (wanted) pages.push_back(p);
    }
    return pages;
}

bool HeadingIsUsed(const std::string& heading) {
    // Byte order of UTF-8 against a blank is the order of the characters.
    return heading > std::string(" ");
}

std::vector<std::string> HeadedLines(const std::string& heading, const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size() + 2);
    if (HeadingIsUsed(heading)) {
        out.push_back(heading);
        out.push_back(" ");
    }
    out.insert(out.end(), lines.begin(), lines.end());
    return out;
}

std::pair<int32_t, int32_t> ChartViewportOnPage(int32_t pageWidth, int32_t pageHeight) {
    const double scale = std::min(static_cast<double>(pageWidth) / ChartWindowWidth,
                                  static_cast<double>(pageHeight) / ChartWindowHeight);
    return {static_cast<int32_t>(std::lround(ChartWindowWidth * scale)),
            static_cast<int32_t>(std::lround(ChartWindowHeight * scale))};
}
