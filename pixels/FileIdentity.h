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
    static FileIdentity OfNew(const std::filesystem::path& name, int linksLeft);
    bool InFolder(const std::filesystem::path& name);

    bool exists_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::string name_;  // a new file's name in its folder, or its absolute path
};

}  // namespace glimmet
