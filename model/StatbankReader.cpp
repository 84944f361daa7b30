#include "StatbankReader.h"

#include <algorithm>
#include <cmath>

#include "StatbankCube.h"

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    // The capitals of the Danish letters, for the data service's headers.
    for (const auto& [upper, lower] : {std::pair{"Æ", "æ"}, {"Ø", "ø"}, {"Å", "å"}}) {
        for (size_t at = out.find(upper); at != std::string::npos; at = out.find(upper, at)) out.replace(at, 2, lower);
    }
    return out;
}

bool Has(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool AnyOf(std::string_view text, std::initializer_list<std::string_view> parts) {
    return std::any_of(parts.begin(), parts.end(), [&](std::string_view p) { return Has(text, p); });
}

bool OneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

// Leading digits of s (at most four), advancing s; -1 when there are none.
int32_t TakeNumber(std::string_view& s) {
    int32_t value = -1;
    size_t k = 0;
    while (k < s.size() && k < 4 && s[k] >= '0' && s[k] <= '9') {
        value = (value < 0 ? 0 : value * 10) + (s[k] - '0');
        ++k;
    }
    if (k < s.size() && s[k] >= '0' && s[k] <= '9') return -1;
    s.remove_prefix(k);
    return value;
}

void SkipBlanks(std::string_view& s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
}

// ------------------------------------------------------------ periods

struct Period {
    int32_t Year = 0;
    int32_t Part = 0;  // quarter, month or half-year within the year; 0 for a year
};

bool ReadPeriod(std::string_view label, Period& p) {
    std::string_view s = label;
    if (s.size() < 4) return false;
    for (int k = 0; k < 4; ++k) {
        if (s[k] < '0' || s[k] > '9') return false;
    }
    p.Year = TakeNumber(s);
    p.Part = 0;
    if (s.empty()) return true;
    const char unit = s.front();
    s.remove_prefix(1);
    if (unit == ':') return s.size() == 4 && TakeNumber(s) >= p.Year && s.empty();  // a two-year life table
    const int32_t part = TakeNumber(s);
    if (!s.empty() || part < 1) return false;
    p.Part = part;
    if (unit == 'K' || unit == 'Q') return part <= 4;
    if (unit == 'M') return part <= 12;
    if (unit == 'H') return part <= 2;
    return false;
}

// ------------------------------------------------------------ ages

enum class AgeLabel { Band, Total, NotAge };

AgeLabel ReadAge(std::string_view label, bool bareNumbers, StatbankAgeBand& band) {
    const std::string text = Lower(label);
    if (OneOf(text, {"i alt", "alder i alt", "alle aldre", "total", "age, total", "total, all ages", "all ages",
                     "age total", "alder, i alt"})) {
        return AgeLabel::Total;
    }
    std::string_view s = text;
    bool under = false;
    for (std::string_view prefix : {"under ", "younger than "}) {
        if (s.substr(0, prefix.size()) == prefix) {
            s.remove_prefix(prefix.size());
            under = true;
        }
    }
    const int32_t from = TakeNumber(s);
    if (from < 0 || from > 150) return AgeLabel::NotAge;
    band = {from, from, false};
    SkipBlanks(s);
    if (!s.empty() && s.front() == '-') {
        s.remove_prefix(1);
        SkipBlanks(s);
        const int32_t to = TakeNumber(s);
        if (to >= 0) {
            if (to < from) return AgeLabel::NotAge;
            band.To = to;
        } else {
            band.Open = true;  // "99-"
        }
    } else if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        band.Open = true;
    }
    SkipBlanks(s);
    const bool word = !s.empty();
    for (std::string_view unit : {"år", "years", "year", "aar"}) {
        if (s.substr(0, unit.size()) == unit) {
            s.remove_prefix(unit.size());
            break;
        }
    }
    SkipBlanks(s);
    if (OneOf(s, {"og derover", "og over", "and over", "or over", "og ældre", "and older", "or older", "+"})) {
        band.Open = true;
    } else if (!s.empty()) {
        return AgeLabel::NotAge;
    }
    if (under) {
        if (from < 1 || band.Open || band.To != from) return AgeLabel::NotAge;
        band = {0, from - 1, false};
    }
    if (!word && !band.Open && band.To == band.From && !bareNumbers && !under) return AgeLabel::NotAge;
    return AgeLabel::Band;
}

// ------------------------------------------------------------ sex and totals

enum class Sex { Male, Female, Total, NotSex };

Sex ReadSex(std::string_view label) {
    const std::string text = Lower(label);
    if (OneOf(text, {"mænd", "mand", "men", "males", "male", "drenge"})) return Sex::Male;
    if (OneOf(text, {"kvinder", "kvinde", "women", "females", "female", "piger"})) return Sex::Female;
    if (OneOf(text, {"i alt", "køn i alt", "total", "sex, total", "begge køn", "both sexes", "køn, i alt", "sex total"})) {
        return Sex::Total;
    }
    return Sex::NotSex;
}

// The category that already holds all the others ("I alt", "Hele landet",
// "Civilstand i alt"). A country named Danmark is one of the parts.
bool IsTotal(std::string_view label) {
    const std::string text = Lower(label);
    return OneOf(text, {"hele landet", "all denmark"}) || Has(text, "i alt") || Has(text, "total");
}

// What a measure dimension's category counts.
enum class Measure { Survivors, Immigration, Emigration, Net, Other };

Measure ReadMeasure(std::string_view label) {
    const std::string text = Lower(label);
    if (AnyOf(text, {"overlevende", "survivor"})) return Measure::Survivors;
    if (AnyOf(text, {"nettoindvandr", "net migration", "net immigration", "nettovandring"})) return Measure::Net;
    if (AnyOf(text, {"indvandrede", "indvandring", "immigrations", "immigrated"})) return Measure::Immigration;
    if (AnyOf(text, {"udvandrede", "udvandring", "emigrations", "emigrated", "emigrants"})) return Measure::Emigration;
    return Measure::Other;
}

StatbankKind KindOf(Measure m) {
    switch (m) {
        case Measure::Survivors: return StatbankKind::LifeTable;
        case Measure::Immigration: return StatbankKind::Immigration;
        case Measure::Emigration: return StatbankKind::Emigration;
        default: return StatbankKind::NetMigration;
    }
}

// ------------------------------------------------------------ the reading

enum class Role { Time, Age, Sex, Measure, Other };

std::string AgeText(int32_t age) { return std::to_string(age) + " år"; }

std::string Grouped(double x) {
    const long long n = std::llround(std::fabs(x));
    std::string digits = std::to_string(n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return x < -0.5 ? "-" + out : out;
}

struct Reading {
    const StatbankCube& Cube;
    std::vector<Role> Roles;
    int32_t TimeDim = -1;
    int32_t AgeDim = -1;
    int32_t SexDim = -1;
    int32_t MeasureDim = -1;
    std::vector<Period> Periods;                  // by time label
    std::vector<int32_t> BandOf;                  // by age label: band index, -1 for the total
    std::vector<StatbankAgeBand> Bands;
    std::vector<std::vector<char>> Allowed;       // by other dimension and label
    std::string Error;
};

std::string NotPopulation() {
    return "Filen indeholder hverken befolkningstal eller en dødelighedstavle fra Statistikbanken. Hent "
           "befolkningen efter køn og alder (for eksempel FOLK1A) eller en dødelighedstavle (HISB8).";
}

void FindRoles(Reading& r) {
    const StatbankCube& cube = r.Cube;
    for (size_t d = 0; d < cube.Dims.size(); ++d) {
        const StatbankDimension& dim = cube.Dims[d];
        const std::string name = Lower(dim.Name);
        const bool bare = Has(name, "alder") || Has(name, "age");
        bool periods = true;
        bool ages = true;
        bool anyBand = false;
        bool sexes = true;
        bool anySex = false;
        bool measures = false;
        for (const std::string& label : dim.Labels) {
            Period p;
            periods = periods && ReadPeriod(label, p);
            StatbankAgeBand band;
            const AgeLabel age = ReadAge(label, bare, band);
            ages = ages && age != AgeLabel::NotAge;
            anyBand = anyBand || age == AgeLabel::Band;
            const Sex sex = ReadSex(label);
            sexes = sexes && sex != Sex::NotSex;
            anySex = anySex || sex == Sex::Male || sex == Sex::Female;
            measures = measures || ReadMeasure(label) != Measure::Other;
        }
        Role role = Role::Other;
        if (periods && r.TimeDim < 0) role = Role::Time;
        else if (ages && anyBand && r.AgeDim < 0) role = Role::Age;
        else if (sexes && anySex && r.SexDim < 0) role = Role::Sex;
        else if (measures && r.MeasureDim < 0) role = Role::Measure;
        if (role == Role::Time) r.TimeDim = static_cast<int32_t>(d);
        if (role == Role::Age) r.AgeDim = static_cast<int32_t>(d);
        if (role == Role::Sex) r.SexDim = static_cast<int32_t>(d);
        if (role == Role::Measure) r.MeasureDim = static_cast<int32_t>(d);
        r.Roles.push_back(role);
    }
    if (r.AgeDim < 0 && r.SexDim < 0) r.Error = NotPopulation();
    else if (r.AgeDim < 0) {
        r.Error = "Filen har ingen kolonne med alder. Vælg alder (\"0 år\", \"1 år\", … eller aldersgrupper) i "
                  "Statistikbanken og hent tabellen igen.";
    } else if (r.SexDim < 0) {
        r.Error = "Filen har ingen opdeling på mænd og kvinder. Vælg både \"Mænd\" og \"Kvinder\" i Statistikbanken "
                  "og hent tabellen igen.";
    } else if (r.TimeDim < 0) {
        r.Error = "Filen har ingen kolonne med år eller kvartal. Vælg tiden med i Statistikbanken og hent tabellen "
                  "igen.";
    }
}

// The kinds of table the file holds, with the measure category of each.
std::vector<std::pair<StatbankKind, int32_t>> FindKinds(Reading& r) {
    const StatbankCube& cube = r.Cube;
    std::vector<std::pair<StatbankKind, int32_t>> kinds;
    if (r.MeasureDim >= 0) {
        const auto& labels = cube.Dims[r.MeasureDim].Labels;
        for (size_t k = 0; k < labels.size(); ++k) {
            const Measure m = ReadMeasure(labels[k]);
            if (m == Measure::Other) continue;
            const StatbankKind kind = KindOf(m);
            const bool seen = std::any_of(kinds.begin(), kinds.end(), [&](const auto& p) { return p.first == kind; });
            if (!seen) kinds.emplace_back(kind, static_cast<int32_t>(k));
        }
        // Survivors make a life table; its other columns are not wanted.
        auto survivors = std::find_if(kinds.begin(), kinds.end(),
                                      [](const auto& p) { return p.first == StatbankKind::LifeTable; });
        if (survivors != kinds.end()) return {*survivors};
        return kinds;
    }
    std::string about = Lower(cube.Title);
    for (const StatbankDimension& dim : cube.Dims) {
        about += ' ';
        about += Lower(dim.Name);
    }
    if (AnyOf(about, {"nettoindvandr", "net migration", "net immigration"})) kinds.emplace_back(StatbankKind::NetMigration, -1);
    else if (AnyOf(about, {"indvandring", "indvandrede", "immigration", "indvland"})) kinds.emplace_back(StatbankKind::Immigration, -1);
    else if (AnyOf(about, {"udvandring", "udvandrede", "emigration", "udvland"})) kinds.emplace_back(StatbankKind::Emigration, -1);
    else if (AnyOf(about, {"dødelighedstavle", "life table", "overlevelsestavle"})) {
        r.Error = "Dødelighedstavlen i filen har ikke antallet af overlevende. Vælg \"Overlevende\" i "
                  "Statistikbanken og hent tabellen igen.";
    } else if (!cube.Title.empty() && !AnyOf(about, {"befolkning", "population", "folketal", "personer", "persons"})) {
        r.Error = NotPopulation();
    } else {
        kinds.emplace_back(StatbankKind::Population, -1);
    }
    return kinds;
}

void FindBands(Reading& r) {
    const StatbankDimension& dim = r.Cube.Dims[r.AgeDim];
    const std::string name = Lower(dim.Name);
    const bool bare = Has(name, "alder") || Has(name, "age");
    std::vector<std::pair<StatbankAgeBand, int32_t>> found;
    r.BandOf.assign(dim.Labels.size(), -1);
    for (size_t k = 0; k < dim.Labels.size(); ++k) {
        StatbankAgeBand band;
        if (ReadAge(dim.Labels[k], bare, band) == AgeLabel::Band) found.emplace_back(band, static_cast<int32_t>(k));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first.From != b.first.From ? a.first.From < b.first.From : a.first.To < b.first.To;
    });
    int32_t next = 0;  // the youngest age not yet covered
    for (const auto& [band, label] : found) {
        if (band.From < next) {
            r.Error = "Alderen " + AgeText(band.From) + " står mere end én gang i filen (\"" + dim.Labels[label] +
                      "\"). Hent tabellen med hver alder én gang.";
            return;
        }
        if (band.From > next) {
            r.Error = "I filen mangler alderen " + AgeText(next) + ". Vælg alle aldre i Statistikbanken og hent "
                      "tabellen igen.";
            return;
        }
        if (!r.Bands.empty() && r.Bands.back().Open) break;
        r.BandOf[label] = static_cast<int32_t>(r.Bands.size());
        r.Bands.push_back(band);
        next = band.Open ? 1000 : band.To + 1;
    }
    if (next < 99) {
        r.Error = "I filen mangler alderen " + AgeText(next) + " og derover. Vælg alle aldre i Statistikbanken og "
                  "hent tabellen igen.";
    }
}

// Other dimensions: their total where the file has one, otherwise the sum of
// the categories of one level (regions, not regions and provinces together).
void FindAllowed(Reading& r) {
    const StatbankCube& cube = r.Cube;
    r.Allowed.resize(cube.Dims.size());
    for (size_t d = 0; d < cube.Dims.size(); ++d) {
        if (r.Roles[d] != Role::Other) continue;
        const auto& labels = cube.Dims[d].Labels;
        auto& allowed = r.Allowed[d];
        allowed.assign(labels.size(), 1);
        const auto total = std::find_if(labels.begin(), labels.end(), [](const std::string& l) { return IsTotal(l); });
        if (total != labels.end()) {
            std::fill(allowed.begin(), allowed.end(), 0);
            allowed[total - labels.begin()] = 1;
            continue;
        }
        for (std::string_view level : {"Region ", "Landsdel ", "Province "}) {
            const auto starts = [&](const std::string& l) { return l.compare(0, level.size(), level) == 0; };
            if (std::any_of(labels.begin(), labels.end(), starts)) {
                for (size_t k = 0; k < labels.size(); ++k) allowed[k] = starts(labels[k]) ? 1 : 0;
                break;
            }
        }
    }
}

// A second figure for the same ages, sex and period.
bool FindRepeated(Reading& r) {
    const StatbankCube& cube = r.Cube;
    const size_t dims = cube.Dims.size();
    const size_t n = cube.Figures.size();
    uint64_t span = 1;
    for (const StatbankDimension& dim : cube.Dims) {
        // More combinations than a 50 MB file can repeat: nothing to look for.
        if (span > (uint64_t{1} << 40) / (dim.Labels.size() + 1)) return false;
        span *= dim.Labels.size();
    }
    const auto key = [&](size_t f) {
        uint64_t k = 0;
        for (size_t d = 0; d < dims; ++d) k = k * cube.Dims[d].Labels.size() + cube.Coords[f * dims + d];
        return k;
    };
    size_t first = n;
    size_t second = n;
    if (span <= (uint64_t{1} << 26)) {
        std::vector<int32_t> at(span, -1);
        for (size_t f = 0; f < n && second == n; ++f) {
            int32_t& seen = at[key(f)];
            if (seen >= 0) {
                first = static_cast<size_t>(seen);
                second = f;
            }
            seen = static_cast<int32_t>(f);
        }
    } else {
        std::vector<std::pair<uint64_t, uint32_t>> keys(n);
        for (size_t f = 0; f < n; ++f) keys[f] = {key(f), static_cast<uint32_t>(f)};
        std::sort(keys.begin(), keys.end());
        for (size_t k = 1; k < n && second == n; ++k) {
            if (keys[k].first != keys[k - 1].first) continue;
            first = keys[k - 1].second;
            second = keys[k].second;
        }
    }
    if (second == n) return false;
    std::string where;
    for (size_t d = 0; d < dims; ++d) {
        if (!where.empty()) where += ", ";
        where += cube.Dims[d].Labels[cube.Coords[second * dims + d]];
    }
    r.Error = "Tallet for " + where + " står to gange i filen (linje " + std::to_string(cube.Figures[first].Line) +
              " og " + std::to_string(cube.Figures[second].Line) + ").";
    return true;
}

StatbankTable Collect(Reading& r, StatbankKind kind, int32_t measure) {
    const StatbankCube& cube = r.Cube;
    const size_t dims = cube.Dims.size();
    const bool flow = kind == StatbankKind::Immigration || kind == StatbankKind::Emigration ||
                      kind == StatbankKind::NetMigration;
    StatbankTable table;
    table.Kind = kind;
    table.Bands = r.Bands;
    table.SingleAges = std::all_of(r.Bands.begin(), r.Bands.end(), [](const StatbankAgeBand& b) {
                           return (!b.Open && b.From == b.To) || b.From >= 99;
                       });
    // The years, and which periods count: stocks the first of each year, flows all.
    const auto& times = cube.Dims[r.TimeDim].Labels;
    std::vector<int32_t> yearOf(times.size(), -1);
    std::vector<int32_t> order(times.size());
    for (size_t t = 0; t < times.size(); ++t) order[t] = static_cast<int32_t>(t);
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        return r.Periods[a].Year != r.Periods[b].Year ? r.Periods[a].Year < r.Periods[b].Year
                                                      : r.Periods[a].Part < r.Periods[b].Part;
    });
    for (const int32_t t : order) {
        if (table.Years.empty() || table.Years.back().Year != r.Periods[t].Year) {
            StatbankYear year;
            year.Year = r.Periods[t].Year;
            year.Period = times[t];
            year.Periods = 0;
            year.Male.assign(r.Bands.size(), 0);
            year.Female.assign(r.Bands.size(), 0);
            table.Years.push_back(std::move(year));
        } else if (!flow) {
            continue;
        } else {
            table.Years.back().Period += ", " + times[t];
        }
        ++table.Years.back().Periods;
        yearOf[t] = static_cast<int32_t>(table.Years.size() - 1);
    }
    // Which figures each year, sex and age got, to find the ones missing.
    std::vector<uint32_t> seen(table.Years.size() * 2 * r.Bands.size(), 0);
    const auto& sexes = cube.Dims[r.SexDim].Labels;
    std::vector<Sex> sexOf(sexes.size());
    for (size_t k = 0; k < sexes.size(); ++k) sexOf[k] = ReadSex(sexes[k]);
    for (size_t f = 0; f < cube.Figures.size(); ++f) {
        const int32_t* c = &cube.Coords[f * dims];
        const int32_t year = yearOf[c[r.TimeDim]];
        const int32_t band = r.BandOf[c[r.AgeDim]];
        const Sex sex = sexOf[c[r.SexDim]];
        if (year < 0 || band < 0 || (sex != Sex::Male && sex != Sex::Female)) continue;
        if (r.MeasureDim >= 0 && c[r.MeasureDim] != measure) continue;
        bool wanted = true;
        for (size_t d = 0; d < dims && wanted; ++d) {
            if (r.Roles[d] == Role::Other) wanted = r.Allowed[d][c[d]] != 0;
        }
        if (!wanted) continue;
        const StatbankFigure& figure = cube.Figures[f];
        if (figure.State == StatbankFigure::Bad) {
            r.Error = "Linje " + std::to_string(figure.Line) + " har \"" + std::string(StatbankFigureText(cube, f)) +
                      "\", som ikke er et tal. Filen er beskadiget eller ikke fra Statistikbanken.";
            return table;
        }
        if (figure.Value < 0 && kind != StatbankKind::NetMigration) {
            r.Error = "Linje " + std::to_string(figure.Line) + " har et negativt tal (" + std::string(StatbankFigureText(cube, f)) +
                      "). Et antal personer kan ikke være negativt.";
            return table;
        }
        StatbankYear& y = table.Years[year];
        (sex == Sex::Male ? y.Male : y.Female)[band] += figure.Value;
        ++seen[(year * 2 + (sex == Sex::Male ? 0 : 1)) * r.Bands.size() + band];
    }
    for (size_t y = 0; y < table.Years.size(); ++y) {
        for (size_t s = 0; s < 2; ++s) {
            for (size_t b = 0; b < r.Bands.size(); ++b) {
                if (seen[(y * 2 + s) * r.Bands.size() + b] != 0) continue;
                const StatbankAgeBand& band = r.Bands[b];
                r.Error = "I filen mangler tallet for " + std::string(s == 0 ? "mænd" : "kvinder") + " på " +
                          AgeText(band.From) + (band.Open ? " og derover" : band.To > band.From ? "-" + AgeText(band.To) : "") +
                          " i " + table.Years[y].Period + ". Filen er ufuldstændig.";
                return table;
            }
        }
    }
    return table;
}

}  // namespace

StatbankFile ReadStatbankFile(std::string_view bytes) {
    StatbankFile file;
    StatbankCube cube;
    ReadStatbankCube(bytes, cube);
    file.Title = cube.Title;
    if (!cube.Error.empty()) {
        file.Error = cube.Error;
        return file;
    }
    if (cube.Figures.empty()) {
        file.Error = "Filen har ingen tal. " + NotPopulation();
        return file;
    }
    Reading r{cube, {}, -1, -1, -1, -1, {}, {}, {}, {}, {}};
    FindRoles(r);
    std::vector<std::pair<StatbankKind, int32_t>> kinds;
    if (r.Error.empty()) kinds = FindKinds(r);
    if (r.Error.empty() && kinds.empty()) r.Error = NotPopulation();
    if (r.Error.empty()) FindBands(r);
    if (r.Error.empty() && kinds.front().first == StatbankKind::LifeTable &&
        !std::all_of(r.Bands.begin(), r.Bands.end(), [](const StatbankAgeBand& b) { return (!b.Open && b.From == b.To) || b.From >= 99; })) {
        r.Error = "Dødelighedstavlen skal have hver alder for sig (\"0 år\", \"1 år\", …), men filen har aldersgrupper.";
    }
    if (!r.Error.empty()) {
        file.Error = r.Error;
        return file;
    }
    for (const std::string& label : cube.Dims[r.TimeDim].Labels) {
        Period p;
        ReadPeriod(label, p);
        r.Periods.push_back(p);
    }
    FindAllowed(r);
    if (FindRepeated(r)) {
        file.Error = r.Error;
        return file;
    }
    for (const auto& [kind, measure] : kinds) {
        file.Tables.push_back(Collect(r, kind, measure));
        if (!r.Error.empty()) {
            file.Error = r.Error;
            file.Tables.clear();
            return file;
        }
    }
    return file;
}

void StatbankSingleAges(const StatbankTable& table, const StatbankYear& year, double male[AgeCount],
                        double female[AgeCount]) {
    std::fill(male, male + AgeCount, 0.0);
    std::fill(female, female + AgeCount, 0.0);
    for (size_t b = 0; b < table.Bands.size() && b < year.Male.size(); ++b) {
        const int32_t from = table.Bands[b].From;
        if (table.Kind == StatbankKind::LifeTable) {
            if (from <= MaxAge) {
                male[from] = year.Male[b];
                female[from] = year.Female[b];
            }
            continue;
        }
        // A closed group is spread evenly over its ages; persons and
        // movements over MaxAge count at MaxAge.
        const int32_t last = table.Bands[b].Open ? from : std::max(from, table.Bands[b].To);
        const double share = 1.0 / (last - from + 1);
        for (int32_t age = from; age <= last; ++age) {
            male[std::min(age, MaxAge)] += year.Male[b] * share;
            female[std::min(age, MaxAge)] += year.Female[b] * share;
        }
    }
}

double StatbankTotal(const StatbankYear& year) {
    double total = 0;
    for (const double x : year.Male) total += x;
    for (const double x : year.Female) total += x;
    return total;
}

std::string DescribeStatbankTable(const StatbankTable& table) {
    if (table.Years.empty()) return {};
    const StatbankYear& last = table.Years.back();
    const bool many = table.Years.size() > 1;
    // Life tables by their period as written ("2023:2024"), the rest by year.
    const auto name = [&](const StatbankYear& y) {
        return table.Kind == StatbankKind::LifeTable ? y.Period : std::to_string(y.Year);
    };
    const std::string span = many ? name(table.Years.front()) + "-" + name(last) : name(last);
    const std::string count = many ? std::to_string(table.Years.size()) + " år, " : "";
    const std::string in = many ? " i " + std::to_string(last.Year) : "";
    switch (table.Kind) {
        case StatbankKind::Population:
            return std::string(table.SingleAges ? "Befolkning " : "Befolkning i aldersgrupper ") + span +
                   " indlæst: " + count + Grouped(StatbankTotal(last)) + " personer" + in;
        case StatbankKind::LifeTable:
            return std::string(many ? "Dødelighedstavler " : "Dødelighedstavle ") + span + " indlæst: " +
                   (many ? std::to_string(table.Years.size()) + " tavler, " : "") +
                   "overlevende pr. 100.000 efter køn og alder";
        case StatbankKind::Immigration:
            return "Indvandringer " + span + " indlæst: " + count + Grouped(StatbankTotal(last)) + " personer" + in;
        case StatbankKind::Emigration:
            return "Udvandringer " + span + " indlæst: " + count + Grouped(StatbankTotal(last)) + " personer" + in;
        case StatbankKind::NetMigration:
            return "Nettoindvandring " + span + " indlæst: " + count + Grouped(StatbankTotal(last)) + " personer" + in;
    }
    return {};
}
