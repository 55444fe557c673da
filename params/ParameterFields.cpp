#include "params/ParameterFields.h"

#include <utility>

#include "params/FieldRules.h"
#include "render/ColorRules.h"

namespace glimmet {

ParameterFields::ParameterFields(WindowState& state, ParameterFieldView& view, std::string decimalSeparator,
                                 std::string groupSeparator)
    : state_(state),
      view_(view),
      decimalSeparator_(std::move(decimalSeparator)),
      groupSeparator_(std::move(groupSeparator)) {}

template <typename Rule>
void ParameterFields::StepOrZoom(ParameterField field, int16_t& variable, Rule rule) {
    const FieldOutcome checked = rule(view_.FieldText(field));
    // The write runs this handler again on the new text before it returns.
    if (checked.replacement) view_.SetFieldText(field, *checked.replacement);
    // The variable follows the text that stands in the field now, whatever the nested run left there.
    variable = checked.replacement ? rule(view_.FieldText(field)).value : checked.value;
}

void ParameterFields::txt_xstep_Change() {
    StepOrZoom(ParameterField::XStep, state_.render.Xst, StepTextRule);
}

void ParameterFields::txt_ystep_Change() {
    StepOrZoom(ParameterField::YStep, state_.render.Yst, StepTextRule);
}

void ParameterFields::txt_zoom_Change() {
    StepOrZoom(ParameterField::Zoom, state_.render.ZOOM, [this](std::string_view text) {
        return ZoomTextRule(text, decimalSeparator_, groupSeparator_);
    });
}

void ParameterFields::Colour(ParameterField field, uint8_t& component) {
    component = ColourTextRule(view_.FieldText(field), component);
    state_.render.col = RGB(state_.ColRed, state_.ColGreen, state_.ColBlue);
}

void ParameterFields::r_txt_Change() {
    Colour(ParameterField::Red, state_.ColRed);
}

void ParameterFields::g_txt_Change() {
    Colour(ParameterField::Green, state_.ColGreen);
}

void ParameterFields::b_txt_Change() {
    Colour(ParameterField::Blue, state_.ColBlue);
}

void ParameterFields::txt_fill_Change() {
    view_.FillAsText();
    view_.ShowTextFillMode(view_.FieldText(ParameterField::Fill));
}

}  // namespace glimmet
