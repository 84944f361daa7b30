// The layout of printouts in printer pixels: how the lines of a text
// printout fall on pages, which pages a page range picks, the heading above
// a text printout and where a chart sits on its one page.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The measurements of one text printout.
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

// lineCount lines of lineHeight pixels on pages pageHeight pixels high, at
// pixelsPerInch. A page too short for one line still takes one.
TextPageLayout LayOutTextPages(int32_t lineHeight, int32_t pixelsPerInch, int32_t pageHeight, int32_t lineCount);

// The lines of page (from 1) as indices [first, end) into the printout.
std::pair<int32_t, int32_t> LinesOfPage(const TextPageLayout& layout, int32_t page);

// Page ranges as the user gives them, each first..last from 1. None means
// every page.
using PageRanges = std::vector<std::pair<int32_t, int32_t>>;

// The pages of a pageCount-page printout to print, in order, each once.
// Pages a range names beyond the printout are left out.
std::vector<int32_t> PagesToPrint(int32_t pageCount, const PageRanges& ranges);

// Whether a text printout or copy starts with the heading: only when it sorts
// after one blank, so an empty heading and a single blank are left out.
bool HeadingIsUsed(const std::string& heading);

// The heading and a blank line (when the heading is used), then lines.
std::vector<std::string> HeadedLines(const std::string& heading, const std::vector<std::string>& lines);

// A chart is drawn in a window of 640 x 480 units, its heading at (10, 10).
constexpr int32_t ChartWindowWidth = 640;
constexpr int32_t ChartWindowHeight = 480;
constexpr int32_t ChartHeadingX = 10;
constexpr int32_t ChartHeadingY = 10;

// The chart window on a page of pageWidth x pageHeight pixels from its top
// left corner, the same scale across and down, so the chart keeps its
// proportions: the width and height it takes in pixels.
std::pair<int32_t, int32_t> ChartViewportOnPage(int32_t pageWidth, int32_t pageHeight);
