#include "TextInput.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

WholeNumberText ReadWholeNumber(std::string_view text) {
    WholeNumberText result;
    int64_t value = 0;
    size_t used = 0;
    for (; used < text.size(); ++used) {
        const char c = text[used];
        if (c < '0' || c > '9') break;
        const int64_t next = value * 10 + (c - '0');
        // A digit that would leave 32 bits is not taken: the text then never
        // counts as a number, however it continues.
        if (next > std::numeric_limits<int32_t>::max()) break;
        value = next;
    }
    result.Value = static_cast<int32_t>(value);
    result.Valid = used > 0 && used == text.size();
    return result;
}

DecimalNumberText ReadDecimalNumber(std::string_view text) {
    DecimalNumberText result;
    bool point = false;
    bool digits = false;
    size_t used = 0;
    for (; used < text.size(); ++used) {
        const char c = text[used];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return result;
    // The C library reads the point of the locale the window toolkit has set
    // (a comma in Danish), so the text gets that point; its reading is
    // correctly rounded, and costs the web edition no stream library.
    std::string number;
    const char* localePoint = std::localeconv()->decimal_point;
    for (const char c : text.substr(0, used)) {
        if (c == '.') number += localePoint;
        else number += c;
    }
    errno = 0;
    result.Value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && result.Value > 1) {
        // More digits than a double holds: larger than any valid input.
        result.Value = std::numeric_limits<double>::max();
        return result;
    }
    result.Valid = used == text.size();
    return result;
}

bool ReadAgeInterval(std::string_view text, int32_t& from, int32_t& to) {
    const size_t dots = text.find("..");
    if (dots == std::string_view::npos) return false;
    const WholeNumberText lower = ReadWholeNumber(text.substr(0, dots));
    if (lower.Valid) from = lower.Value;
    bool converted = lower.Valid;
    if (converted) {
        const WholeNumberText upper = ReadWholeNumber(text.substr(dots + 2));
        if (upper.Valid) to = upper.Value;
        converted = upper.Valid;
    }
    if (from > to) std::swap(from, to);
    return converted && to < 100;
}
