#include "Lifetime.h"
#include "ModelFixture.h"
#include "NumberText.h"

namespace {

class LifetimeTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Lifetime = LifetimeState();
    }
    static void OnePerson(int32_t age) {
        Lifetime.SexCode = 'm';
        Lifetime.AgeA = age;
        ComputeLifeTables();
    }
    static void TwoPersons(int32_t ageA, const char* sexA, int32_t ageB, const char* sexB) {
        Lifetime.SexCode = 'b';
        Lifetime.AgeA = ageA;
        Lifetime.SexWordA = sexA;
        Lifetime.AgeB = ageB;
        Lifetime.SexWordB = sexB;
        ComputeLifeTables();
        ComputeOutliveChance();
    }
};

TEST_F(LifetimeTest, TablesAreTheNewestColumnsWithTheFixedTail) {
    ExtendLifeTables();
    EXPECT_EQ(Lifetime.LifeTableMale[99], 675);
    EXPECT_EQ(Lifetime.LifeTableFemale[99], 2371);
    EXPECT_EQ(Lifetime.LifeTableMale[100], 183);  // not the data set's 374
    EXPECT_EQ(Lifetime.LifeTableFemale[100], 795);
    EXPECT_EQ(Lifetime.LifeTableMale[105], 0);
    for (int x = 1; x <= 105; ++x) {
        EXPECT_LE(Lifetime.LifeTableMale[x], Lifetime.LifeTableMale[x - 1]);
        EXPECT_LE(Lifetime.LifeTableFemale[x], Lifetime.LifeTableFemale[x - 1]);
    }
}

TEST_F(LifetimeTest, OnePersonChancesAndMedians) {
    OnePerson(45);
    EXPECT_EQ(FormatFixed(Lifetime.ChanceA[46], 0, 1), "99.7");
    EXPECT_EQ(Lifetime.ChanceA[45], 100.0);
    EXPECT_EQ(Lifetime.MedianTextA, "80");
    EXPECT_EQ(Lifetime.AgeB, 45) << "one person: B follows A";

    OnePerson(0);
    EXPECT_EQ(Lifetime.MedianTextA, "79");
    EXPECT_EQ(Lifetime.MedianTextB, "84");

    OnePerson(99);
    EXPECT_EQ(FormatFixed(Lifetime.ChanceA[100], 0, 1), "27.1");
    EXPECT_EQ(FormatFixed(Lifetime.ChanceB[100], 0, 1), "33.5");
    EXPECT_EQ(Lifetime.MedianTextA, "100");
    EXPECT_EQ(Lifetime.MedianTextB, "100");
}

TEST_F(LifetimeTest, AMedianIsFoundFromEveryStartAge) {
    for (int age = 0; age <= 99; ++age) {
        OnePerson(age);
        EXPECT_NE(Lifetime.MedianTextA, "101") << age;
        EXPECT_NE(Lifetime.MedianTextB, "101") << age;
    }
}

TEST_F(LifetimeTest, OutliveChances) {
    struct Row {
        int32_t ageA;
        const char* sexA;
        int32_t ageB;
        const char* sexB;
        const char* text;
    };
    for (Row row : {Row{45, "Mand  ", 45, "Kvinde", " 40.1"}, Row{45, "Mand  ", 45, "Mand  ", " 50.0"},
                    Row{30, "Kvinde", 60, "Mand  ", " 96.6"}, Row{70, "Kvinde", 20, "Mand  ", "  1.4"}}) {
        TwoPersons(row.ageA, row.sexA, row.ageB, row.sexB);
        EXPECT_EQ(State.OutliveChanceText, row.text) << row.ageA << " " << row.ageB;
    }
    TwoPersons(45, "Mand  ", 45, "Kvinde");
    EXPECT_EQ(Lifetime.MedianTextA, "80");
    EXPECT_EQ(Lifetime.MedianTextB, "84");
}

TEST_F(LifetimeTest, UnknownSexWordsTakeTheDefaultTables) {
    TwoPersons(45, "", 45, "kvinde");
    EXPECT_EQ(Lifetime.SurvivorsA[50], Lifetime.LifeTableMale[50]);
    EXPECT_EQ(Lifetime.SurvivorsB[50], Lifetime.LifeTableFemale[50]);
    TwoPersons(45, "Kvinde", 45, "Mand  ");
    EXPECT_EQ(Lifetime.SurvivorsA[50], Lifetime.LifeTableFemale[50]);
    EXPECT_EQ(Lifetime.SurvivorsB[50], Lifetime.LifeTableMale[50]);
}

TEST_F(LifetimeTest, AgesOutsideTheTablesAreRefused) {
    OnePerson(45);
    const std::string median = Lifetime.MedianTextA;
    for (int32_t bad : {-1, 100, 105, 1000000}) {
        OnePerson(bad);
        EXPECT_EQ(Lifetime.MedianTextA, median) << bad;
        TwoPersons(45, "Mand  ", bad, "Kvinde");
        EXPECT_EQ(Lifetime.MedianTextA, median) << bad;
    }
}

}  // namespace
