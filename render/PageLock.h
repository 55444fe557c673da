#pragma once

#include <sys/types.h>

#include <string>

namespace glimmet {

// An exclusive lock on a page file, held from Take() until Release() or destruction, so that two
// runs (two processes) never append to one page at once. The lock is flock's, which belongs to the
// open file: a second lock on the same page in the same process conflicts as another process's
// would, so a process takes one lock per page (the window in its outermost walk).
class PageLock {
  public:
    enum class Outcome { Held, Busy, Failed };

    PageLock() = default;
    PageLock(const PageLock&) = delete;
    PageLock& operator=(const PageLock&) = delete;
    ~PageLock() { Release(); }

    // Opens `path` for appending, creating an empty file when there is none (never truncating), and
    // locks it without waiting: Busy when another run holds it, Failed (see error()) when it cannot
    // be opened.
    Outcome Take(const std::string& path);
    void Release();

    int fd() const { return fd_; }
    int error() const { return error_; }
    bool created() const { return created_; }

  private:
    int fd_ = -1;
    int error_ = 0;
    bool created_ = false;
};

}  // namespace glimmet
