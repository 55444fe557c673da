#pragma once

#include <QString>

#include <string>
#include "widgets/DialogService.h"

namespace glimmet {

class SourcePictureBox;

// The command open_Click: asks for a file with the window's dialog and shows the picture in the
// source picture box at its natural size. The selection, the output picture and every parameter stay
// as they were. A file that cannot be read as a picture (missing, unreadable, not a picture, damaged
// or truncated) is refused with a message that names it and says why; the picture shown before stays.
class OpenCommand {
  public:
    // `filePath` is the window's FilePath; `picturePath` names the file whose picture `source` shows.
    OpenCommand(FileDialogSettings& cdiag, DialogService& dialogs, std::string& filePath,
                std::string& picturePath, SourcePictureBox& source)
        : cdiag_(cdiag), dialogs_(dialogs), filePath_(filePath), picturePath_(picturePath), source_(source) {}

    // open_Click: the open dialog, then OpenFile with its name (also an empty one, after a cancel).
    void Run();
    // FilePath becomes `path`; a non-empty path is loaded, or its failure told. Also what a file
    // dropped onto the window does.
    void OpenFile(const QString& path);

  private:
    FileDialogSettings& cdiag_;
    DialogService& dialogs_;
    std::string& filePath_;
    std::string& picturePath_;
    SourcePictureBox& source_;
};

}  // namespace glimmet
