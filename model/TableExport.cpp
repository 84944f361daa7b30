#include "TableExport.h"

#include "Lifetime.h"
#include "Lys_erkl.h"
#include "NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

namespace {

// Persons rounded to hundredths, so that the total in the file is exactly
// the sum of the two figures beside it.
double Hundredths(double x) { return std::isfinite(x) ? std::round(x * 100.0) / 100.0 : 0.0; }

std::string Persons(double x) { return FormatFixed(x, 2); }

}  // namespace

std::string LinesAsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            row += field;
            continue;
        }
        row += '"';
        for (char c : field) row += c == '"' ? std::string("\"\"") : std::string(1, c);
        row += '"';
    }
    return row + '\n';
}

std::string GroupFiguresCsv(bool lastGroupTo99) {
    std::string csv = CsvRow({"Aldersgruppe", "Mænd", "Kvinder", "I alt"});
    const int32_t groups = std::clamp(State.GroupCount, 0, MaxGroups);
    for (int32_t g = 0; g < groups; ++g) {
        const int32_t from = g * (State.GroupSpan + 1);
        const int32_t to = lastGroupTo99 && from + State.GroupSpan == 94 ? 99 : from + State.GroupSpan;
        const double men = Hundredths(State.GroupMale[g]);
        const double women = Hundredths(State.GroupFemale[g]);
        csv += CsvRow({std::to_string(from) + "-" + std::to_string(to) + " år", Persons(men), Persons(women),
                       Persons(men + women)});
    }
    return csv;
}

std::string LifetimeCsv() {
    const auto chance = [](const double* column, int32_t age) {
        return age <= 100 ? FormatFixed(column[age], 1) : std::string();
    };
    const auto age = [](int32_t x) { return x <= 100 ? std::to_string(x) : std::string(); };
    std::string csv;
    if (Lifetime.PersonCount == 1) {
        const double* column = Lifetime.SexCode == 'm' ? Lifetime.ChanceA : Lifetime.ChanceB;
        csv = CsvRow({"Alder", "Chance (%)"});
        for (int32_t x = std::max(Lifetime.AgeA + 1, 0); x <= 100; ++x) csv += CsvRow({age(x), chance(column, x)});
        return csv;
    }
    csv = CsvRow({"År frem", "Alder A", "Chance A (%)", "Alder B", "Chance B (%)"});
    const int32_t years = 100 - std::max(std::min(Lifetime.AgeA, Lifetime.AgeB), 0);
    for (int32_t n = 1; n <= years; ++n) {
        const int32_t a = Lifetime.AgeA + n;
        const int32_t b = Lifetime.AgeB + n;
        csv += CsvRow({std::to_string(n), age(a), chance(Lifetime.ChanceA, a), age(b), chance(Lifetime.ChanceB, b)});
    }
    return csv;
}

std::string TableLinesCsv(const std::vector<std::string>& lines, const std::vector<std::string>& header) {
    std::string csv = CsvRow(header);
    for (const std::string& line : lines) {
        std::string plain = line;
        std::replace_if(plain.begin(), plain.end(), [](char c) { return c == '(' || c == ')' || c == ':'; }, ' ');
        std::istringstream words(plain);
        std::vector<std::string> fields;
        for (std::string word; words >> word;) fields.push_back(word);
        const bool startsWithYear = !fields.empty() && fields[0].size() >= 4 &&
                                    std::all_of(fields[0].begin(), fields[0].begin() + 4,
                                                [](char c) { return c >= '0' && c <= '9'; });
        if (startsWithYear) csv += CsvRow(fields);
    }
    return csv;
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

    if (suffix.empty()) return {path + (dot == path.size() - 1 ? "" : ".") + wanted, wanted, {}};
    const bool known = suffix == "txt" || suffix == "csv" || suffix == "png" || suffix == "pdf";
    if (!known) return {path, wanted, {}};
    if (suffix != TypeSuffix(types[0]) && suffix != TypeSuffix(types[1]))
        return {{}, {}, table ? "En tabel kan gemmes som tekst (.txt) eller CSV (.csv)."
                              : "En graf kan gemmes som billede (.png) eller PDF (.pdf)."};
    return {path, suffix, {}};
}
