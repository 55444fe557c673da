#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "pixels/FileIdentity.h"

namespace glimmet {

// Why a page may not go into a file.
struct PageRefusal {
    std::optional<size_t> picture;  // the picture (counted in the order given) that the file is
    std::string_view format;        // otherwise the picture format the file's content begins with
};

// The one rule that keeps the HTML page out of picture files, for the window and the batch command
// alike. A page is only ever appended, so a picture it went into would be damaged for good: a file is
// refused when it is one of the pictures the caller works with (also through links and hard links),
// or when it already holds a picture of any format the program reads. Names are the files' bytes.
class PagePictureGuard {
  public:
    // A picture that no page may go into; an empty name holds the place of none.
    void AddPicture(const std::string& name);
    // The same, for a caller that has the picture's identity already.
    void AddPicture(const FileIdentity& picture);
    // Why `page` may not take a page, or nothing when it may.
    [[nodiscard]] std::optional<PageRefusal> Check(const std::string& page) const;
    // The same, for a caller that has the page's identity already.
    [[nodiscard]] std::optional<PageRefusal> Check(const std::string& page,
                                                   const FileIdentity& identity) const;
    // The picture format that the content of the file `name` begins with ("BMP", "PNG", ...), or
    // empty. Only a regular file is read: a FIFO or a device keeps its data for the page.
    static std::string_view PictureFormatOf(const std::string& name);

  private:
    std::map<FileIdentity, size_t> pictures_;
    size_t count_ = 0;
};

}  // namespace glimmet
