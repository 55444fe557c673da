#pragma once

#include <QString>

namespace glimmet {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

// The settings of the window's one file dialog. The window keeps one of these for the whole run, so
// what a use leaves in it (filter, folder, file name) is there at the next use. Filter is written as
// pairs of description and pattern separated by "|": "BMP |*.bmp| JPEG |*.jpg".
struct FileDialogSettings {
    QString Filter;
    QString DialogTitle;
    QString DefaultExt;
    QString InitDir;
    QString FileName;  // the chosen file; empty after a cancel
};

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
};

}  // namespace glimmet
