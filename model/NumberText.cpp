#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Rounds the exact decimal expansion so that ties go away from zero; the
// library routines would round them to even.
std::string RoundedDigits(double magnitude, int decimals) {
    // printf rounds exactly, but halves to even. Asked for d + 20 more digits
    // than kept, its digit after the kept ones is the exact one: a double
    // near a half at d places (so at least 0.5 / 10^d) lies at least about
    // 10^-(2d + 17) from it unless it is the half itself, so rounding far
    // below that cannot carry into that digit. printf is used rather than a
    // floating-point to_chars, which not every target of the model has; its
    // point follows the C locale in force, so it is found, not assumed.
    const int fracDigits = 2 * decimals + 20;
    char buffer[320 + 2 * 300 + 20 + 8];  // the largest double, the longest fraction
    const int written = std::snprintf(buffer, sizeof buffer, "%.*f", fracDigits, magnitude);
    const std::string text(buffer, static_cast<size_t>(std::clamp(written, 0, int(sizeof buffer) - 1)));
    const size_t point = text.find_first_not_of("0123456789");
    const std::string intPart = text.substr(0, point);
    // The fraction digits end the text, however many bytes the point takes.
    const auto fracCount = static_cast<size_t>(fracDigits);
    const std::string fracPart =
        text.size() > fracCount ? text.substr(text.size() - fracCount) : std::string(fracCount, '0');

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

namespace {

template <typename T>
T RoundTo(double x) {
    if (!std::isfinite(x)) return 0;
    double r = std::round(x);  // halves away from zero ...
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);  // ... except exact halves
    constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
    if (r <= lo) return std::numeric_limits<T>::min();
    if (r >= hi) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

}  // namespace

int32_t RoundHalfEven(double x) { return RoundTo<int32_t>(x); }
int64_t RoundHalfEven64(double x) { return RoundTo<int64_t>(x); }
