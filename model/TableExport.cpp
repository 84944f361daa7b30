#include "TableExport.h"

#include "HistoricalTables.h"
#include "Lifetime.h"
#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>
#include <cctype>

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string DecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string Field(const std::string& field) {
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Persons as the group tables show them.
std::string Persons(double x) { return FormatFixed(RoundForDisplay(x), 0); }

// The groups of State under their header, and the "I alt" row with the
// totals the table's last line shows.
void AddGroupRows(Rows& rows, bool census) {
    rows.push_back({"Aldersgruppe", "Mænd", "Kvinder", "I alt"});
    const int32_t groups = std::clamp(State.GroupCount, 0, MaxGroups);
    for (int32_t g = 0; g < groups; ++g) {
        const int32_t from = g * (State.GroupSpan + 1);
        const int32_t to = census && from + State.GroupSpan == 94 ? 99 : from + State.GroupSpan;
        const double men = RoundForDisplay(State.GroupMale[g]);
        const double women = RoundForDisplay(State.GroupFemale[g]);
        rows.push_back({std::to_string(from) + "-" + std::to_string(to) + " år", FormatFixed(men, 0),
                        FormatFixed(women, 0), FormatFixed(men + women, 0)});
    }
    rows.push_back({"I alt", Persons(State.TotalMale), Persons(State.TotalFemale),
                    Persons(State.TotalMale + State.TotalFemale)});
}

}  // namespace

std::string LinesAsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

std::string CsvFile(const Rows& rows) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.size());
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (size_t i = 0; i < width; ++i) {
            if (i > 0) csv += ';';
            if (i < row.size()) csv += Field(row[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

std::string CsvNumber(double x, int decimals) { return DecimalComma(FormatFixed(x, decimals)); }

std::string ProjectionCsv() {
    // The inputs as the table names them, one to a row.
    Rows rows = {
        {"Basisår", std::to_string(State.BaseYear)},
        {"Prognose for året", std::to_string(State.TargetYear)},
        {"Børnetal pr. familie", CsvNumber(State.ChildrenPerFamily, 2)},
        {"Pensionsalder (år)", std::to_string(State.RetirementAge)},
        {},
    };
    AddGroupRows(rows, false);
    return CsvFile(rows);
}

CsvTable CensusViewCsv() {
    const std::vector<std::string>& lines = State.TableLines;
    if (lines == LifeExpectancyLines()) return {TableLinesCsv(lines, {"Periode", "Mænd", "Kvinder"}), "Middellevetid"};
    if (lines == MortalityLines())
        return {TableLinesCsv(lines, {"Periode", "0-1 år (%)", "0-10 år (%)"}), "Dødelighed"};
    if (lines == FertilityLines())
        return {TableLinesCsv(lines, {"År", "Børn pr. kvinde", "Særligt år", "Børn pr. kvinde det år"}), "Fertilitet"};
    const std::string year = std::to_string(State.TargetYear);
    Rows rows = {{"Folketælling år", year}, {}};
    AddGroupRows(rows, true);
    return {CsvFile(rows), "Folketælling " + year};
}

std::string LifetimeCsv() {
    const LifetimeState::Result& shown = Lifetime.Shown;
    const auto chance = [](const double* column, int32_t age) {
        return age <= 100 ? CsvNumber(column[age], 1) : std::string();
    };
    const auto age = [](int32_t x) { return x <= 100 ? std::to_string(x) : std::string(); };
    const auto sex = [](const std::string& word) { return Trimmed(word); };
    Rows rows;
    if (shown.PersonCount == 1) {
        const bool man = shown.SexCode == 'm';
        const double* column = man ? Lifetime.ChanceA : Lifetime.ChanceB;
        rows = {{"Køn", sex(Lifetime.SexWordA)},
                {"Alder (år)", std::to_string(shown.AgeA)},
                {"Medianlevetid (år)", man ? Lifetime.MedianTextA : Lifetime.MedianTextB},
                {},
                {"Alder", "Chance (%)"}};
        for (int32_t x = std::max(shown.AgeA + 1, 0); x <= 100; ++x) rows.push_back({age(x), chance(column, x)});
        return CsvFile(rows);
    }
    if (shown.PersonCount != 2) return {};
    rows = {{"", "A", "B"},
            {"Køn", sex(Lifetime.SexWordA), sex(Lifetime.SexWordB)},
            {"Alder (år)", std::to_string(shown.AgeA), std::to_string(shown.AgeB)},
            {"Medianlevetid (år)", Lifetime.MedianTextA, Lifetime.MedianTextB},
            {"Chance for at A overlever B (%)", DecimalComma(Trimmed(State.OutliveChanceText))},
            {},
            {"År frem", "Alder A", "Chance A (%)", "Alder B", "Chance B (%)"}};
    const int32_t years = 100 - std::max(std::min(shown.AgeA, shown.AgeB), 0);
    for (int32_t n = 1; n <= years; ++n) {
        const int32_t a = shown.AgeA + n;
        const int32_t b = shown.AgeB + n;
        rows.push_back({std::to_string(n), age(a), chance(Lifetime.ChanceA, a), age(b), chance(Lifetime.ChanceB, b)});
    }
    return CsvFile(rows);
}

std::string TableLinesCsv(const std::vector<std::string>& lines, const std::vector<std::string>& header) {
    Rows rows = {header};
    for (const std::string& line : lines) {
        std::string plain = line;
        std::replace_if(plain.begin(), plain.end(), [](char c) { return c == '(' || c == ')' || c == ':'; }, ' ');
        std::vector<std::string> fields;
        for (size_t at = 0; at < plain.size();) {
            const size_t start = plain.find_first_not_of(" \t\n\v\f\r", at);
            if (start == std::string::npos) break;
            const size_t end = std::min(plain.find_first_of(" \t\n\v\f\r", start), plain.size());
            fields.push_back(DecimalComma(plain.substr(start, end - start)));
            at = end;
        }
        const bool startsWithYear = !fields.empty() && fields[0].size() >= 4 &&
                                    std::all_of(fields[0].begin(), fields[0].begin() + 4,
                                                [](char c) { return c >= '0' && c <= '9'; });
        if (startsWithYear) rows.push_back(fields);
    }
    return CsvFile(rows);
}

std::vector<std::string> SaveFileTypesFor(bool table) {
    if (table) return {"Tekst (*.txt)", "CSV (*.csv)"};
    return {"PNG-billede (*.png)", "PDF (*.pdf)"};
}

namespace {

// "Tekst (*.txt)" -> "txt".
std::string TypeSuffix(const std::string& type) {
    const auto star = type.find("*.");
    if (star == std::string::npos) return {};
    const auto end = type.find(')', star);
    return type.substr(star + 2, end == std::string::npos ? std::string::npos : end - star - 2);
}

}  // namespace

SaveTarget ResolveSaveTarget(const std::string& path, const std::string& chosenType, bool table) {
    const std::vector<std::string> types = SaveFileTypesFor(table);
    const bool offered = std::find(types.begin(), types.end(), chosenType) != types.end();
    const std::string wanted = TypeSuffix(offered ? chosenType : types[0]);

    // The suffix of the file's own name, not of a folder on the way.
    const auto nameStart = path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1;
    const auto dot = path.rfind('.');
    std::string suffix;
    if (dot != std::string::npos && dot >= nameStart) {
        suffix = path.substr(dot + 1);
        for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }

    SaveTarget target;
    const bool known = suffix == "txt" || suffix == "csv" || suffix == "png" || suffix == "pdf";
    if (known && suffix != TypeSuffix(types[0]) && suffix != TypeSuffix(types[1])) {
        target.Message = table ? "En tabel kan gemmes som tekst (.txt) eller CSV (.csv)."
                               : "En graf kan gemmes som billede (.png) eller PDF (.pdf).";
        return target;
    }
    if (known) {
        target = {path, suffix, {}};
    } else {
        // Any other suffix would have the file opened as another type (a
        // ".html" holding text, an ".exe" holding CSV): the type's own is added.
        const bool endsInDot = dot != std::string::npos && dot == path.size() - 1 && dot >= nameStart;
        target = {path + (endsInDot ? "" : ".") + wanted, wanted, {}};
    }
    // File systems take names of at most 255 bytes.
    if (target.Path.size() - nameStart > MaxFileNameBytes)
        return {{}, {}, "Filnavnet er for langt: et filnavn kan højst fylde 255 byte."};
    return target;
}
