#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "widgets/FileDialogSettings.h"

namespace glimmet {

// YesNoDefaultNo: a question whose safe answer is No, which Enter gives.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageIcon { None, Information, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

// Every modal question the window asks and its file dialog. The handlers get it through their
// constructors; the real one shows Qt dialogs, tests answer through a scripted one.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // A modal message box; returns when it is closed, with the button that closed it.
    virtual MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                 const QString& title) = 0;
    // The open or the save dialog with `settings`; sets settings.FileName (empty after a cancel).
    virtual void ShowOpen(FileDialogSettings& settings) = 0;
    virtual void ShowSave(FileDialogSettings& settings) = 0;
    // A modal integer input proposing `value` within `minimum`..`maximum`; the number accepted, or
    // nothing after a cancel.
    virtual std::optional<int32_t> GetInteger(const QString& title, const QString& label, int32_t value,
                                              int32_t minimum, int32_t maximum) = 0;
};

}  // namespace glimmet
