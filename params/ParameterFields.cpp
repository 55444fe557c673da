#include "params/ParameterFields.h"

#include <utility>

#include "params/FieldRules.h"
#include "render/ColorRules.h"

namespace glimmet {

ParameterFields::ParameterFields(RenderState& render, ColourComponents& colour, ParameterFieldView& view,
                                 std::string decimalSeparator, std::string groupSeparator)
    : render_(render),
      colour_(colour),
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
    StepOrZoom(ParameterField::XStep, render_.Xst, StepTextRule);
}

void ParameterFields::txt_ystep_Change() {
    StepOrZoom(ParameterField::YStep, render_.Yst, StepTextRule);
}

void ParameterFields::txt_zoom_Change() {
    StepOrZoom(ParameterField::Zoom, render_.ZOOM, [this](std::string_view text) {
        return ZoomTextRule(text, decimalSeparator_, groupSeparator_);
    });
}

void ParameterFields::Colour(ParameterField field, uint8_t& component) {
    component = ColourTextRule(view_.FieldText(field), component);
    render_.col = RGB(colour_.ColRed, colour_.ColGreen, colour_.ColBlue);
}

void ParameterFields::r_txt_Change() {
    Colour(ParameterField::Red, colour_.ColRed);
}

void ParameterFields::g_txt_Change() {
    Colour(ParameterField::Green, colour_.ColGreen);
}

void ParameterFields::b_txt_Change() {
    Colour(ParameterField::Blue, colour_.ColBlue);
}

void ParameterFields::txt_fill_Change() {
    view_.FillAsText();
    view_.ShowTextFillMode(view_.FieldText(ParameterField::Fill));
}

}  // namespace glimmet
