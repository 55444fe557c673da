#pragma once

#include <QLineEdit>

namespace glimmet {

// A single-line text field whose Changed signal comes synchronously on every change of its text: a
// typed or deleted character, a paste, and every write by code through SetText, also a write of the
// text already shown (which QLineEdit::setText would pass over silently). A handler connected to
// Changed therefore runs to its end before SetText returns, and may write the field again.
class ChangeField : public QLineEdit {
    Q_OBJECT
  public:
    // `designText` is shown from the start without a change.
    ChangeField(const QString& designText, QWidget* parent);

    void SetText(const QString& text);

  signals:
    void Changed();
};

}  // namespace glimmet
