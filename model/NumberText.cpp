#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Rounds the exact decimal expansion so that ties go away from zero; the
// library routines would round them to even.
std::string RoundedDigits(double magnitude, int decimals) {
    // Every finite double has an exact expansion of at most 1074 fraction digits.
    constexpr int ExactDigits = 1080;
    char buffer[ExactDigits + 400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::fixed, ExactDigits);
    std::string text(buffer, result.ptr);
    const size_t point = text.find('.');
    std::string intPart = text.substr(0, point);
    std::string fracPart = text.substr(point + 1);

    std::string kept = intPart + fracPart.substr(0, static_cast<size_t>(decimals));
    const bool roundUp = fracPart[static_cast<size_t>(decimals)] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
    const size_t intDigits = kept.size() - static_cast<size_t>(decimals);
    std::string out = kept.substr(0, intDigits);
    if (decimals > 0) {
        out += '.';
        out += kept.substr(intDigits);
    }
    return out;
}

}  // namespace

std::string FormatFixed(double x, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 300);
    std::string body;
    if (std::isnan(x)) {
        body = "NAN";
    } else if (std::isinf(x)) {
        body = x < 0 ? "-INF" : "INF";
    } else {
        body = RoundedDigits(std::fabs(x), decimals);
        // No minus sign on a value that rounds to zero.
        if (std::signbit(x) && body.find_first_not_of("0.") != std::string::npos) {
            body.insert(body.begin(), '-');
        }
    }
    if (static_cast<int>(body.size()) < width) {
        body.insert(0, static_cast<size_t>(width) - body.size(), ' ');
    }
    return body;
}
