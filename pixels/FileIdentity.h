#pragma once

#include <sys/types.h>

#include <compare>
#include <filesystem>
#include <string>

namespace glimmet {

// Which file a name stands for, so that two names of one file (through links, "..", hard links)
// compare equal: the device and inode of an existing file; for a name not there yet, its folder's
// device and inode and its own name in it, following a link that points at no file yet to the name
// it points at; else, where not even the folder is there, the absolute path with links and dots
// resolved as far as its folders exist.
class FileIdentity {
  public:
    static FileIdentity Of(const std::string& path);

    auto operator<=>(const FileIdentity&) const = default;

  private:
    // The identity of `name`, following at most `linksLeft` links that point at no file yet.
    static FileIdentity Following(const std::filesystem::path& name, int linksLeft);
    bool InFolder(const std::filesystem::path& name);

    dev_t device_ = 0;  // of the file, or of a new file's folder
    ino_t inode_ = 0;
    std::string name_;  // empty for a file that is there; a new file's name in its folder, or its path
};

}  // namespace glimmet
