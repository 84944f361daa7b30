// The rules of the program's input fields, free of any toolkit: which typed
// character a field keeps, drops or turns into another, and the checks of
// the field texts with the messages they give. A front end turns its key
// events into typed characters and its fields' texts into UTF-8 and asks
// these functions; it never decides by itself.
#pragma once

#include "Lifetime.h"
#include "Lys_erkl.h"

#include <cstdint>
#include <string>
#include <string_view>

// Typed characters that are no text of their own.
constexpr char32_t EnterKey = 13;
constexpr char32_t BackspaceKey = 8;

// The character sets of the filtered fields.
enum class FieldKeys {
    Digits,    // digits and backspace: years, ages, retirement age
    Signed,    // digits, "-" and backspace: net migration
    Decimal,   // digits, "." and "," (turned into "."), backspace: children per family
    Interval,  // digits, "." and backspace: the age interval a..b
    Sex,       // K, M, k and m only; backspace is not among them
    Any,       // every character: no filter
};

// The lifetime view's and the census chooser's names for their sets.
constexpr FieldKeys DigitKeys = FieldKeys::Digits;
constexpr FieldKeys SexKeys = FieldKeys::Sex;

// The character the field keeps for a typed one: the same, a replacement,
// or 0 when the key is dropped. Enter belongs to no set: the handlers act
// on it first and then drop it.
char32_t FilterKey(FieldKeys keys, char32_t typed);

// Whether a field counts as filled in: its text sorts after a single blank,
// byte by byte (so an empty field or one starting with a control character
// does not).
bool SortsAfterBlank(std::string_view text);

// An age field's text as an age 0..MaxLifetimeAge, blanks around it allowed;
// -1 for anything else (empty, letters, signs, a number too large).
int32_t ReadLifetimeAge(std::string_view text);
extern const char* const AgeTooHighMessage;  // caption "Fejl"

// The lifetime view's OK: a filled sex field sets SexCode from its first
// character and the person's sex word; a filled field of B then makes
// SexCode 'b'. Empty fields leave the inputs as they were.
void ReadLifetimeSexes(LifetimeState& inputs, std::string_view sexA, std::string_view sexB);
// Whether the stored inputs allow a computation: ages 0..99 and a sex code
// that fits the number of persons. An invalid state is no error message.
bool LifetimeInputsValid(const LifetimeState& inputs);

// The projection inputs. Checked in the order children, year, retirement
// age; each value is written into the state whatever it is, and the first
// bad one stops the check.
struct ProjectionInputCheck {
    bool Filled = false;     // all three fields filled in: OK may be pressed
    int32_t InputError = 0;  // 0 valid (or not filled), 1 children, 2 year, 3 retirement age
};
ProjectionInputCheck CheckProjectionInputs(ModelState& state, std::string_view children, std::string_view year,
                                           std::string_view retirementAge);
// The message for an InputError (empty for 0); it names the year's bound
// that was broken, which depends on the year written into the state.
std::string ProjectionInputMessage(int32_t inputError, const ModelState& state);
extern const char* const ProjectionInputCaption;  // "Ups"
