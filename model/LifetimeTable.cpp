#include "LifetimeTable.h"

#include "Lifetime.h"
#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>

namespace {

std::string Width(int32_t x, int width) { return FormatFixed(x, width, 0); }

// The age part of the item that holds the median.
std::string Marked(const char* mark, int32_t x) { return std::string(mark).append(Width(x, 2)); }

LifetimeTable OnePersonTable() {
    const LifetimeState::Result& shown = Lifetime.Shown;
    const int32_t ageA = shown.AgeA;
    int32_t rows = (100 - ageA) / 5;
    int32_t columns = 5;
    if (rows < 2) {
        rows = 100 - ageA;
        columns = 1;
    }
    LifetimeTable t;
    t.FixedRows = 1;
    t.Cells.assign(static_cast<size_t>(rows + 3), std::vector<std::string>(static_cast<size_t>(columns)));

    const double* chance = shown.SexCode == 'm' ? Lifetime.ChanceA : Lifetime.ChanceB;
    bool marked = false;
    int32_t used = 0;
    for (int32_t n = 1; n <= 100 - ageA; ++n) {
        const int32_t x = ageA + n;
        const int32_t c = n - 1;
        std::string agePart = Width(x, 3);
        if (!marked && chance[x] <= 50.0) {
            marked = true;
            if (x < 100) agePart = Marked("*", x);
        }
        const int32_t col = c / (rows + 1);
        t.Cells[static_cast<size_t>(c % (rows + 1) + 1)][static_cast<size_t>(col)] =
            agePart + FormatFixed(chance[x], 6, 1) + "% ";
        used = std::max(used, col + 1);
    }
    // Only the columns that hold items.
    t.ColCount = used;
    for (auto& row : t.Cells) row.resize(static_cast<size_t>(used));
    for (int32_t c = 0; c < used; ++c) {
        t.Cells[0][static_cast<size_t>(c)] = " År Chance ";
        t.ColumnWidthTexts.push_back(" År Chance ");
    }
    t.ResultLines[0] = shown.LineA;
    return t;
}

LifetimeTable TwoPersonTable() {
    const LifetimeState::Result& shown = Lifetime.Shown;
    const int32_t ageA = shown.AgeA;
    const int32_t ageB = shown.AgeB;
    const int32_t y = std::min(ageA, ageB);
    int32_t rows = (100 - y) / 3 + 1;
    int32_t columns = 3;
    if (rows < 6) {
        rows = 100 - y;
        columns = 1;
    }
    LifetimeTable t;
    t.FixedRows = 2;
    t.ColCount = columns;
    // Cells no item fills hold one blank.
    t.Cells.assign(static_cast<size_t>(rows + 3), std::vector<std::string>(static_cast<size_t>(columns), " "));
    for (int32_t c = 0; c < columns; ++c) {
        t.ColumnWidthTexts.push_back(c < columns - 1 ? " Alder      Chance       " : " Alder      Chance     ");
        t.Cells[0][static_cast<size_t>(c)] = "  Alder      Chance  ";
        t.Cells[1][static_cast<size_t>(c)] = "  A   B     A      B ";
    }

    bool markedA = false;
    bool markedB = false;
    for (int32_t n = 1; n <= 100 - y; ++n) {
        const int32_t c = n - 1;
        std::string agePartA = "   ";
        std::string chancePartA = "        ";
        std::string agePartB = "    ";
        std::string chancePartB = "       ";
        const int32_t xA = ageA + n;
        const int32_t xB = ageB + n;
        if (xA <= 100) {
            agePartA = Width(xA, 3);
            chancePartA = FormatFixed(Lifetime.ChanceA[xA], 7, 1) + "%";
            if (!markedA && Lifetime.ChanceA[xA] <= 50.0) {
                markedA = true;
                if (xA < 100) agePartA = Marked("*", xA);
            }
        }
        if (xB <= 100) {
            agePartB = Width(xB, 4);
            chancePartB = FormatFixed(Lifetime.ChanceB[xB], 6, 1) + "% ";
            if (!markedB && Lifetime.ChanceB[xB] <= 50.0) {
                markedB = true;
                if (xB < 100) agePartB = Marked(" *", xB);
            }
        }
        t.Cells[static_cast<size_t>(c % (rows + 1) + 2)][static_cast<size_t>(c / (rows + 1))] =
            agePartA + agePartB + chancePartA + chancePartB;
    }
    t.ResultLines[0] = "A: " + shown.LineA;
    t.ResultLines[1] = "B: " + shown.LineB;
    t.ResultLines[2] = shown.LineOutlive;
    return t;
}

}  // namespace

LifetimeTable MakeLifetimeTable() {
    if (Lifetime.Shown.PersonCount == 1) return OnePersonTable();
    if (Lifetime.Shown.PersonCount == 2) return TwoPersonTable();
    return {};
}

std::vector<std::string> LifetimeTableLines(const LifetimeTable& table) {
    if (table.Cells.empty()) return {};
    std::vector<std::string> lines{" Levetidstabel", " "};
    // Two persons: the first two column blocks padded to 24 characters.
    const bool two = table.FixedRows == 2;
    for (size_t r = 0; r < table.Cells.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < table.Cells[r].size(); ++c) {
            line += table.Cells[r][c];
            if (two && c <= 1) line += static_cast<int32_t>(r) < table.FixedRows ? "   " : " ";
        }
        lines.push_back(line);
        if ((r + 1) % 5 == 0) lines.push_back(" ");
    }
    lines.push_back(" ");
    lines.push_back(table.ResultLines[0]);
    if (two) {
        for (int i = 1; i < 3; ++i) {
            lines.push_back(" ");
            lines.push_back(table.ResultLines[i]);
        }
    }
    return lines;
}

bool BuildLifetimeTable() {
    if (!ComputeLifetimeResults()) return false;
    State.TableLines = LifetimeTableLines(MakeLifetimeTable());
    return true;
}
