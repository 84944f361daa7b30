#include "YearLists.h"

#include "Lys_erkl.h"

#include <algorithm>

namespace {

const std::vector<std::string> Header = {"          Basisår:  ", " Der er følgende årstal til rådighed:", " "};
constexpr int32_t HeaderLines = 3;
constexpr int32_t YearsPerLine = 5;


int32_t DrawnEntry(int32_t x, int32_t y, const std::vector<DrawnYear>& drawn) {
    for (const DrawnYear& year : drawn)
        if (x >= year.Left && x <= year.Right && y >= year.Top && y <= year.Bottom) return year.Entry;
    return 0;
}

}  // namespace

std::vector<std::string> BaseYearListLines() {
    std::vector<std::string> lines = Header;
    for (const int32_t y : ProjectionBaseYears()) {
        const std::string year = std::to_string(y);
        lines.push_back(std::string(year.size() < 14 ? 14 - year.size() : 0, ' ') + year);
    }
    return lines;
}

int32_t ListedBaseYear(int32_t entry) {
    const std::vector<int32_t> years = ProjectionBaseYears();
    return entry >= 1 && entry <= static_cast<int32_t>(years.size()) ? years[static_cast<size_t>(entry - 1)] : 0;
}

std::vector<std::string> CensusYearListLines() {
    std::vector<std::string> lines = Header;
    std::string line;
    for (int i = 1; i <= CensusYearCount; ++i) {
        line += "    " + std::to_string(State.YearChoices[i]);
        if (i % YearsPerLine == 0 || i == CensusYearCount) {
            lines.push_back(line);
            line.clear();
        }
    }
    return lines;
}

std::vector<ListedYear> BaseYearPositions() {
    std::vector<ListedYear> years;
    const std::vector<std::string> lines = BaseYearListLines();
    const int32_t listed = static_cast<int32_t>(lines.size()) - HeaderLines;
    for (int k = 1; k <= listed; ++k) {
        const std::string& line = lines[HeaderLines + k - 1];
        const size_t first = line.find_first_not_of(' ');
        const int32_t column = first == std::string::npos ? 0 : static_cast<int32_t>(first);
        years.push_back({k, HeaderLines + k - 1, column, static_cast<int32_t>(line.size()) - column});
    }
    return years;
}

std::vector<ListedYear> CensusYearPositions() {
    std::vector<ListedYear> years;
    int32_t column = 0;
    for (int i = 1; i <= CensusYearCount; ++i) {
        const int32_t slot = (i - 1) % YearsPerLine;
        const int32_t length = static_cast<int32_t>(std::to_string(State.YearChoices[i]).size());
        // Entries are four blanks and the year; a longer year pushes the rest on.
        column = slot == 0 ? 4 : column + 4;
        years.push_back({i, HeaderLines + (i - 1) / YearsPerLine, column, length});
        column += length;
    }
    return years;
}

int32_t BaseYearAtClick(int32_t x, int32_t y, const std::vector<DrawnYear>& drawn, bool scrolled) {
    if (const int32_t entry = DrawnEntry(x, y, drawn)) return entry;
    if (scrolled || !(x > 80 && x < 115 && y > 50 && y < 110)) return 0;
    if (y < 70) return 1;
    if (y < 80) return 2;
    if (y < 90) return 3;
    return 4;
}

int32_t CensusYearAtClick(int32_t x, int32_t y, const std::vector<DrawnYear>& drawn) {
    if (const int32_t entry = DrawnEntry(x, y, drawn)) return entry;
    // Column 1 up to x 95, then one every 65 pixels; row 0 up to y 70, then
    // one every 15. Counted in 64 bits: a far click must not overflow.
    const int64_t column = x <= 95 ? 1 : 1 + (int64_t{x} - 95 + 64) / 65;
    const int64_t row = y <= 70 ? 0 : (int64_t{y} - 70 + 14) / 15;
    const int64_t index = column + YearsPerLine * row;
    return index > CensusYearCount ? CensusYearCount + 1 : static_cast<int32_t>(index);
}
