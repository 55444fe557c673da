#pragma once

#include <sys/types.h>

#include <compare>
#include <string>

namespace glimmet {

// Which file a name stands for, so that two names of one file (through links, "..", hard links)
// compare equal: the device and inode of an existing file, else the absolute path with links and
// dots resolved as far as its folders exist.
class FileIdentity {
  public:
    static FileIdentity Of(const std::string& path);

    auto operator<=>(const FileIdentity&) const = default;

  private:
    bool exists_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::string path_;  // only for a name that does not exist (yet)
};

}  // namespace glimmet
