#include <gtest/gtest.h>

#include "StatbankReader.h"
#include "StatbankSamples.h"

namespace {

using samples::Men;
using samples::Women;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// Every line that starts with `prefix` becomes `line` (or goes, when empty).
std::string Lines(const std::string& text, const std::string& prefix, const std::string& line) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string current = text.substr(at, end - at);
        if (current.compare(0, prefix.size(), prefix) != 0) out += current + "\n";
        else if (!line.empty()) out += line + "\n";
        at = end + 1;
    }
    return out;
}

// Men and women aged `age` summed the way the reader must: every region and
// status once (their totals never), ages over 100 at 100.
std::pair<double, double> Expected(int regions, int period, int age) {
    double men = 0;
    double women = 0;
    for (int r = 0; r < regions; ++r) {
        for (int s = 0; s < 2; ++s) {
            for (int a = age; a <= (age == 100 ? 101 : age); ++a) {
                men += Men(r, s, period, a);
                women += Women(r, s, period, a);
            }
        }
    }
    return {men, women};
}

struct LayoutCase {
    const char* name;
    std::string bytes;
};

samples::TableCsv English() {
    samples::TableCsv t;
    t.english = true;
    t.separator = ";";
    t.newline = "\r\n";
    t.bom = true;
    t.periods = {"2024Q4", "2025Q1", "2025Q2"};
    return t;
}

samples::TableCsv NoWholeCountry() {
    samples::TableCsv t;
    t.wholeCountry = false;
    t.regions = {"Region Hovedstaden", "Region Sjælland", "Region Nordjylland"};
    return t;
}

class PopulationLayouts : public ::testing::TestWithParam<LayoutCase> {};

// Every calendar year's first period, by sex and single age, totals not
// counted twice.
TEST_P(PopulationLayouts, ReadAsTheFileHoldsThem) {
    const StatbankFile file = ReadStatbankFile(GetParam().bytes);
    ASSERT_EQ(file.Error, "");
    ASSERT_EQ(file.Tables.size(), 1u);
    const StatbankTable& table = file.Tables[0];
    EXPECT_EQ(table.Kind, StatbankKind::Population);
    EXPECT_TRUE(table.SingleAges);
    ASSERT_EQ(table.Years.size(), 2u);
    EXPECT_EQ(table.Years[0].Year, 2024);
    EXPECT_EQ(table.Years[1].Year, 2025);
    const int regions = std::string(GetParam().name) == "SeveralRegionsNoWholeCountry" ? 3 : 2;
    for (int y = 0; y < 2; ++y) {
        double men[AgeCount];
        double women[AgeCount];
        StatbankSingleAges(table, table.Years[y], men, women);
        for (int age : {0, 1, 57, 99, 100}) {
            const auto [m, w] = Expected(regions, y, age);
            EXPECT_EQ(men[age], m) << "age " << age << " year " << y;
            EXPECT_EQ(women[age], w) << "age " << age << " year " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PopulationLayouts,
    ::testing::Values(LayoutCase{"DanishCommaLf", samples::Write({})},
                      LayoutCase{"EnglishSemicolonCrlfBom", samples::Write(English())},
                      LayoutCase{"Windows1252", samples::ToWindows1252(samples::Write({}))},
                      LayoutCase{"SeveralRegionsNoWholeCountry", samples::Write(NoWholeCountry())}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatbankReader, OpenGroupsEndTheAges) {
    samples::TableCsv t;
    t.oldest = 100;
    t.open = "100 år og derover";
    const StatbankFile over = ReadStatbankFile(samples::Write(t));
    ASSERT_EQ(over.Error, "");
    EXPECT_TRUE(over.Tables[0].SingleAges);
    EXPECT_EQ(over.Tables[0].Bands.back(), (StatbankAgeBand{100, 100, true}));
    t.oldest = 99;
    t.open = "99-";
    const StatbankFile dash = ReadStatbankFile(samples::Write(t));
    ASSERT_EQ(dash.Error, "");
    EXPECT_EQ(dash.Tables[0].Bands.back(), (StatbankAgeBand{99, 99, true}));
    // Single ages stopping early are an age-group table, not a base year.
    t.oldest = 85;
    t.open = "85 år og derover";
    const StatbankFile grouped = ReadStatbankFile(samples::Write(t));
    ASSERT_EQ(grouped.Error, "");
    EXPECT_FALSE(grouped.Tables[0].SingleAges);
}

std::string FiveYearGroups() {
    std::string out = "\"Befolkningen 1. januar efter køn, alder og tid\"\n\n , ,1901,2026\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        out += std::string(sex) + ",,,,\n";
        out += " ,Alder i alt,10,20\n";
        for (int a = 0; a < 100; a += 5) {
            out += " ," + std::to_string(a) + "-" + std::to_string(a + 4) + " år,1,2\n";
        }
        out += " ,100 år og derover,0,-\n";
    }
    return out;
}

TEST(StatbankReader, AgeGroupsOverManyYears) {
    const StatbankFile file = ReadStatbankFile(FiveYearGroups());
    ASSERT_EQ(file.Error, "");
    const StatbankTable& table = file.Tables[0];
    EXPECT_FALSE(table.SingleAges);
    ASSERT_EQ(table.Bands.size(), 21u);
    EXPECT_EQ(table.Bands[1], (StatbankAgeBand{5, 9, false}));
    ASSERT_EQ(table.Years.size(), 2u);
    EXPECT_EQ(StatbankTotal(table.Years[1]), 80);  // 20 groups × 2 × 2, the age total left out
    EXPECT_EQ(DescribeStatbankTable(table), "Befolkning i aldersgrupper 1901-2026 indlæst: 2 år, 80 personer i 2026");
}

// A PX file as the download writes it: ANSI with its code page, values over
// several lines, English variants, "-" and "." in the data.
std::string Px(const std::string& charset, const std::string& data) {
    std::string ages;
    for (int a = 0; a <= 100; ++a) {
        if (a > 0) ages += a % 10 == 0 ? ",\n" : ",";
        ages += '"';
        ages += std::to_string(a);
        ages += " år\"";
    }
    return "CHARSET=\"" + charset + "\";\nAXIS-VERSION=\"2010\";\nCODEPAGE=\"" +
           (charset == "ANSI" ? "iso-8859-15" : "utf-8") + "\";\nLANGUAGE=\"da\";\nLANGUAGES=\"da\",\"en\";\n"
           "TITLE=\"Befolkningen efter område, køn, alder og \"\n\"tid\";\nTITLE[en]=\"Population\";\n"
           "STUB=\"område\",\"køn\",\"alder\";\nSTUB[en]=\"region\",\"sex\",\"age\";\nHEADING=\"tid\";\n"
           "VALUES(\"område\")=\"Hele landet\",\"København\";\nVALUES(\"køn\")=\"Mænd\",\"Kvinder\";\n"
           "VALUES[en](\"køn\")=\"Men\",\"Women\";\nVALUES(\"alder\")=" + ages + ";\n"
           "VALUES(\"tid\")=\"2025M01\",\"2025M02\";\nTIMEVAL(\"tid\")=TLIST(M1),\"2025M01\",\"2025M02\";\nDATA=\n" + data;
}

std::string PxData() {
    std::string data;
    for (int region = 0; region < 2; ++region) {
        for (int sex = 0; sex < 2; ++sex) {
            for (int a = 0; a <= 100; ++a) {
                const int x = (region == 0 ? 2 : 1) * (a + 10 * sex);
                data += (x == 0 ? std::string("\"-\"") : std::to_string(x)) + (a % 2 ? " \"..\"\n" : " 5;");
            }
        }
    }
    return data;
}

TEST(StatbankReader, PxInEitherCharacterSet) {
    for (const std::string& bytes : {samples::ToWindows1252(Px("ANSI", PxData())), Px("UTF-8", PxData())}) {
        const StatbankFile file = ReadStatbankFile(bytes);
        ASSERT_EQ(file.Error, "");
        EXPECT_EQ(file.Title, "Befolkningen efter område, køn, alder og tid");
        const StatbankTable& table = file.Tables[0];
        ASSERT_EQ(table.Years.size(), 1u);
        EXPECT_EQ(table.Years[0].Period, "2025M01");
        double men[AgeCount];
        double women[AgeCount];
        StatbankSingleAges(table, table.Years[0], men, women);
        EXPECT_EQ(men[0], 0);  // "-" and only "Hele landet", never København again
        EXPECT_EQ(men[57], 114);
        EXPECT_EQ(women[100], 220);
    }
}

std::string LifeTable() {
    std::string out = "\"Dødelighedstavle (2-års tavler) efter køn, alder, dødelighedstavle og tid\"\n\n"
                      " , , ,2022:2023,2023:2024\n";
    for (const char* sex : {"Mænd", "Kvinder"}) {
        out += std::string(sex) + ",,,,\n";
        for (int a = 0; a <= 99; ++a) {
            out += " ," + std::to_string(a) + " år,,,\n";
            out += " , ,Dødshyppighed,0.004,0.0035\n";  // the other measures, with their decimals
            out += " , ,Overlevende," + std::to_string(100000 - 900 * a) + "," + std::to_string(100000 - 800 * a) + "\n";
            out += " , ,Middellevetid,79.1,79.4\n";
        }
    }
    return out;
}

TEST(StatbankReader, LifeTableKeepsOnlySurvivors) {
    const StatbankFile file = ReadStatbankFile(LifeTable());
    ASSERT_EQ(file.Error, "");
    ASSERT_EQ(file.Tables.size(), 1u);
    const StatbankTable& table = file.Tables[0];
    EXPECT_EQ(table.Kind, StatbankKind::LifeTable);
    ASSERT_EQ(table.Years.size(), 2u);
    EXPECT_EQ(table.Years[1].Year, 2023);
    double men[AgeCount];
    double women[AgeCount];
    StatbankSingleAges(table, table.Years[1], men, women);
    EXPECT_EQ(men[0], 100000);
    EXPECT_EQ(women[99], 100000 - 800 * 99);
    EXPECT_EQ(men[100], 0);
    EXPECT_EQ(DescribeStatbankTable(table),
              "Dødelighedstavler 2022:2023-2023:2024 indlæst: 2 tavler, overlevende pr. 100.000 efter køn og alder");
}

// Movements are flows: a year is the sum of its quarters, over the regions
// and countries of origin.
TEST(StatbankReader, MovementsSumTheYearsPeriods) {
    const StatbankFile file = ReadStatbankFile(samples::WriteFlatMovements({"2024K1", "2024K2", "2024K3", "2024K4", "2025K1"}));
    ASSERT_EQ(file.Error, "");
    const StatbankTable& table = file.Tables[0];
    EXPECT_EQ(table.Kind, StatbankKind::Immigration);
    ASSERT_EQ(table.Years.size(), 2u);
    EXPECT_EQ(table.Years[0].Periods, 4);
    EXPECT_EQ(table.Years[1].Periods, 1);
    double men[AgeCount];
    double women[AgeCount];
    StatbankSingleAges(table, table.Years[0], men, women);
    EXPECT_EQ(men[13], 2 * 2 * 4 * (13 % 7 + 1));
    // Net migration may be negative; a measure column splits the flows.
    const std::string flows = "\"Befolkningens udvikling efter bevægelse, køn, alder og tid\"\n , , ,2024\n"
                              "Indvandrede,Mænd,0-49 år,10\n , ,50 år og derover,5\n ,Kvinder,0-49 år,10\n , ,50 år og derover,5\n"
                              "Nettoindvandrede,Mænd,0-49 år,-3\n , ,50 år og derover,5\n ,Kvinder,0-49 år,10\n , ,50 år og derover,5\n";
    const StatbankFile both = ReadStatbankFile(flows);
    ASSERT_EQ(both.Error, "");
    ASSERT_EQ(both.Tables.size(), 2u);
    EXPECT_EQ(both.Tables[1].Kind, StatbankKind::NetMigration);
    EXPECT_EQ(both.Tables[1].Years[0].Male[0], -3);
    EXPECT_EQ(DescribeStatbankTable(both.Tables[0]), "Indvandringer 2024 indlæst: 30 personer");
}

TEST(StatbankReader, DescribesAPopulation) {
    samples::TableCsv t;
    t.periods = {"2025K1"};
    const StatbankFile file = ReadStatbankFile(samples::Write(t));
    ASSERT_EQ(file.Error, "");
    double total = 0;
    for (int a = 0; a <= 100; ++a) total += Expected(2, 0, a).first + Expected(2, 0, a).second;
    EXPECT_EQ(StatbankTotal(file.Tables[0].Years[0]), total);
    EXPECT_EQ(DescribeStatbankTable(file.Tables[0]), "Befolkning 2025 indlæst: 1.106.065 personer");
}

struct BadCase {
    const char* name;
    std::string bytes;
    const char* message;  // a part of the message
};

class BadFiles : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFiles, AreRefusedWithTheirMessage) {
    const StatbankFile file = ReadStatbankFile(GetParam().bytes);
    EXPECT_NE(file.Error.find(GetParam().message), std::string::npos) << file.Error;
    EXPECT_TRUE(file.Tables.empty());
}

const std::string Good = samples::Write({});

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    ::testing::Values(
        BadCase{"Empty", "", "Filen er tom."},
        BadCase{"OnlyBom", "\xEF\xBB\xBF\r\n", "Filen er tom."},
        BadCase{"ExcelWorkbook", std::string("PK\x03\x04\x14\0\x06\0", 8), "Excel-projektmappe"},
        BadCase{"OldExcel", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10), "som CSV eller PX"},
        BadCase{"Html", "<!DOCTYPE html><html><body>Statistikbanken</body></html>", "webside"},
        BadCase{"Binary", std::string("abc\0\x01\x02", 6), "ikke en tekstfil"},
        BadCase{"TooLarge", std::string(50u * 1024u * 1024u + 1u, 'x'), "større end 50 MB"},
        BadCase{"Births", Replace(Good, "Befolkningen den 1. i kvartalet", "Levendefødte"), "hverken befolkningstal"},
        BadCase{"NoAgeColumn", "OMRÅDE;KØN;TID;INDHOLD\nHele landet;Mænd;2025K1;30555\n", "ingen kolonne med alder"},
        BadCase{"NoSex", "ALDER;TID;INDHOLD\n0 år;2025K1;5\n1 år;2025K1;5\n", "mænd og kvinder"},
        BadCase{"NoTime", "KØN;ALDER;INDHOLD\nMænd;0 år;5\nKvinder;0 år;5\n", "år eller kvartal"},
        BadCase{"AgeMissing", Lines(Good, " , , ,57 år,", ""), "mangler alderen 57 år"},
        BadCase{"AgeRepeated", Replace(Good, "\n , , ,57 år,", "\n , , ,56 år,1,1,1\n , , ,57 år,"), "står to gange"},
        BadCase{"SameAgeTwoWays", FiveYearGroups() + " ,3 år,1,1\n", "står mere end én gang"},
        BadCase{"AgesStopEarly", "KØN;ALDER;TID;INDHOLD\nMænd;0 år;2025;5\nKvinder;0 år;2025;5\n", "mangler alderen 1 år og derover"},
        BadCase{"Negative", Lines(Good, " , , ,3 år,", " , , ,3 år,0,-5,0"), "negativt tal (-5)"},
        BadCase{"NotANumber", Lines(Good, " , , ,3 år,", " , , ,3 år,0,x1,0"), "\"x1\", som ikke er et tal"},
        BadCase{"FigureMissing", Lines(Good, " , , ,3 år,", " , , ,3 år,0,5"), "mangler tallet for kvinder på 3 år i 2024K4"},
        BadCase{"PxTruncated", Px("UTF-8", PxData()).substr(0, Px("UTF-8", PxData()).size() - 300), "PX-filen har"},
        BadCase{"PxTooManyFigures", Px("UTF-8", PxData() + " 7 7"), "flere tal"},
        BadCase{"PxNoData", Px("UTF-8", "").substr(0, Px("UTF-8", "").find("DATA=")), "DATA mangler"},
        BadCase{"LifeTableWithoutSurvivors", Replace(LifeTable(), "Overlevende", "Døde"), "antallet af overlevende"},
        BadCase{"FlatRowTooShort", "KØN;ALDER;TID;INDHOLD\nMænd;0 år;2025\n", "Linje 2 har 3 felter"},
        // Room for a figure in every column of every line would be 32 GB.
        BadCase{"WideHeaderManyLabelRows", " " + Repeat(",x", 20000) + "\n" + Repeat("Hele landet\n", 100000), "Filen har ingen tal."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
