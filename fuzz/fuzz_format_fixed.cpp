// Number texts: any double, width and decimals give a text that is never cut
// and uses "." as the point.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(double) + 2) return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    const int width = data[sizeof x] % 40;
    const int decimals = data[sizeof x + 1] % 12;
    const std::string text = FormatFixed(x, width, decimals);
    if (static_cast<int>(text.size()) < width) std::abort();
    if (text.find(',') != std::string::npos) std::abort();
    if (text.find_first_not_of(' ') != 0 && static_cast<int>(text.size()) > width) std::abort();
    return 0;
}
