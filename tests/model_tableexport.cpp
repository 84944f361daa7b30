// Tables as text and CSV files: rows that read back to the figures.
#include "Lifetime.h"
#include "ModelFixture.h"
#include "PopulationChart.h"
#include "TableExport.h"

#include <sstream>

namespace {

// Rows of a ";" file with CRLF line ends and a byte-order mark (no quoted
// fields in these tables).
std::vector<std::vector<std::string>> SplitCsv(std::string csv) {
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u) << "a byte-order mark first";
    csv.erase(0, 3);
    std::vector<std::vector<std::string>> rows;
    for (size_t at = 0; at < csv.size();) {
        const size_t end = csv.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every row ends in CRLF";
        if (end == std::string::npos) break;
        std::vector<std::string> fields(1);
        for (char c : csv.substr(at, end - at)) {
            if (c == ';') fields.emplace_back();
            else fields.back() += c;
        }
        if (!rows.empty()) {
            EXPECT_EQ(fields.size(), rows[0].size()) << "rectangular";
        }
        rows.push_back(fields);
        at = end + 2;
    }
    return rows;
}

class TableExportTest : public ModelTest {};

}  // namespace

TEST(TableExport, CsvForADanishSpreadsheet) {
    EXPECT_EQ(CsvFile({{"1,5", "a;b", "say \"hi\"", "two\nlines"}, {"x"}}),
              "\xEF\xBB\xBF" "1,5;\"a;b\";\"say \"\"hi\"\"\";\"two\nlines\"\r\nx;;;\r\n");
    EXPECT_EQ(CsvFile({{"a\r"}}), "\xEF\xBB\xBF\"a\r\"\r\n");
    EXPECT_EQ(CsvNumber(1.8, 2), "1,80");
}

TEST_F(TableExportTest, ProjectionRowsAreTheTablesFiguresUnderItsInputs) {
    Project(2008, 2050, 1.8);
    State.RetirementAge = 67;
    ComputeGroupTotals();
    const std::vector<std::string> table = GroupTableLines(ProjectionChartView);
    const auto rows = SplitCsv(ProjectionCsv());
    ASSERT_EQ(rows.size(), 5u + 1 + 20 + 1);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Basisår", "2008", "", ""}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Prognose for året", "2050", "", ""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Børnetal pr. familie", "1,80", "", ""}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Pensionsalder (år)", "67", "", ""}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"Aldersgruppe", "Mænd", "Kvinder", "I alt"}));
    // Each group and the totals as the table shows them.
    for (int g = 0; g <= 20; ++g) {
        SCOPED_TRACE(g);
        const auto& row = rows[6 + g];
        std::istringstream line(table[g == 20 ? 21 : g + 1].substr(6));
        double men = 0, women = 0;
        line >> men >> women;
        EXPECT_EQ(std::stod(row[1]), men);
        EXPECT_EQ(std::stod(row[2]), women);
        if (g < 20) {
            EXPECT_EQ(std::stod(row[3]), men + women);
        }
    }
    EXPECT_EQ(rows[6][0], "0-4 år");
    EXPECT_EQ(rows[25][0], "95-99 år");
    EXPECT_EQ(rows[26][0], "I alt");

    State.GroupCount = 25;  // never read past the figures
    EXPECT_EQ(SplitCsv(ProjectionCsv()).size(), 27u);
}

TEST(TableExport, TableLinesGiveOneRowPerYearLine) {
    const std::string csv = TableLinesCsv({" ", " Danmark 1900 - 1995", "              Mænd      Kvinder",
                                           " 1840-49      42.9       45.0", " 1945        2.98      (1946:  3.02)",
                                           " 1950        2.58"},
                                          {"År", "Børn", "Særligt år", "Børn det år"});
    EXPECT_EQ(csv, "\xEF\xBB\xBF" "År;Børn;Særligt år;Børn det år\r\n1840-49;42,9;45,0;\r\n1945;2,98;1946;3,02\r\n"
                   "1950;2,58;;\r\n");
}

TEST_F(TableExportTest, LifetimeRowsCarryTheResultsAndLeaveAPersonOutPastOneHundred) {
    ASSERT_TRUE(ChooseLifetimePersons(95, 'm', 97, 'k'));
    auto rows = SplitCsv(LifetimeCsv());
    ASSERT_EQ(rows.size(), 7u + 5);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Køn", "Mand", "Kvinde", "", ""}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Medianlevetid (år)", Lifetime.MedianTextA, Lifetime.MedianTextB, "", ""}));
    EXPECT_EQ(rows[4][1], CsvNumber(Lifetime.OutliveChance * 100, 1));
    EXPECT_EQ(rows[7 + 2], (std::vector<std::string>{"3", "98", CsvNumber(Lifetime.ChanceA[98], 1), "100",
                                                     CsvNumber(Lifetime.ChanceB[100], 1)}));
    EXPECT_EQ(rows[7 + 4][3], "");
    EXPECT_EQ(rows[7 + 4][4], "");

    ASSERT_TRUE(ChooseLifetimePersons(96, 'k', -1, 'm'));
    rows = SplitCsv(LifetimeCsv());
    ASSERT_EQ(rows.size(), 5u + 4);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Køn", "Kvinde"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Medianlevetid (år)", Lifetime.MedianTextB}));
    EXPECT_EQ(rows[8], (std::vector<std::string>{"100", CsvNumber(Lifetime.ChanceB[100], 1)}));
}

// Where "Gem som" writes and in which type, whatever the front end.
TEST(SaveTarget, FollowsTheNameElseTheChosenType) {
    struct Row {
        const char* name;
        const char* path;
        const char* chosen;
        bool table;
        const char* wantPath;
        const char* wantType;
        bool refused;
    };
    const Row rows[] = {
        {"no suffix takes the chosen type", "/tmp/a/Prognose 2030", "CSV (*.csv)", true, "/tmp/a/Prognose 2030.csv", "csv", false},
        {"a fitting suffix wins", "/tmp/a/tal.TXT", "CSV (*.csv)", true, "/tmp/a/tal.TXT", "txt", false},
        {"another type's suffix gets the chosen one added", "/tmp/a/rapport.html", "Tekst (*.txt)", true,
         "/tmp/a/rapport.html.txt", "txt", false},
        {"so does a suffix after a fitting one", "data.csv.exe", "CSV (*.csv)", true, "data.csv.exe.csv", "csv", false},
        {"a name ending in a dot", "/tmp/tal.", "CSV (*.csv)", true, "/tmp/tal.csv", "csv", false},
        {"a picture of a table is refused", "/tmp/a/tal.png", "Tekst (*.txt)", true, "", "", true},
        {"a dot in a folder is no suffix", "/tmp/a.b/graf", "PDF (*.pdf)", false, "/tmp/a.b/graf.pdf", "pdf", false},
        {"a type not offered counts as the first", "/tmp/graf", "CSV (*.csv)", false, "/tmp/graf.png", "png", false},
    };
    // File names of 255 bytes fit, one more does not (æ takes two bytes).
    const std::string fits = "/tmp/" + std::string(251, 'a'), fitsCsv = fits + ".csv", over = fits + "a";
    std::string letters = "/tmp/" + std::string(126, 'a');
    for (int i = 0; i < 63; ++i) letters += "æ";
    letters += ".txt";
    const Row lengths[] = {
        {"255 bytes with the suffix", fits.c_str(), "CSV (*.csv)", true, fitsCsv.c_str(), "csv", false},
        {"256 bytes with the suffix", over.c_str(), "CSV (*.csv)", true, "", "", true},
        {"256 bytes by its letters", letters.c_str(), "CSV (*.csv)", true, "", "", true},
    };
    std::vector<Row> all(std::begin(rows), std::end(rows));
    all.insert(all.end(), std::begin(lengths), std::end(lengths));
    for (const Row& r : all) {
        SCOPED_TRACE(r.name);
        const SaveTarget t = ResolveSaveTarget(r.path, r.chosen, r.table);
        EXPECT_EQ(t.Message.empty(), !r.refused);
        EXPECT_EQ(t.Path, r.wantPath);
        EXPECT_EQ(t.Type, r.wantType);
    }
}
