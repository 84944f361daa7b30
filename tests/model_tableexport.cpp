// Tables as text and CSV files: rows that read back to the figures.
#include "Lifetime.h"
#include "ModelFixture.h"
#include "TableExport.h"

#include <sstream>

namespace {

std::vector<std::vector<std::string>> SplitCsv(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == ',') fields.emplace_back();
            else fields.back() += c;
        }
        rows.push_back(fields);
    }
    return rows;
}

class TableExportTest : public ModelTest {};

}  // namespace

TEST(TableExport, CsvQuotesOnlyWhereNeeded) {
    EXPECT_EQ(CsvRow({"1.5", "a,b", "say \"hi\"", ""}), "1.5,\"a,b\",\"say \"\"hi\"\"\",\n");
    EXPECT_EQ(CsvRow({"two\nlines", "a\r"}), "\"two\nlines\",\"a\r\"\n");
}

TEST_F(TableExportTest, GroupRowsReadBackAsTheGroupFiguresWithTheirTotal) {
    Project(2008, 2050, 1.8);
    ComputeGroupTotals();
    const auto rows = SplitCsv(GroupFiguresCsv(false));
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Aldersgruppe", "Mænd", "Kvinder", "I alt"}));
    EXPECT_EQ(rows[1][0], "0-4 år");
    EXPECT_EQ(rows[20][0], "95-99 år");
    for (int g = 0; g < 20; ++g) {
        SCOPED_TRACE(g);
        ASSERT_EQ(rows[g + 1].size(), 4u);
        const double men = std::stod(rows[g + 1][1]);
        const double women = std::stod(rows[g + 1][2]);
        EXPECT_NEAR(men, State.GroupMale[g], 0.005);
        EXPECT_NEAR(women, State.GroupFemale[g], 0.005);
        EXPECT_NEAR(std::stod(rows[g + 1][3]), men + women, 1e-6);
    }

    // A census's last group holds everybody of 90 and over.
    State.GroupCount = 19;
    EXPECT_EQ(SplitCsv(GroupFiguresCsv(true))[19][0], "90-99 år");
    State.GroupCount = 25;  // never read past the figures
    EXPECT_EQ(SplitCsv(GroupFiguresCsv(false)).size(), 21u);
}

TEST(TableExport, TableLinesGiveOneRowPerYearLine) {
    const std::string csv = TableLinesCsv({" ", " Danmark 1900 - 1995", "              Mænd      Kvinder",
                                           " 1840-49      42.9       45.0", " 1945        2.98      (1946:  3.02)"},
                                          {"Periode", "Mænd", "Kvinder"});
    EXPECT_EQ(csv, "Periode,Mænd,Kvinder\n1840-49,42.9,45.0\n1945,2.98,1946,3.02\n");
}

TEST(TableExport, LifetimeRowsLeaveAPersonOutPastOneHundred) {
    Lifetime = LifetimeState();
    Lifetime.PersonCount = 2;
    Lifetime.AgeA = 95;
    Lifetime.AgeB = 97;
    Lifetime.ChanceA[100] = 1.25;
    Lifetime.ChanceB[100] = 3.0;
    auto rows = SplitCsv(LifetimeCsv());
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3], (std::vector<std::string>{"3", "98", "0.0", "100", "3.0"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"5", "100", "1.3", "", ""}));

    Lifetime.PersonCount = 1;
    Lifetime.SexCode = 'k';
    rows = SplitCsv(LifetimeCsv());
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[5], (std::vector<std::string>{"100", "3.0"}));
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
        {"an unknown suffix keeps the name", "/tmp/a/tal.dat", "Tekst (*.txt)", true, "/tmp/a/tal.dat", "txt", false},
        {"a picture of a table is refused", "/tmp/a/tal.png", "Tekst (*.txt)", true, "", "", true},
        {"a dot in a folder is no suffix", "/tmp/a.b/graf", "PDF (*.pdf)", false, "/tmp/a.b/graf.pdf", "pdf", false},
        {"a type not offered counts as the first", "/tmp/graf", "CSV (*.csv)", false, "/tmp/graf.png", "png", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SaveTarget t = ResolveSaveTarget(r.path, r.chosen, r.table);
        EXPECT_EQ(t.Message.empty(), !r.refused);
        EXPECT_EQ(t.Path, r.wantPath);
        EXPECT_EQ(t.Type, r.wantType);
    }
}
