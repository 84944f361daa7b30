// The projection inputs: three field texts, separated by newlines in the
// fuzz input, checked as OK checks them.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "InputRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view fields[3];
    for (std::string_view& field : fields) {
        const size_t end = rest.find('\n');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    auto state = std::make_unique<ModelState>();
    state->BaseYear = 2000;
    const ProjectionInputCheck check = CheckProjectionInputs(*state, fields[0], fields[1], fields[2]);
    if (check.InputError < 0 || check.InputError > 3) std::abort();
    if (!check.Filled && check.InputError != 0) std::abort();
    if (check.Filled && check.InputError == 0) {
        // Accepted values are always in their ranges.
        if (!(state->ChildrenPerFamily > 0 && state->ChildrenPerFamily <= 6)) std::abort();
        if (state->TargetYear < 2000 || state->TargetYear > 2100) std::abort();
        if (state->RetirementAge < 50 || state->RetirementAge > 99) std::abort();
    }
    if (ProjectionInputMessage(check.InputError, *state).empty() != (check.InputError == 0)) std::abort();
    // Every typed character a filter keeps is one of the field's own.
    for (char c : fields[0]) {
        const char32_t kept = FilterKey(FieldKeys::Decimal, static_cast<unsigned char>(c));
        if (kept != 0 && kept != 8 && kept != U'.' && (kept < U'0' || kept > U'9')) std::abort();
    }
    return 0;
}
