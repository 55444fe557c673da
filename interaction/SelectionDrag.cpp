#include "interaction/SelectionDrag.h"

#include <string>

#include "params/NumberRules.h"
#include "render/ColorRules.h"

namespace glimmet {

namespace {

// A component's two hexadecimal digits as the field shows them: "&H" in front, read as a number,
// written by Str (" 153").
std::string ComponentText(const std::string& hexDigits) {
    return Str(HexToInt32("&H" + hexDigits).value_or(0));
}

}  // namespace

void SelectionDrag::MouseDown(int16_t button) {
    if (button == kLeftButton) {
        state_.Dragging = -1;
        ShapeRect sel = sel_.Geometry();
        sel.Left = state_.MouseX;
        sel.Top = state_.MouseY;
        sel_.SetGeometry(sel);
    } else if (button == kRightButton) {
        PickColour();
    }
}

void SelectionDrag::MouseMove(int16_t button, float x, float y) {
    const auto mouseX = RoundToInt16(x);
    const auto mouseY = RoundToInt16(y);
    if (!mouseX || !mouseY) return;
    state_.MouseX = *mouseX;
    state_.MouseY = *mouseY;
    if (button == kLeftButton) {
        if (state_.MouseX < 0 || state_.MouseY < 0) {
            state_.MouseX = 0;
            state_.MouseY = 0;
        }
        if (state_.Dragging != 0) {
            ShapeRect sel = sel_.Geometry();
            const float mx = state_.MouseX;
            const float my = state_.MouseY;
            if (mx - sel.Left < 0 || my - sel.Top < 0) {
                sel.Left = mx;
                sel.Top = my;
            }
            sel.Width = mx - sel.Left;
            sel.Height = my - sel.Top;
            sel_.SetGeometry(sel);
        }
    } else if (button == kRightButton) {
        PickColour();
    }
}

void SelectionDrag::MouseUp(int16_t button) {
    if (button == kLeftButton) {
        state_.Dragging = 0;
    } else if (button == kRightButton) {
        PickColour();
    }
}

void SelectionDrag::PickColour() {
    render_.col = shown_.GetPixel(state_.MouseX, state_.MouseY);
    std::string red, green, blue;
    ColorToHex(render_.col, red, green, blue);
    // Each write runs the field's handler at once, which recomputes col from the components so far.
    fields_.SetFieldText(ParameterField::Red, ComponentText(red));
    fields_.SetFieldText(ParameterField::Green, ComponentText(green));
    fields_.SetFieldText(ParameterField::Blue, ComponentText(blue));
}

}  // namespace glimmet
