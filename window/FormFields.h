#pragma once

#include <string>

#include "params/ParameterFields.h"
#include "window/MenuChoices.h"
#include "window/WindowControls.h"

namespace glimmet {

class ChangeField;
class StatusPanels;

// The window's seven parameter fields as their change handlers and the colour pick see them.
class FormFields final : public ParameterFieldView {
  public:
    // An edit of the fill text makes the same choice as the fill-as-text menu item, through `choices`.
    FormFields(const WindowControls& controls, StatusPanels& status, MenuChoices& choices)
        : c_(controls), status_(status), choices_(choices) {}

    std::string FieldText(ParameterField field) const override;
    void SetFieldText(ParameterField field, const std::string& text) override;
    void FillAsText() override { choices_.Fill(kFillText); }
    void ShowTextFillMode(const std::string& fillText) override;

  private:
    ChangeField* Widget(ParameterField field) const;

    const WindowControls& c_;
    StatusPanels& status_;
    MenuChoices& choices_;
};

}  // namespace glimmet
