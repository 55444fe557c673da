#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glimmet {

// What a step or zoom field's text comes to: the text to write back when it was rejected (nullopt
// keeps the text as typed) and the value the field's variable takes.
struct FieldOutcome {
    std::optional<std::string> replacement;
    int16_t value;
};

// Step fields. Rejected when empty, when the first or the last character is not a digit 0-9, or when
// Val of the text is 0; then the field gets "1" and the step 1. Otherwise the step is Val of the text
// rounded halves to even. A value rounding to 0 or beyond 16 bits is rejected as well, because the
// renderer cannot walk with a step of 0 and the variable cannot hold the other.
FieldOutcome StepTextRule(std::string_view text);

// Zoom field. The same check as a step, Val included; the value is then the whole text read by the
// locale's separators (see ParseLocaleNumber) rounded halves to even. A text that is no number for
// the locale, or rounds beyond 16 bits, is rejected like a failed check. A zoom rounding to 0 is
// kept: the output is then empty.
FieldOutcome ZoomTextRule(std::string_view text, std::string_view decimalSep, std::string_view groupSep);

// Colour component fields. The text is never corrected: the component is Val of it rounded halves to
// even; a value outside 0..255 keeps `previous`, as the component cannot hold it.
uint8_t ColourTextRule(std::string_view text, uint8_t previous);

}  // namespace glimmet
