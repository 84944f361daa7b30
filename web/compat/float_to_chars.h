// The floating-point std::to_chars and std::from_chars, which this
// toolchain's C++ library lacks; the core's number texts and readers need
// them. musl's printf writes the exact decimal expansion, as to_chars does,
// and strtod rounds correctly, as from_chars does.
#pragma once

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace std {
inline to_chars_result to_chars(char* first, char* last, double value, chars_format, int precision) {
    const int n = std::snprintf(first, static_cast<size_t>(last - first), "%.*f", precision, value);
    if (n < 0 || n >= last - first) return {last, errc::value_too_large};
    return {first + n, errc{}};
}

// Only plain decimal texts (digits with at most one point) reach this.
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
    const std::string text(first, last);
    if (text.empty() || text[0] == ' ' || text[0] == '+' || text[0] == '-') return {first, errc::invalid_argument};
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return {first, errc::invalid_argument};
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE) return {stop, errc::result_out_of_range};
    value = parsed;
    return {stop, errc{}};
}
}  // namespace std
