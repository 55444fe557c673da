#pragma once

#include <functional>

#include <string>
#include "widgets/DialogService.h"

namespace glimmet {

class PictureBox;

// What the save command works on; all of it belongs to the window.
struct SaveParts {
    FileDialogSettings& cdiag;
    DialogService& dialogs;
    std::string& filePath;           // the window's FilePath
    std::string& savedPath;          // the last bitmap written, which no page may go into
    const std::string& picturePath;  // the file whose picture the source picture shows
    const std::string& pagePath;     // the export's page file
    PictureBox& output;              // out_pic
    // The transfer; false when it failed (the user has been told) or the program is ending: the
    // save goes no further.
    std::function<bool()> transfer;
    std::function<void()> layout;  // Form_Resize
};

// The command save_Click: renders the selection afresh into the output picture's retained image,
// asks for a name and writes that image as a 24-bit bitmap whatever the name's extension, then
// clears the output picture and lays the window out again. A cancelled dialog stops after the
// rendering. A write that fails is reported with the file's name and the system's reason; the
// rendering then stays on screen and nothing claims the file was saved. Any other file is replaced
// without a question, except the picture file the window shows and the export's page file: for those
// the user is asked first (No is the default), and No stops the save as a cancel does.
class SaveCommand {
  public:
    explicit SaveCommand(SaveParts parts) : parts_(std::move(parts)) {}

    void Run();

  private:
    // False when `path` is a file the window works with and the user keeps it.
    bool MayReplace(const QString& path);

    SaveParts parts_;
};

}  // namespace glimmet
