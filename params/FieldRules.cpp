#include "params/FieldRules.h"

#include "params/NumberRules.h"
#include "params/ParamTexts.h"

namespace glimmet {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The check shared by the step and zoom fields, made on the text as it stands.
bool PassesCheck(std::string_view text) {
    return !text.empty() && IsDigit(text.front()) && IsDigit(text.back()) && Val(text) != 0.0;
}

// The rejected text is written back, and the handler run again on it gives 1.
FieldOutcome Rejected() {
    return {std::string(kRejectedFieldText), 1};
}

}  // namespace

FieldOutcome StepTextRule(std::string_view text) {
    if (!PassesCheck(text)) return Rejected();
    const std::optional<int16_t> step = RoundToInt16(Val(text));
    if (!step || *step == 0) return Rejected();
    return {std::nullopt, *step};
}

FieldOutcome ZoomTextRule(std::string_view text, std::string_view decimalSep, std::string_view groupSep) {
    if (!PassesCheck(text)) return Rejected();
    const std::optional<double> number = ParseLocaleNumber(text, decimalSep, groupSep);
    const std::optional<int16_t> zoom = number ? RoundToInt16(*number) : std::nullopt;
    if (!zoom) return Rejected();
    return {std::nullopt, *zoom};
}

uint8_t ColourTextRule(std::string_view text, uint8_t previous) {
    return RoundToUInt8(Val(text)).value_or(previous);
}

}  // namespace glimmet
