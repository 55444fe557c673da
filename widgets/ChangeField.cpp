#include "widgets/ChangeField.h"

namespace glimmet {

ChangeField::ChangeField(const QString& designText, QWidget* parent) : QLineEdit(designText, parent) {
    connect(this, &QLineEdit::textChanged, this, &ChangeField::Changed);
}

void ChangeField::SetText(const QString& text) {
    if (text == this->text()) {
        emit Changed();
    } else {
        setText(text);  // emits textChanged, and so Changed, before it returns
    }
}

}  // namespace glimmet
