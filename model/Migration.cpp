#include "Migration.h"

#include "InputRules.h"
#include "TextInput.h"

#include <cmath>

const char* const NetMigrationMessage = "Nettoindvandring mellem -100000 og 200000";

const MigrationProfile& StandardMigrationProfile() {
    static const MigrationProfile profile = [] {
        MigrationProfile p;
        double r[MigrationAges];
        double sum = 0;
        for (int x = 0; x < MigrationAges; ++x) {
            const double labour = -0.1 * (x - 20) - std::exp(-0.4 * (x - 20));
            r[x] = 0.02 * std::exp(-0.1 * x) + 0.06 * std::exp(labour) + 0.003;
            sum += r[x];
        }
        for (int x = 0; x < MigrationAges; ++x) {
            p.Male[x] = r[x] / sum / 2;
            p.Female[x] = r[x] / sum / 2;
        }
        return p;
    }();
    return profile;
}

bool ProfileFromCounts(int32_t year, const double* male, const double* female, int ages, MigrationProfile& profile) {
    if (ages <= 0) return false;
    MigrationProfile p;
    p.Year = year;
    double total = 0;
    for (int x = 0; x < ages; ++x) {
        if (!std::isfinite(male[x]) || !std::isfinite(female[x])) return false;
        // Everybody past 99 migrates as a 99-year-old, as the projection counts them.
        const int age = x < MigrationAges ? x : MigrationAges - 1;
        p.Male[age] += male[x];
        p.Female[age] += female[x];
        total += male[x] + female[x];
    }
    if (total == 0 || !std::isfinite(total)) return false;
    for (int x = 0; x < MigrationAges; ++x) {
        p.Male[x] /= total;
        p.Female[x] /= total;
    }
    profile = p;
    return true;
}

void HalfYearMigrants(const MigrationProfile& profile, int32_t netMigration, double* male, double* female) {
    for (int x = 0; x < MigrationAges; ++x) {
        male[x] = netMigration * profile.Male[x] / 2;
        female[x] = netMigration * profile.Female[x] / 2;
    }
}

NetMigrationCheck CheckNetMigration(std::string_view text) {
    NetMigrationCheck check;
    check.Filled = SortsAfterBlank(text);
    const bool negative = !text.empty() && text.front() == '-';
    const WholeNumberText number = ReadWholeNumber(negative ? text.substr(1) : text);
    check.Value = negative ? -number.Value : number.Value;
    check.Valid = number.Valid && check.Value >= LeastNetMigration && check.Value <= MostNetMigration;
    return check;
}

std::string MigrationProfileName(const MigrationProfile& profile) {
    if (profile.Year == 0) return "Standardprofil";
    return "Som i " + std::to_string(profile.Year);
}
