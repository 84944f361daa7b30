// Tables downloaded from Statistikbanken, read as they come: the table CSV,
// the data service's flat CSV and PX files, Danish or English, UTF-8 or
// Windows-1252. A pure function from the file's bytes to tables by sex, age
// and year, or to a message in words a teacher understands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Lys_erkl.h"

enum class StatbankKind {
    Population,    // persons by sex and age at the start of each year
    LifeTable,     // survivors per 100,000 born, by sex and age
    Immigration,   // immigrations during each year, by sex and age
    Emigration,    // emigrations during each year
    NetMigration,  // immigrations less emigrations (may be negative)
};

// Ages From..To inclusive, or From and over when Open.
struct StatbankAgeBand {
    int32_t From = 0;
    int32_t To = 0;
    bool Open = false;
    bool operator==(const StatbankAgeBand&) const = default;
};

// One calendar year's figures, one per age band of the table.
struct StatbankYear {
    int32_t Year = 0;
    std::string Period;   // the file's period: "2025K1", "2025", "2023:2024"
    int32_t Periods = 1;  // movements: how many of the file's periods were summed into the year
    std::vector<double> Male;
    std::vector<double> Female;
};

struct StatbankTable {
    StatbankKind Kind = StatbankKind::Population;
    std::vector<StatbankAgeBand> Bands;  // youngest first, without gaps, from age 0
    bool SingleAges = false;             // one band per year of age up to at least 99
    // Population and life tables: the first period of each calendar year.
    // Movements: the sum of each calendar year's periods.
    std::vector<StatbankYear> Years;     // oldest first
};

struct StatbankFile {
    std::string Title;
    std::vector<StatbankTable> Tables;  // a movements file may hold several flows
    std::string Error;                  // Danish; empty when the file was read
};

StatbankFile ReadStatbankFile(std::string_view bytes);

// A table's year as single ages 0..MaxAge. Persons and movements older than
// MaxAge count at MaxAge, a closed age group is spread evenly over its ages
// (an open one stays at its lowest age); a life table gives its survivors at
// each age up to MaxAge (zero where the file stops earlier).
void StatbankSingleAges(const StatbankTable& table, const StatbankYear& year, double male[AgeCount],
                        double female[AgeCount]);

double StatbankTotal(const StatbankYear& year);

// What was read, for the message after a successful import, e.g.
// "Befolkning 2025 indlæst: 6.019.866 personer".
std::string DescribeStatbankTable(const StatbankTable& table);
