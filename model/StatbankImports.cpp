#include "StatbankImports.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

// Reset by ForgetStatbankImports.
std::vector<StatbankTable> ImportedTables;

namespace {

// The remembered text: each table as a flat CSV the reader reads back,
// after a line of its own.
constexpr std::string_view TableMark = "#Lysvandre-tabel\n";
// The outline's legend: "faktisk befolkning 2025".
const std::string ActualName = "faktisk befolkning ";

std::string BandLabel(const StatbankAgeBand& band) {
    if (band.Open) return std::to_string(band.From) + " år og derover";
    if (band.To > band.From) return std::to_string(band.From) + "-" + std::to_string(band.To) + " år";
    return std::to_string(band.From) + " år";
}

// A figure as plain digits, with decimals only where it has them.
std::string Figure(double x) {
    std::string text = FormatFixed(x, 6);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string MeasureLabel(StatbankKind kind) {
    switch (kind) {
        case StatbankKind::LifeTable: return "Overlevende";
        case StatbankKind::Immigration: return "Indvandrede";
        case StatbankKind::Emigration: return "Udvandrede";
        case StatbankKind::NetMigration: return "Nettoindvandrede";
        case StatbankKind::Population: break;
    }
    return {};
}

std::string TableText(const StatbankTable& table) {
    const std::string measure = MeasureLabel(table.Kind);
    std::string out = measure.empty() ? "KØN;ALDER;TID;INDHOLD\n" : "KØN;ALDER;MÅL;TID;INDHOLD\n";
    const bool flow = table.Kind != StatbankKind::Population && table.Kind != StatbankKind::LifeTable;
    for (const StatbankYear& year : table.Years) {
        const std::string period = flow ? std::to_string(year.Year) : year.Period;
        for (int sex = 0; sex < 2; ++sex) {
            const std::vector<double>& figures = sex == 0 ? year.Male : year.Female;
            for (size_t b = 0; b < table.Bands.size(); ++b) {
                out += sex == 0 ? "Mænd;" : "Kvinder;";
                out += BandLabel(table.Bands[b]) + ";";
                if (!measure.empty()) out += measure + ";";
                out += period + ";" + Figure(figures[b]) + "\n";
            }
        }
    }
    return out;
}

// Drops older tables whose every year a newer table of the same kind and
// ages has, so that importing the same file again keeps one copy.
void DropCovered() {
    for (size_t i = 0; i < ImportedTables.size(); ++i) {
        const StatbankTable& old = ImportedTables[i];
        bool covered = true;
        for (const StatbankYear& y : old.Years) {
            bool found = false;
            for (size_t j = i + 1; j < ImportedTables.size() && !found; ++j) {
                const StatbankTable& later = ImportedTables[j];
                if (later.Kind != old.Kind || later.SingleAges != old.SingleAges) continue;
                found = std::any_of(later.Years.begin(), later.Years.end(),
                                    [&](const StatbankYear& z) { return z.Year == y.Year; });
            }
            covered = covered && found;
        }
        if (covered) {
            ImportedTables.erase(ImportedTables.begin() + static_cast<std::ptrdiff_t>(i));
            --i;
        }
    }
}

// The newest import's year of a kind, with its table.
const StatbankYear* Find(StatbankKind kind, int32_t year, bool singleAges, const StatbankTable** table) {
    for (auto t = ImportedTables.rbegin(); t != ImportedTables.rend(); ++t) {
        if (t->Kind != kind || (singleAges && !t->SingleAges)) continue;
        for (const StatbankYear& y : t->Years) {
            if (y.Year != year) continue;
            if (table) *table = &*t;
            return &y;
        }
    }
    return nullptr;
}

const BaseDataSet& NewestBuiltIn() { return State.BaseDataSets[BaseDataSetCount - 1]; }

bool IsBuiltInYear(int32_t year) {
    return std::any_of(std::begin(State.BaseDataSets), std::end(State.BaseDataSets),
                       [&](const BaseDataSet& set) { return set.Year == year; });
}

// A life table the projection can divide by: survivors at every age to 98.
std::string CheckLifeTable(const StatbankTable& table) {
    for (const StatbankYear& year : table.Years) {
        double male[AgeCount];
        double female[AgeCount];
        StatbankSingleAges(table, year, male, female);
        for (int a = 0; a < 99; ++a) {
            if (male[a] > 0 && female[a] > 0) continue;
            return "Dødelighedstavlen " + year.Period + " har ingen overlevende ved alderen " + std::to_string(a) +
                   " år og kan ikke bruges til en prognose.";
        }
    }
    return {};
}

}  // namespace

StatbankImportResult ImportStatbankFile(std::string_view bytes) {
    StatbankFile file = ReadStatbankFile(bytes);
    if (!file.Error.empty()) return {false, file.Error};
    std::string message;
    for (const StatbankTable& table : file.Tables) {
        if (table.Kind == StatbankKind::LifeTable) {
            const std::string problem = CheckLifeTable(table);
            if (!problem.empty()) return {false, problem};
        }
        if (!message.empty()) message += "\n";
        message += DescribeStatbankTable(table);
    }
    for (StatbankTable& table : file.Tables) ImportedTables.push_back(std::move(table));
    DropCovered();
    ApplyStatbankImports();
    return {true, message};
}

void ForgetStatbankImports() {
    ImportedTables.clear();
    ApplyStatbankImports();
}

void ApplyStatbankImports() {
    State.AddedBaseDataSets.clear();
    for (const int32_t year : ImportedBaseYears()) AddBaseDataSet(ImportedBaseDataSet(year));
}

bool IsImportedBaseYear(int32_t year) {
    const std::vector<int32_t> years = ImportedBaseYears();
    return std::find(years.begin(), years.end(), year) != years.end();
}

bool StartFromNewestImport() {
    const std::vector<int32_t> years = ImportedBaseYears();
    if (years.empty()) return false;
    ApplyStatbankImports();
    State.BaseYear = years.back();
    State.TargetYear = State.BaseYear;
    if (!(State.ChildrenPerFamily > 0) || State.RetirementAge < 50) {
        State.ChildrenPerFamily = std::round(NewestBuiltIn().ChildrenPerWoman * 100) / 100;
        State.RetirementAge = 67;
    }
    SetUpProjection();
    RunProjection();
    ComputeGroupTotals();
    State.InputsAccepted = true;
    return true;
}

std::string StatbankImportsText() {
    std::string out;
    for (const StatbankTable& table : ImportedTables) {
        out += TableMark;
        out += TableText(table);
    }
    return out;
}

void RestoreStatbankImports(std::string_view text) {
    size_t at = text.find(TableMark);
    while (at != std::string_view::npos) {
        const size_t start = at + TableMark.size();
        const size_t next = text.find(TableMark, start);
        const std::string_view part = text.substr(start, next == std::string_view::npos ? text.npos : next - start);
        StatbankFile file = ReadStatbankFile(part);
        if (file.Error.empty()) {
            for (StatbankTable& table : file.Tables) ImportedTables.push_back(std::move(table));
        }
        at = next;
    }
    DropCovered();
    ApplyStatbankImports();
}

std::vector<int32_t> ImportedBaseYears() {
    std::vector<int32_t> years;
    for (const StatbankTable& table : ImportedTables) {
        if (table.Kind != StatbankKind::Population || !table.SingleAges) continue;
        for (const StatbankYear& y : table.Years) {
            if (!IsBuiltInYear(y.Year)) years.push_back(y.Year);
        }
    }
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

BaseDataSet ImportedBaseDataSet(int32_t year) {
    BaseDataSet set = NewestBuiltIn();
    set.Year = year;
    const StatbankTable* table = nullptr;
    const StatbankYear* population = Find(StatbankKind::Population, year, true, &table);
    if (population == nullptr) return set;
    StatbankSingleAges(*table, *population, set.PopulationMale, set.PopulationFemale);
    // The newest life table that starts no later than the base year.
    const StatbankTable* lifeTable = nullptr;
    const StatbankYear* survivors = nullptr;
    for (const StatbankTable& t : ImportedTables) {
        if (t.Kind != StatbankKind::LifeTable) continue;
        for (const StatbankYear& y : t.Years) {
            if (y.Year <= year && (survivors == nullptr || y.Year >= survivors->Year)) {
                survivors = &y;
                lifeTable = &t;
            }
        }
    }
    if (survivors != nullptr) {
        StatbankSingleAges(*lifeTable, *survivors, set.SurvivorsMale, set.SurvivorsFemale);
        // A table that stops before 100 goes on at its last year's rate.
        for (double* l : {set.SurvivorsMale, set.SurvivorsFemale}) {
            if (!(l[MaxAge] > 0) && l[98] > 0) l[MaxAge] = l[99] * l[99] / l[98];
        }
    }
    return set;
}

double ActualPopulation::Total() const {
    double total = 0;
    for (const double x : Male) total += x;
    for (const double x : Female) total += x;
    return total;
}

ActualPopulation ActualPopulationOf(int32_t year) {
    ActualPopulation actual;
    const StatbankTable* table = nullptr;
    const StatbankYear* found = Find(StatbankKind::Population, year, false, &table);
    if (found == nullptr) return actual;
    actual.Year = year;
    actual.Bands = table->Bands;
    actual.Male = found->Male;
    actual.Female = found->Female;
    return actual;
}

bool HasActualPopulation(int32_t year) { return Find(StatbankKind::Population, year, false, nullptr) != nullptr; }

std::string ActualPopulationLine(const ActualPopulation& actual) {
    const double total = actual.Total();
    const double projected = State.TotalMale + State.TotalFemale;
    std::string line = "Faktisk befolkning " + std::to_string(actual.Year) + ":" +
                       FormatFixed(RoundForDisplay(total), 9, 0) + " indb.";
    if (total > 0) line += "  Prognosen afviger" + FormatFixed((projected - total) / total * 100, 6, 1) + " %";
    return line;
}

ChartComparison ActualPopulationComparison() {
    const ActualPopulation actual = ActualPopulationOf(State.TargetYear);
    std::vector<OutlineGroup> groups;
    for (size_t b = 0; b < actual.Bands.size(); ++b) {
        const StatbankAgeBand& band = actual.Bands[b];
        groups.push_back({band.From, band.To, band.Open, actual.Male[b], actual.Female[b]});
    }
    ChartComparison c = OutlineInOwnGroups(groups);
    if (c.GroupCount == 0) return {};
    c.Name = ActualName + std::to_string(actual.Year);
    c.Actual = true;
    return c;
}

bool IsActualPopulationComparison(const ChartComparison* comparison) {
    return comparison != nullptr && comparison->Name.rfind(ActualName, 0) == 0;
}

void AddActualPopulationLine(std::vector<std::string>& lines) {
    if (HasActualPopulation(State.TargetYear)) lines.push_back(ActualPopulationLine(ActualPopulationOf(State.TargetYear)));
}

bool ImportedMovements(StatbankKind kind, int32_t year, double male[AgeCount], double female[AgeCount]) {
    const StatbankTable* table = nullptr;
    const StatbankYear* found = Find(kind, year, false, &table);
    if (found == nullptr) return false;
    StatbankSingleAges(*table, *found, male, female);
    return true;
}

namespace {

// A year's net migration by sex and age: a net-migration table's, else
// immigrations less emigrations when the imports have both.
bool ImportedNetMigration(int32_t year, double male[AgeCount], double female[AgeCount]) {
    if (ImportedMovements(StatbankKind::NetMigration, year, male, female)) return true;
    double outMale[AgeCount], outFemale[AgeCount];
    if (!ImportedMovements(StatbankKind::Immigration, year, male, female) ||
        !ImportedMovements(StatbankKind::Emigration, year, outMale, outFemale))
        return false;
    for (int a = 0; a < AgeCount; ++a) {
        male[a] -= outMale[a];
        female[a] -= outFemale[a];
    }
    return true;
}

}  // namespace

std::vector<MigrationChoice> MigrationChoices() {
    std::vector<MigrationChoice> choices = {{StandardMigrationProfile(), 0}};
    std::vector<int32_t> years;
    for (const StatbankTable& table : ImportedTables) {
        if (table.Kind != StatbankKind::NetMigration && table.Kind != StatbankKind::Immigration) continue;
        for (const StatbankYear& y : table.Years) years.push_back(y.Year);
    }
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    for (const int32_t year : years) {
        double male[AgeCount], female[AgeCount];
        MigrationChoice choice;
        if (year == 0 || !ImportedNetMigration(year, male, female) ||
            !ProfileFromCounts(year, male, female, AgeCount, choice.Profile))
            continue;
        double total = 0;
        for (int a = 0; a < AgeCount; ++a) total += male[a] + female[a];
        // Far past the field's range the dialog's message says what is allowed.
        choice.ProposedNet = static_cast<int32_t>(std::clamp(std::round(total), -1e9, 1e9));
        choices.push_back(choice);
    }
    const bool offered = std::any_of(choices.begin(), choices.end(),
                                     [](const MigrationChoice& c) { return c.Profile == State.Migration; });
    if (!offered) choices.push_back({State.Migration, State.NetMigration});
    return choices;
}

void ChooseMigration(int index, int32_t netMigration) {
    const std::vector<MigrationChoice> choices = MigrationChoices();
    State.NetMigration = netMigration;
    State.Migration = index >= 0 && index < static_cast<int>(choices.size()) ? choices[static_cast<size_t>(index)].Profile
                                                                             : StandardMigrationProfile();
}
