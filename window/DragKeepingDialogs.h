#pragma once

#include <functional>

#include "widgets/DialogService.h"

namespace glimmet {

// The window's dialogs, shown by `dialogs`, with the window told before each one opens and after it
// has closed. A modal dialog takes the mouse from the window, so a drag of the selection that a
// dialog interrupts (Enter during the drag shows the size message) would no longer get the pointer's
// moves: the window lets go of the mouse before the dialog and takes it again afterwards while the
// button is still held.
class DragKeepingDialogs final : public DialogService {
  public:
    DragKeepingDialogs(DialogService& dialogs, std::function<void()> beforeDialog,
                       std::function<void()> afterDialog)
        : dialogs_(dialogs), before_(std::move(beforeDialog)), after_(std::move(afterDialog)) {}

    MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override;
    void ShowOpen(FileDialogSettings& settings) override;
    void ShowSave(FileDialogSettings& settings) override;
    std::optional<int32_t> GetInteger(const QString& title, const QString& label, int32_t value,
                                      int32_t minimum, int32_t maximum) override;

  private:
    DialogService& dialogs_;
    std::function<void()> before_;
    std::function<void()> after_;
};

}  // namespace glimmet
