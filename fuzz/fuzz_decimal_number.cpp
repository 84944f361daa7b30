// Children per family: digits with at most one ".".
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "TextInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DecimalNumberText number = ReadDecimalNumber(text);
    if (number.Value < 0 || std::isnan(number.Value)) std::abort();
    if (number.Valid) {
        int points = 0;
        int digits = 0;
        for (char c : text) {
            if (c == '.') {
                ++points;
            } else if (c >= '0' && c <= '9') {
                ++digits;
            } else {
                std::abort();
            }
        }
        if (points > 1 || digits == 0 || !std::isfinite(number.Value)) std::abort();
        // The same value as the C library reads in the "C" locale.
        const std::string copy(text);
        if (std::strtod(copy.c_str(), nullptr) != number.Value) std::abort();
    }
    return 0;
}
