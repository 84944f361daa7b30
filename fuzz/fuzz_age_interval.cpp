// The age interval "a..b" of the age-group dialog.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "TextInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int32_t from = 0;
    int32_t to = 0;
    const bool valid = ReadAgeInterval(text, from, to);
    if (from > to) std::abort();
    if (valid && (from < 0 || to > 99)) std::abort();
    if (valid && text.find("..") == std::string_view::npos) std::abort();
    return 0;
}
