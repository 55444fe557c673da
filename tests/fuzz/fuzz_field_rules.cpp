// Fuzz target: the seven fields' text rules and the number conversions under them, on any text.
// Checks their promises: a step is never 0, a rejected step or zoom writes back a text of value 1,
// and a colour component is either the text's value or the previous one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "params/FieldRules.h"
#include "params/NumberRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmet;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FieldOutcome step = StepTextRule(text);
    if (step.value == 0 || (step.replacement && step.value != 1)) std::abort();
    if (step.replacement && StepTextRule(*step.replacement).value != 1) std::abort();
    for (const auto& [decimal, group] : {std::pair{".", ","}, std::pair{",", "\xC2\xA0"}}) {
        const FieldOutcome zoom = ZoomTextRule(text, decimal, group);
        if (zoom.replacement && zoom.value != 1) std::abort();
        ParseLocaleNumber(text, decimal, group);
    }
    const double value = Val(text);
    const uint8_t colour = ColourTextRule(text, 7);
    const std::optional<uint8_t> rounded = RoundToUInt8(value);
    if (colour != (rounded ? *rounded : 7)) std::abort();
    RoundToInt16(value);
    Str(static_cast<float>(value));
    HexToInt32(text);
    return 0;
}
