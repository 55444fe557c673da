#pragma once

#include <sys/types.h>

#include <string>

namespace glimmet {

// Puts a page file back as it was before a run appended to it: cut back to its old length, or
// removed when the run created it. A page that is not a regular file (a FIFO) cannot be taken back.
class PageRollback {
  public:
    // Makes sure a page can be appended to `path`, creating an empty file when there is none, and
    // notes how the file was. Returns the system's reason when it cannot be appended to, else "".
    std::string Prepare(const std::string& path);
    void Undo() const;

  private:
    std::string path_;
    bool created_ = false;
    bool regular_ = false;
    off_t length_ = 0;
};

}  // namespace glimmet
