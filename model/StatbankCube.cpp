#include "StatbankCube.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

namespace {

constexpr size_t MaxFileBytes = 50u * 1024u * 1024u;

// Windows-1252's letters in 0x80..0x9F; ISO 8859-1 has controls there, which
// never occur in a table, so one table serves both.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        // Runs of plain ASCII, most of any file, eight bytes at a time.
        while (i + 8 <= s.size()) {
            uint64_t word;
            std::memcpy(&word, s.data() + i, 8);
            if (word & 0x8080808080808080u) break;
            i += 8;
        }
        if (i >= s.size()) break;
        const auto c = static_cast<unsigned char>(s[i]);
        int follow = 0;
        if (c < 0x80) follow = 0;
        else if (c >= 0xC2 && c <= 0xDF) follow = 1;
        else if (c >= 0xE0 && c <= 0xEF) follow = 2;
        else if (c >= 0xF0 && c <= 0xF4) follow = 3;
        else return false;
        if (follow > 0 && i + follow >= s.size()) return false;
        for (int k = 1; k <= follow; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += follow + 1;
    }
    return true;
}

// The one-byte code pages as UTF-8; ISO 8859-15 differs from 8859-1 in eight
// places, the euro sign among them.
std::string FromSingleByte(std::string_view s, bool latin9) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        char32_t u = c;
        if (c >= 0x80 && c < 0xA0) u = Cp1252High[c - 0x80];
        if (latin9) {
            switch (c) {
                case 0xA4: u = 0x20AC; break;
                case 0xA6: u = 0x0160; break;
                case 0xA8: u = 0x0161; break;
                case 0xB4: u = 0x017D; break;
                case 0xB8: u = 0x017E; break;
                case 0xBC: u = 0x0152; break;
                case 0xBD: u = 0x0153; break;
                case 0xBE: u = 0x0178; break;
                default: break;
            }
        }
        AppendUtf8(out, u);
    }
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// Files this reader is not for, recognised by their first bytes.
std::string ForeignFormat(std::string_view bytes) {
    const std::string excel =
        "Filen er en Excel-projektmappe, som programmet ikke kan læse. Hent tabellen i "
        "Statistikbanken igen som CSV eller PX og indlæs den fil.";
    if (StartsWith(bytes, "PK\x03\x04") || StartsWith(bytes, "\xD0\xCF\x11\xE0")) return excel;
    if (StartsWith(bytes, "%PDF")) {
        return "Filen er et PDF-dokument, som programmet ikke kan læse. Hent tabellen i Statistikbanken "
               "som CSV eller PX og indlæs den fil.";
    }
    const std::string head = Lower(Trim(bytes.substr(0, 4096)));
    if (StartsWith(head, "<")) {
        if (head.find("workbook") != std::string::npos || head.find("excel") != std::string::npos) return excel;
        return "Filen er en webside eller XML, som programmet ikke kan læse. Hent tabellen i Statistikbanken "
               "som CSV eller PX og indlæs den fil.";
    }
    if (bytes.substr(0, 65536).find('\0') != std::string_view::npos) {
        return "Filen er ikke en tekstfil. Hent tabellen i Statistikbanken som CSV eller PX og indlæs den fil.";
    }
    return {};
}

std::string NotReadable() {
    return "Filen ligner ikke en tabel fra Statistikbanken. Hent tabellen som CSV eller PX og indlæs den fil.";
}

// ---------------------------------------------------------------- CSV

struct CsvCell {
    std::string_view Text;  // trimmed, unquoted
    bool Blank = true;      // nothing but blanks
};

struct CsvRow {
    std::vector<CsvCell> Cells;  // without the blank cells at its end
    int32_t Line = 0;
};

char GuessSeparator(std::string_view text) {
    size_t commas = 0;
    size_t semicolons = 0;
    size_t tabs = 0;
    bool quoted = false;
    int lines = 0;
    for (size_t i = 0; i < text.size() && lines < 30; ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        else if (quoted) continue;
        else if (c == ',') ++commas;
        else if (c == ';') ++semicolons;
        else if (c == '\t') ++tabs;
        else if (c == '\n') ++lines;
    }
    if (semicolons >= commas && semicolons >= tabs) return ';';
    return tabs > commas ? '\t' : ',';
}

// The rows one at a time, so that a large file never exists as cells.
class CsvReader {
public:
    CsvReader(StatbankCube& cube, char separator) : cube_(cube), text_(cube.Text), separator_(separator) {
        stops_[static_cast<unsigned char>(separator)] = stops_[static_cast<unsigned char>('\n')] = stops_[static_cast<unsigned char>('\r')] = true;
    }

    char Separator() const { return separator_; }

    // The next row with a cell that is not blank; false at the end.
    bool Next(CsvRow& row) {
        while (pos_ < text_.size()) {
            ReadRow(row);
            if (!row.Cells.empty()) return true;
        }
        return false;
    }

private:
    std::string_view Cell() {
        const std::string_view text = text_;
        size_t& i = pos_;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t') && text[i] != separator_) ++i;
        if (i >= text.size() || text[i] != '"') {
            const size_t start = i;
            while (i < text.size() && !stops_[static_cast<unsigned char>(text[i])]) ++i;
            size_t end = i;
            while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
            return text.substr(start, end - start);
        }
        const size_t open = ++i;
        bool escaped = false;
        while (i < text.size()) {
            if (text[i] == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    escaped = true;
                    i += 2;
                    continue;
                }
                break;
            }
            if (text[i] == '\n') ++line_;
            ++i;
        }
        std::string_view inner = text.substr(open, i - open);
        if (i < text.size()) ++i;  // the closing quote
        if (escaped) {
            std::string plain;
            for (size_t k = 0; k < inner.size(); ++k) {
                plain += inner[k];
                if (inner[k] == '"') ++k;
            }
            cube_.Unquoted.push_front(std::move(plain));
            inner = cube_.Unquoted.front();
        }
        while (i < text.size() && text[i] != separator_ && text[i] != '\n' && text[i] != '\r') ++i;
        return Trim(inner);
    }

    void ReadRow(CsvRow& row) {
        row.Cells.clear();
        row.Line = line_;
        for (;;) {
            const std::string_view cell = Cell();
            row.Cells.push_back({cell, cell.empty()});
            if (pos_ < text_.size() && text_[pos_] == separator_) {
                ++pos_;
                continue;
            }
            break;
        }
        if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++line_;
        while (!row.Cells.empty() && row.Cells.back().Blank) row.Cells.pop_back();
    }

    StatbankCube& cube_;
    std::string_view text_;
    char separator_;
    bool stops_[256] = {};  // the characters that end an unquoted cell
    size_t pos_ = 0;
    int32_t line_ = 1;
};

// Label indexes, made as the labels are first met. Rows mostly repeat the
// label of the row before or have the one after it, so those are compared
// first.
struct LabelIndex {
    std::map<std::string_view, int32_t> Index;
    std::string_view Last;
    int32_t LastIndex = -1;
    int32_t Of(StatbankDimension& dim, std::string_view label) {
        if (LastIndex >= 0 && label == Last) return LastIndex;
        // Or the label after it, as ages follow each other in a table.
        const size_t next = static_cast<size_t>(LastIndex + 1);
        if (LastIndex >= 0 && next < dim.Labels.size() && label == dim.Labels[next]) {
            Last = label;
            return ++LastIndex;
        }
        auto [it, added] = Index.try_emplace(label, static_cast<int32_t>(dim.Labels.size()));
        if (added) dim.Labels.emplace_back(label);
        Last = label;
        LastIndex = it->second;
        return LastIndex;
    }
};

void AddFigure(StatbankCube& cube, std::string_view text, int32_t line) {
    cube.Figures.push_back(ReadStatbankFigure(text, line));
    const StatbankFigure& f = cube.Figures.back();
    if (f.State == StatbankFigure::Bad || f.Value < 0) cube.Texts.emplace_back(cube.Figures.size() - 1, text);
}

// The flat CSV: a header of variable names, the figure last, one figure a row.
void ReadFlatCsv(StatbankCube& cube, CsvReader& reader, const CsvRow& header) {
    const size_t n = header.Cells.size();
    for (size_t d = 0; d + 1 < n; ++d) cube.Dims.push_back({std::string(header.Cells[d].Text), {}});
    std::vector<LabelIndex> index(n - 1);
    // One figure a line at most: reserved once, never copied as it grows.
    const size_t figures = static_cast<size_t>(std::count(cube.Text.begin(), cube.Text.end(), '\n')) + 1;
    cube.Figures.reserve(figures);
    cube.Coords.reserve(figures * (n - 1));
    CsvRow row;
    while (reader.Next(row)) {
        if (row.Cells.size() != n) {
            cube.Error = "Linje " + std::to_string(row.Line) + " har " + std::to_string(row.Cells.size()) +
                         " felter, men overskriften har " + std::to_string(n) + ". Filen er ufuldstændig eller beskadiget.";
            return;
        }
        for (size_t d = 0; d + 1 < n; ++d) cube.Coords.push_back(index[d].Of(cube.Dims[d], row.Cells[d].Text));
        AddFigure(cube, row.Cells[n - 1].Text, row.Line);
    }
}

size_t LeadingBlanks(const CsvRow& row) {
    size_t blanks = 0;
    while (blanks < row.Cells.size() && row.Cells[blanks].Blank) ++blanks;
    return blanks;
}

// The table download: title lines, header rows that start with one blank cell
// per row dimension, then rows in which a dimension is blank while it repeats.
void ReadTableCsv(StatbankCube& cube, CsvReader& reader, CsvRow& row) {
    const size_t rowDims = LeadingBlanks(row);
    const size_t columns = row.Cells.size() - rowDims;
    // Header rows: the same leading blanks, then a label in every column.
    std::vector<std::vector<std::string_view>> headings;
    bool more = true;
    while (more && LeadingBlanks(row) == rowDims && row.Cells.size() == rowDims + columns) {
        std::vector<std::string_view> labels(columns);
        for (size_t c = 0; c < columns; ++c) {
            labels[c] = row.Cells[rowDims + c].Text;
            if (labels[c].empty() && c > 0) labels[c] = labels[c - 1];
        }
        headings.push_back(std::move(labels));
        more = reader.Next(row);
    }
    for (size_t d = 0; d < rowDims + headings.size(); ++d) cube.Dims.push_back({});
    const size_t dims = cube.Dims.size();
    std::vector<LabelIndex> index(dims);
    std::vector<std::vector<int32_t>> columnCoords(columns);
    for (size_t c = 0; c < columns; ++c) {
        for (size_t h = 0; h < headings.size(); ++h) {
            columnCoords[c].push_back(index[rowDims + h].Of(cube.Dims[rowDims + h], headings[h][c]));
        }
    }
    std::vector<std::string_view> current(rowDims);
    std::vector<int32_t> rowCoords(rowDims);
    // At most a figure a column a line, and a separator before each:
    // reserved once, never copied as it grows.
    size_t lines = 1;
    size_t separators = 0;
    for (const char c : cube.Text) {
        lines += c == '\n';
        separators += c == reader.Separator();
    }
    const size_t figures = std::min(lines * columns, separators);
    cube.Figures.reserve(figures);
    cube.Coords.reserve(figures * dims);
    for (; more; more = reader.Next(row)) {
        for (size_t d = 0; d < rowDims && d < row.Cells.size(); ++d) {
            if (!row.Cells[d].Blank) current[d] = row.Cells[d].Text;
        }
        if (row.Cells.size() <= rowDims) continue;  // a label row or a note
        for (size_t d = 0; d < rowDims; ++d) {
            if (current[d].empty()) {
                cube.Error = "Linje " + std::to_string(row.Line) +
                             " har tal, men ikke alle rækkens betegnelser. Filen er ufuldstændig eller beskadiget.";
                return;
            }
        }
        for (size_t d = 0; d < rowDims; ++d) rowCoords[d] = index[d].Of(cube.Dims[d], current[d]);
        const size_t used = std::min(columns, row.Cells.size() - rowDims);
        for (size_t c = 0; c < used; ++c) {
            for (const int32_t k : rowCoords) cube.Coords.push_back(k);
            for (const int32_t k : columnCoords[c]) cube.Coords.push_back(k);
            AddFigure(cube, row.Cells[rowDims + c].Text, row.Line);
        }
    }
}

void ReadCsv(StatbankCube& cube) {
    CsvReader reader(cube, GuessSeparator(cube.Text));
    CsvRow row;
    if (!reader.Next(row)) {
        cube.Error = "Filen er tom.";
        return;
    }
    // The flat layout starts with its header of names, one per column.
    const bool full = std::none_of(row.Cells.begin(), row.Cells.end(), [](const CsvCell& c) { return c.Blank; });
    if (row.Cells.size() >= 2 && full) {
        ReadFlatCsv(cube, reader, row);
        return;
    }
    // Title lines are a single text; the header is the first row that starts blank.
    while (!row.Cells.front().Blank) {
        if (row.Cells.size() != 1) {
            cube.Error = NotReadable();
            return;
        }
        if (!cube.Title.empty()) cube.Title += ' ';
        cube.Title += row.Cells.front().Text;
        if (!reader.Next(row)) {
            cube.Error = NotReadable();
            return;
        }
    }
    ReadTableCsv(cube, reader, row);
}

// ---------------------------------------------------------------- PX

struct PxReader {
    std::string_view Text;
    size_t Pos = 0;
    int32_t Line = 1;

    void SkipBlanks() {
        while (Pos < Text.size()) {
            const char c = Text[Pos];
            if (c == '\n') ++Line;
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
            ++Pos;
        }
    }
    // The quoted strings of a value up to its ";": commas separate items,
    // strings that follow each other without a comma are one long text.
    bool Strings(std::vector<std::string>& items, std::string& bare) {
        bool joining = false;
        for (;;) {
            SkipBlanks();
            if (Pos >= Text.size()) return false;
            const char c = Text[Pos];
            if (c == ';') {
                ++Pos;
                return true;
            }
            if (c == ',') {
                joining = false;
                ++Pos;
                continue;
            }
            if (c == '"') {
                const size_t end = Text.find('"', Pos + 1);
                if (end == std::string_view::npos) return false;
                const std::string_view s = Text.substr(Pos + 1, end - Pos - 1);
                for (char k : s) {
                    if (k == '\n') ++Line;
                }
                if (joining && !items.empty()) items.back() += s;
                else items.emplace_back(s);
                joining = true;
                Pos = end + 1;
                continue;
            }
            bare += c;  // unquoted values such as YES or TLIST(A1)
            ++Pos;
        }
    }
};

void ReadPx(StatbankCube& cube) {
    PxReader px{cube.Text};
    std::vector<std::string> stub;
    std::vector<std::string> heading;
    std::vector<std::pair<std::string, std::vector<std::string>>> values;
    for (;;) {
        px.SkipBlanks();
        if (px.Pos >= px.Text.size()) {
            cube.Error = "PX-filen har ingen tal (DATA mangler). Filen er ufuldstændig eller beskadiget.";
            return;
        }
        const size_t eq = px.Text.find('=', px.Pos);
        if (eq == std::string_view::npos) {
            cube.Error = "PX-filen har ingen tal (DATA mangler). Filen er ufuldstændig eller beskadiget.";
            return;
        }
        const std::string_view head = Trim(px.Text.substr(px.Pos, eq - px.Pos));
        px.Pos = eq + 1;
        std::string_view keyword = head.substr(0, head.find_first_of("[("));
        const bool language = head.find('[') != std::string_view::npos &&
                              head.find('[') < head.find('(');
        std::string_view argument;
        if (const size_t open = head.find("(\""); open != std::string_view::npos) {
            const size_t close = head.rfind("\")");
            if (close != std::string_view::npos && close > open) argument = head.substr(open + 2, close - open - 2);
        }
        if (keyword == "DATA") break;
        std::vector<std::string> items;
        std::string bare;
        if (!px.Strings(items, bare)) {
            cube.Error = "PX-filen er beskadiget ved linje " + std::to_string(px.Line) + ".";
            return;
        }
        if (language) continue;  // the other languages' texts of the same table
        if (keyword == "TITLE" && !items.empty()) cube.Title = items.front();
        else if (keyword == "STUB") stub = items;
        else if (keyword == "HEADING") heading = items;
        else if (keyword == "VALUES") values.emplace_back(std::string(argument), std::move(items));
    }
    std::vector<std::string> order = stub;
    order.insert(order.end(), heading.begin(), heading.end());
    if (order.empty()) {
        cube.Error = "PX-filen nævner ingen variable (STUB og HEADING mangler). Filen er beskadiget.";
        return;
    }
    size_t total = 1;
    for (const std::string& name : order) {
        auto it = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        if (it == values.end() || it->second.empty()) {
            cube.Error = "PX-filen har ingen værdier for \"" + name + "\". Filen er beskadiget.";
            return;
        }
        cube.Dims.push_back({name, it->second});
        total *= it->second.size();
        if (total > MaxFileBytes) {
            cube.Error = "PX-filen beskriver flere tal, end den kan rumme. Filen er beskadiget.";
            return;
        }
    }
    cube.Figures.reserve(total);
    const size_t dims = cube.Dims.size();
    cube.Coords.reserve(total * dims);
    std::vector<int32_t> coords(dims, 0);
    const std::string_view text = px.Text;
    size_t i = px.Pos;
    int32_t line = px.Line;
    for (;;) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                                   text[i] == ',' || text[i] == ';')) {
            if (text[i] == '\n') ++line;
            ++i;
        }
        if (i >= text.size()) break;
        std::string_view token;
        if (text[i] == '"') {
            const size_t end = text.find('"', i + 1);
            const size_t stop = end == std::string_view::npos ? text.size() : end;
            token = text.substr(i + 1, stop - i - 1);
            i = stop == text.size() ? stop : stop + 1;
        } else {
            const size_t start = i;
            while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n' &&
                   text[i] != ',' && text[i] != ';' && text[i] != '"') {
                ++i;
            }
            token = text.substr(start, i - start);
        }
        if (cube.Figures.size() == total) {
            cube.Error = "PX-filen har flere tal end dens variable beskriver (linje " + std::to_string(line) +
                         "). Filen er beskadiget.";
            return;
        }
        cube.Coords.insert(cube.Coords.end(), coords.begin(), coords.end());
        AddFigure(cube, token, line);
        for (size_t d = dims; d-- > 0;) {
            if (++coords[d] < static_cast<int32_t>(cube.Dims[d].Labels.size())) break;
            coords[d] = 0;
        }
    }
    if (cube.Figures.size() != total) {
        cube.Error = "PX-filen har " + std::to_string(cube.Figures.size()) + " tal, men dens variable beskriver " +
                     std::to_string(total) + ". Filen er ufuldstændig.";
    }
}

bool LooksLikePx(std::string_view text) {
    const std::string_view head = Trim(text.substr(0, 200));
    size_t k = 0;
    while (k < head.size() && ((head[k] >= 'A' && head[k] <= 'Z') || head[k] == '-')) ++k;
    if (k < 3 || k >= head.size()) return false;
    return head[k] == '=' || head[k] == '[' || head[k] == '(';
}

// PX names its character set; a CSV is UTF-8 when it is valid UTF-8. Text
// in UTF-8 is used where it lies, as copying it costs as much as reading it.
void Decode(std::string_view bytes, bool px, StatbankCube& cube) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        cube.Text = bytes.substr(3);
        return;
    }
    std::string& out = cube.Decoded;
    if (px) {
        const size_t data = bytes.find("DATA=");
        const std::string head = Lower(bytes.substr(0, std::min(bytes.size(), data)));
        const size_t at = head.find("codepage=");
        const std::string page = at == std::string::npos ? std::string() : head.substr(at, 40);
        const bool ansi = head.find("charset=\"ansi\"") != std::string::npos;
        if (page.find("utf") != std::string::npos) {
            cube.Text = bytes;
            return;
        }
        if (ansi || at != std::string::npos) {
            out = FromSingleByte(bytes, page.find("8859-15") != std::string::npos);
            cube.Text = out;
            return;
        }
    }
    if (IsUtf8(bytes)) {
        cube.Text = bytes;
        return;
    }
    out = FromSingleByte(bytes, false);
    cube.Text = out;
}

}  // namespace

StatbankFigure ReadStatbankFigure(std::string_view text, int32_t line) {
    StatbankFigure f;
    f.Line = line;
    // Most figures are whole numbers: read as one, they are exact and quick.
    if (!text.empty() && text.size() <= 15) {
        uint64_t whole = 0;
        size_t k = 0;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9') whole = whole * 10 + static_cast<uint64_t>(text[k++] - '0');
        if (k == text.size()) {
            f.Value = static_cast<double>(whole);
            return f;
        }
    }
    if (text.empty()) {
        f.State = StatbankFigure::Missing;
        return f;
    }
    if (text == "-") return f;
    if (text.size() <= 6 && text.find_first_not_of('.') == std::string_view::npos) {
        f.State = StatbankFigure::Missing;
        return f;
    }
    size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative || text[0] == '+') ++i;
    double value = 0;
    double scale = 0;  // 0 before the point, then the place of the next digit
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if ((c == '.' || c == ',') && scale == 0) {
            scale = 0.1;
        } else {
            f.State = StatbankFigure::Bad;
            return f;
        }
    }
    if (!digits) {
        f.State = StatbankFigure::Bad;
        return f;
    }
    f.Value = negative ? -value : value;
    return f;
}

std::string_view StatbankFigureText(const StatbankCube& cube, size_t f) {
    const auto at = std::lower_bound(cube.Texts.begin(), cube.Texts.end(), f,
                                     [](const auto& entry, size_t index) { return entry.first < index; });
    return at != cube.Texts.end() && at->first == f ? at->second : std::string_view();
}

void ReadStatbankCube(std::string_view bytes, StatbankCube& cube) {
    if (bytes.size() > MaxFileBytes) {
        cube.Error = "Filen er større end 50 MB. Vælg færre tal i Statistikbanken (for eksempel færre områder "
                     "eller perioder) og hent tabellen igen.";
        return;
    }
    if (Trim(bytes).empty() || Trim(bytes) == "\xEF\xBB\xBF") {
        cube.Error = "Filen er tom.";
        return;
    }
    cube.Error = ForeignFormat(bytes);
    if (!cube.Error.empty()) return;
    const std::string_view plain = StartsWith(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const bool px = LooksLikePx(plain);
    Decode(bytes, px, cube);
    if (px) ReadPx(cube);
    else ReadCsv(cube);
}
