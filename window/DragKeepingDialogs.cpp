#include "window/DragKeepingDialogs.h"

namespace glimmet {

MessageAnswer DragKeepingDialogs::MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                         const QString& title) {
    before_();
    const MessageAnswer answer = dialogs_.MsgBox(text, buttons, icon, title);
    after_();
    return answer;
}

void DragKeepingDialogs::ShowOpen(FileDialogSettings& settings) {
    before_();
    dialogs_.ShowOpen(settings);
    after_();
}

void DragKeepingDialogs::ShowSave(FileDialogSettings& settings) {
    before_();
    dialogs_.ShowSave(settings);
    after_();
}

}  // namespace glimmet
