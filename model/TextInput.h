// Numbers typed or pasted into the program's fields. The key filters keep
// most bad characters out, but pasted text reaches the fields unfiltered, so
// every conversion accepts only what it can represent exactly.
#pragma once

#include <cstdint>
#include <string_view>

struct WholeNumberText {
    int32_t Value = 0;   // the leading digits, as far as they fit in 32 bits
    bool Valid = false;  // the whole text is plain ASCII digits and fits
};

struct DecimalNumberText {
    double Value = 0;    // the leading digits with at most one "."
    bool Valid = false;  // the whole text is such a number
};

WholeNumberText ReadWholeNumber(std::string_view text);
DecimalNumberText ReadDecimalNumber(std::string_view text);

// "a..b" with whole numbers a and b (split at the first ".."), put in order;
// valid when both convert and the upper bound is below 100. from and to keep
// whatever was converted, as the age-group dialog shows them.
bool ReadAgeInterval(std::string_view text, int32_t& from, int32_t& to);
