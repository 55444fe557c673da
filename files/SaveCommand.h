#pragma once

#include <functional>

#include <string>
#include "platform/DialogService.h"

namespace glimmet {

class PictureBox;

// What the save command works on; all of it belongs to the window.
struct SaveParts {
    FileDialogSettings& cdiag;
    DialogService& dialogs;
    std::string& filePath;  // the window's FilePath
    PictureBox& output;     // out_pic
    // The transfer; false when it failed (the user has been told) or the program is ending: the
    // save goes no further.
    std::function<bool()> transfer;
    std::function<void()> layout;  // Form_Resize
};

// The command save_Click: renders the selection afresh into the output picture's retained image,
// asks for a name and writes that image as a 24-bit bitmap whatever the name's extension, then
// clears the output picture and lays the window out again. A cancelled dialog stops after the
// rendering. A write that fails is reported with the file's name and the system's reason; the
// rendering then stays on screen and nothing claims the file was saved.
class SaveCommand {
  public:
    explicit SaveCommand(SaveParts parts) : parts_(std::move(parts)) {}

    void Run();

  private:
    SaveParts parts_;
};

}  // namespace glimmet
