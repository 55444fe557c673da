#pragma once

#include "platform/DialogService.h"

namespace glimmet {

// The dialogs on Qt: QMessageBox, QFileDialog and QInputDialog, each modal over the active window.
// The only place of the program where these classes are used.
class QtDialogService final : public DialogService {
  public:
    MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    void ShowOpen(FileDialogSettings& settings) override;
    void ShowSave(FileDialogSettings& settings) override;
    std::optional<int32_t> GetInteger(const QString& title, const QString& label, int32_t value,
                                      int32_t minimum, int32_t maximum) override;

    // A filter "BMP |*.bmp| JPEG |*.jpg" as Qt writes it: "BMP (*.bmp);;JPEG (*.jpg)".
    static QString QtFilter(const QString& filter);
};

}  // namespace glimmet
