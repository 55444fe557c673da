#pragma once

#include <functional>
#include <string>

#include "params/ParameterFields.h"
#include "window/WindowControls.h"

namespace glimmet {

class ChangeField;
class StatusPanels;

// The window's seven parameter fields as their change handlers and the colour pick see them.
class FormFields final : public ParameterFieldView {
  public:
    // `fillAsText` is the window's fill-as-text menu command.
    FormFields(const WindowControls& controls, StatusPanels& status, std::function<void()> fillAsText)
        : c_(controls), status_(status), fillAsText_(std::move(fillAsText)) {}

    std::string FieldText(ParameterField field) const override;
    void SetFieldText(ParameterField field, const std::string& text) override;
    void FillAsText() override { fillAsText_(); }
    void ShowTextFillMode(const std::string& fillText) override;

  private:
    ChangeField* Widget(ParameterField field) const;

    const WindowControls& c_;
    StatusPanels& status_;
    std::function<void()> fillAsText_;
};

}  // namespace glimmet
