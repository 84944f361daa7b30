// Whole numbers: target year, retirement age, lifetime ages, the year fields
// of the age-group dialog and of both year choosers, and the net migration.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "InputRules.h"
#include "Migration.h"
#include "TextInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const WholeNumberText number = ReadWholeNumber(text);
    if (number.Value < 0) std::abort();
    if (number.Valid) {
        if (text.empty()) std::abort();
        int64_t exact = 0;
        for (char c : text) {
            if (c < '0' || c > '9') std::abort();
            exact = exact * 10 + (c - '0');
            if (exact > INT32_MAX) std::abort();
        }
        if (exact != number.Value) std::abort();
    }
    // An age is a valid number of at most 99, blanks around it allowed.
    const int32_t age = ReadLifetimeAge(text);
    if (age < -1 || age > 99) std::abort();
    if (number.Valid && number.Value <= 99 && age != number.Value) std::abort();
    if (age >= 0 && !number.Valid && text.find_first_of(" \t\n\v\f\r") == std::string_view::npos) std::abort();
    // Net migration: one leading minus, then digits, within its range.
    const NetMigrationCheck net = CheckNetMigration(text);
    if (net.Valid) {
        if (net.Value < LeastNetMigration || net.Value > MostNetMigration) std::abort();
        const std::string_view digits = text.substr(text.size() > 0 && text[0] == '-' ? 1 : 0);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) std::abort();
    }
    return 0;
}
