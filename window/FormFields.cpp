#include "window/FormFields.h"

#include "widgets/ChangeField.h"
#include "widgets/StatusPanels.h"
#include "window/WindowTexts.h"

namespace glimmet {

ChangeField* FormFields::Widget(ParameterField field) const {
    switch (field) {
        case ParameterField::XStep:
            return c_.txt_xstep;
        case ParameterField::YStep:
            return c_.txt_ystep;
        case ParameterField::Zoom:
            return c_.txt_zoom;
        case ParameterField::Red:
            return c_.r_txt;
        case ParameterField::Green:
            return c_.g_txt;
        case ParameterField::Blue:
            return c_.b_txt;
        case ParameterField::Fill:
            return c_.txt_fill;
    }
    return nullptr;
}

std::string FormFields::FieldText(ParameterField field) const {
    return Widget(field)->text().toStdString();
}

void FormFields::SetFieldText(ParameterField field, const std::string& text) {
    Widget(field)->SetText(QString::fromStdString(text));
}

void FormFields::ShowTextFillMode(const std::string& fillText) {
    status_.SetPanelText(2, QtText(window_texts::kFillModePanel[3]) + QString::fromStdString(fillText));
}

}  // namespace glimmet
