#pragma once

#include <string>

#include "widgets/DialogService.h"

namespace glimmet {

// The window's side of the rule that keeps the HTML page out of picture files (PagePictureGuard):
// the picture shown, the last bitmap saved and any file that holds a picture are refused with a
// message that names the file. The export asks before it takes a page file, and every transfer in
// the page fill mode asks again before it appends, since the file may have become a picture since.
class PageFileCheck {
  public:
    // `picturePath` and `savedPath` are the window's, read at every check; names are bytes.
    PageFileCheck(DialogService& dialogs, const std::string& picturePath, const std::string& savedPath)
        : dialogs_(dialogs), picturePath_(picturePath), savedPath_(savedPath) {}

    // True when a page may be appended to `page`; otherwise the user has been told, and false.
    bool Allows(const std::string& page) const;

  private:
    DialogService& dialogs_;
    const std::string& picturePath_;
    const std::string& savedPath_;
};

}  // namespace glimmet
