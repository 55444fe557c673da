#pragma once

#include <string>

namespace glimmet {

// The seven parameter fields of the window.
enum class ParameterField { XStep, YStep, Zoom, Red, Green, Blue, Fill };

// What the field handlers need of the window. Texts are UTF-8.
class ParameterFieldView {
  public:
    virtual ~ParameterFieldView() = default;
    virtual std::string FieldText(ParameterField field) const = 0;
    // Writes the field's text; the field's change handler runs to its end before this returns, also
    // when the text is already shown.
    virtual void SetFieldText(ParameterField field, const std::string& text) = 0;
    // The fill-as-text menu command.
    virtual void FillAsText() = 0;
    // Shows the text fill mode with `fillText` in the mode panel.
    virtual void ShowTextFillMode(const std::string& fillText) = 0;
};

}  // namespace glimmet
