#pragma once

#include "platform/DialogService.h"

namespace glimmet {

// The dialogs on Qt: QMessageBox and QFileDialog, each modal over the active window. The only place
// of the program where these two classes are used.
class QtDialogService final : public DialogService {
  public:
    MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    void ShowOpen(FileDialogSettings& settings) override;
    void ShowSave(FileDialogSettings& settings) override;

    // A filter "BMP |*.bmp| JPEG |*.jpg" as Qt writes it: "BMP (*.bmp);;JPEG (*.jpg)".
    static QString QtFilter(const QString& filter);
};

}  // namespace glimmet
