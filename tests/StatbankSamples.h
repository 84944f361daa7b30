// Statistikbanken files written the way its download pages and data service
// write them, with figures from a formula so a test can sum them itself.
#pragma once

#include <string>
#include <vector>

namespace samples {

// Persons of one category: men and women of `age` in `region` (0-based) and
// marital status `status` (0-based) in period number `period`.
inline long Men(int region, int status, int period, int age) {
    return (region + 1) * (status + 1) * (1000 - 9 * (age % 100)) + period + 7 * (age > 100);
}
inline long Women(int region, int status, int period, int age) {
    return (region + 1) * (status + 1) * (1030 - 8 * (age % 100)) + 2 * period;
}

struct TableCsv {
    bool english = false;
    std::string separator = ",";
    std::string newline = "\n";
    bool bom = false;
    std::vector<std::string> regions = {"Region Hovedstaden", "Region Sjælland"};
    bool wholeCountry = true;  // a first row for all regions together
    std::vector<std::string> periods = {"2024K4", "2025K1", "2025K2"};
    int oldest = 102;          // single ages 0..oldest-1, then the open group
    std::string open = "";     // the open group's label; empty: none
};

inline std::string AgeLabel(int age, bool english) {
    if (english) return std::to_string(age) + (age == 1 ? " year" : " years");
    return std::to_string(age) + " år";
}

// The table download: title, header with one blank per row dimension, row
// dimensions blank while they repeat; sex as the columns.
inline std::string Write(const TableCsv& t) {
    const std::string s = t.separator;
    const std::string n = t.newline;
    std::string out = t.bom ? "\xEF\xBB\xBF" : "";
    out += t.english ? "\"Population at the first day of the quarter by region, time, marital status, age and sex\""
                     : "\"Befolkningen den 1. i kvartalet efter område, tid, civilstand, alder og køn\"";
    out += s + s + s + s + s + s + n + s + s + s + s + s + s + n;
    out += " " + s + " " + s + " " + s + " " + s + (t.english ? "Total" + s + "Men" + s + "Women" : "I alt" + s + "Mænd" + s + "Kvinder") + n;
    const std::vector<std::string> statuses = t.english ? std::vector<std::string>{"Total", "Never married", "Married"}
                                                        : std::vector<std::string>{"I alt", "Ugift", "Gift"};
    const int regionCount = static_cast<int>(t.regions.size());
    for (int r = t.wholeCountry ? -1 : 0; r < regionCount; ++r) {
        out += (r < 0 ? (t.english ? "All Denmark" : "Hele landet") : t.regions[r]) + s + s + s + s + s + s + n;
        for (size_t p = 0; p < t.periods.size(); ++p) {
            out += " " + s + t.periods[p] + s + s + s + s + s + n;
            for (int m = 0; m < 3; ++m) {
                out += " " + s + " " + s + statuses[m] + s + s + s + s + n;
                const auto sum = [&](auto f, int age) {
                    long total = 0;
                    for (int rr = (r < 0 ? 0 : r); rr < (r < 0 ? regionCount : r + 1); ++rr) {
                        for (int mm = (m == 0 ? 0 : m - 1); mm < (m == 0 ? 2 : m); ++mm) total += f(rr, mm, static_cast<int>(p), age);
                    }
                    return total;
                };
                const int last = t.open.empty() ? t.oldest : t.oldest + 1;
                for (int a = 0; a < last; ++a) {
                    const long men = sum(Men, a);
                    const long women = sum(Women, a);
                    const std::string label = a == t.oldest ? t.open : AgeLabel(a, t.english);
                    out += " " + s + " " + s + " " + s + label + s + std::to_string(men + women) + s +
                           std::to_string(men) + s + std::to_string(women) + n;
                }
            }
        }
    }
    return out;
}

// The same in Windows-1252, as older downloads and spreadsheets save it.
inline std::string ToWindows1252(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC3 && i + 1 < utf8.size()) {
            out += static_cast<char>(0xC0 + (static_cast<unsigned char>(utf8[++i]) - 0x80));
        } else {
            out += utf8[i];
        }
    }
    return out;
}

// The data service's flat CSV of movements (INDVAN-like): one figure a row.
inline std::string WriteFlatMovements(const std::vector<std::string>& periods) {
    std::string out = "OMRÅDE;KØN;ALDER;INDVLAND;TID;INDHOLD\n";
    for (const char* area : {"Region Hovedstaden", "Region Nordjylland"}) {
        for (const char* sex : {"Mænd", "Kvinder"}) {
            for (int a = 0; a <= 99; ++a) {
                for (const char* land : {"Europa", "Asien"}) {
                    for (const std::string& p : periods) {
                        out += std::string(area) + ";" + sex + ";" + AgeLabel(a, false) + ";" + land + ";" + p + ";" +
                               std::to_string(a % 7 + 1) + "\n";
                    }
                }
            }
        }
    }
    return out;
}

// Movements by sex and age for each year, as a flat CSV: the figure of a
// sex and age from `figure`, 0 where it gives none.
inline std::string WriteMovements(const char* measure, const std::vector<int>& years, long (*figure)(bool men, int age)) {
    std::string out = "KØN;ALDER;MÅL;TID;INDHOLD\n";
    for (const int year : years)
        for (const bool men : {true, false})
            for (int a = 0; a <= 100; ++a)
                out += std::string(men ? "Mænd;" : "Kvinder;") + (a == 100 ? "100 år og derover" : samples::AgeLabel(a, false)) +
                       ";" + measure + ";" + std::to_string(year) + ";" + std::to_string(figure(men, a)) + "\n";
    return out;
}

}  // namespace samples
