#include "InputRules.h"

#include "TextInput.h"

const char* const AgeTooHighMessage = "Alderen kan højst være 99 år. ";
const char* const ProjectionInputCaption = "Ups";

namespace {

constexpr int32_t LastTargetYear = 2100;
constexpr int32_t LowestRetirementAge = 50;
constexpr int32_t HighestRetirementAge = 99;
constexpr double MostChildren = 6;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

char32_t FilterKey(FieldKeys keys, char32_t typed) {
    switch (keys) {
        case FieldKeys::Digits:
            return IsDigit(typed) || typed == BackspaceKey ? typed : 0;
        case FieldKeys::Signed:
            return IsDigit(typed) || typed == U'-' || typed == BackspaceKey ? typed : 0;
        case FieldKeys::Decimal:
            if (typed == U',') return U'.';
            return IsDigit(typed) || typed == U'.' || typed == BackspaceKey ? typed : 0;
        case FieldKeys::Interval:
            return IsDigit(typed) || typed == U'.' || typed == BackspaceKey ? typed : 0;
        case FieldKeys::Sex:
            return typed == U'K' || typed == U'M' || typed == U'k' || typed == U'm' ? typed : 0;
        case FieldKeys::Any:
            return typed;
    }
    return 0;
}

bool SortsAfterBlank(std::string_view text) { return text > std::string_view(" "); }

int32_t ReadLifetimeAge(std::string_view text) {
    // The blanks a paste may bring along; nothing else is forgiven.
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return -1;
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    const WholeNumberText number = ReadWholeNumber(text);
    return number.Valid && number.Value <= MaxLifetimeAge ? number.Value : -1;
}

namespace {

char LowerFirst(std::string_view text) {
    const char c = text.front();
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ValidAge(int32_t age) { return age >= 0 && age <= MaxLifetimeAge; }

}  // namespace

void ReadLifetimeSexes(LifetimeState& inputs, std::string_view sexA, std::string_view sexB) {
    if (!sexA.empty()) {
        inputs.SexCode = LowerFirst(sexA);
        inputs.SexWordA = inputs.SexCode == 'm' ? "Mand  " : "Kvinde";
    }
    if (!sexB.empty()) {
        inputs.SexWordB = LowerFirst(sexB) == 'm' ? "Mand  " : "Kvinde";
        inputs.SexCode = 'b';
    }
}

bool LifetimeInputsValid(const LifetimeState& inputs) {
    if (inputs.PersonCount == 1) return ValidAge(inputs.AgeA) && (inputs.SexCode == 'k' || inputs.SexCode == 'm');
    return ValidAge(inputs.AgeA) && inputs.SexCode == 'b' && ValidAge(inputs.AgeB);
}

ProjectionInputCheck CheckProjectionInputs(ModelState& state, std::string_view children, std::string_view year,
                                           std::string_view retirementAge) {
    ProjectionInputCheck check;
    check.Filled = SortsAfterBlank(children) && SortsAfterBlank(year) && SortsAfterBlank(retirementAge);
    if (!check.Filled) return check;

    const DecimalNumberText c = ReadDecimalNumber(children);
    state.ChildrenPerFamily = c.Value;
    if (!c.Valid || !(c.Value > 0 && c.Value <= MostChildren)) {
        check.InputError = 1;
        return check;
    }
    const WholeNumberText y = ReadWholeNumber(year);
    state.TargetYear = y.Value;
    if (!y.Valid || y.Value < state.BaseYear || y.Value > LastTargetYear) {
        check.InputError = 2;
        return check;
    }
    const WholeNumberText a = ReadWholeNumber(retirementAge);
    state.RetirementAge = a.Value;
    if (!a.Valid || a.Value < LowestRetirementAge || a.Value > HighestRetirementAge) check.InputError = 3;
    return check;
}

std::string ProjectionInputMessage(int32_t inputError, const ModelState& state) {
    switch (inputError) {
        case 1:
            return "Antal børn højst 6";
        case 2:
            if (state.TargetYear < state.BaseYear) return "Årstal>=" + std::to_string(state.BaseYear);
            return "Årstal<=2100";
        case 3:
            return "Pensionsalder mellem 50 og 99";
        default:
            return {};
    }
}
