#pragma once

#include <QPointer>
#include <QWidget>

#include "widgets/DialogService.h"

namespace glimmet {

// The dialogs on Qt: QMessageBox, QFileDialog and QInputDialog, each modal over the owner window, or
// over the active window while there is no owner. The only place of the program where these classes
// are used.
class QtDialogService final : public DialogService {
  public:
    // The window the dialogs belong to, centred over it even when opened right after another dialog
    // closed (when no window is active). Set once the window exists, since the window needs the
    // service first.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    void ShowOpen(FileDialogSettings& settings) override;
    void ShowSave(FileDialogSettings& settings) override;
    std::optional<int32_t> GetInteger(const QString& title, const QString& label, int32_t value,
                                      int32_t minimum, int32_t maximum) override;

    // A filter "BMP |*.bmp| JPEG |*.jpg" as Qt writes it: "BMP (*.bmp);;JPEG (*.jpg)".
    static QString QtFilter(const QString& filter);

  private:
    QWidget* Owner() const;

    QPointer<QWidget> owner_;
};

}  // namespace glimmet
