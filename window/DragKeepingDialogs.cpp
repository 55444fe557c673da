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

std::optional<int32_t> DragKeepingDialogs::GetInteger(const QString& title, const QString& label,
                                                      int32_t value, int32_t minimum, int32_t maximum) {
    before_();
    std::optional<int32_t> answer = dialogs_.GetInteger(title, label, value, minimum, maximum);
    after_();
    return answer;
}

}  // namespace glimmet
