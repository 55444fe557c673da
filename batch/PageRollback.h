#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "render/PageLock.h"

namespace glimmet {

// Where a run left a page: enough to take its own bytes back later, and only those.
struct PageMark {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    bool created = false;  // the run made the file
    off_t before = 0;      // its length before the run
    off_t after = 0;       // its length when the run let go of it
};

// Holds a page file for one picture's walk (locked, so no other run appends meanwhile) and puts it
// back as it was when the walk fails: cut back to its old length, or removed when the run created
// it. Only the run's own bytes are ever taken back: a page that has since changed is left as it
// is. A page that is not a regular file (a FIFO) cannot be taken back.
class PageRollback {
  public:
    // Makes sure a page can be appended to `path`, creating an empty file when there is none, locks
    // it and notes how it was. Returns the system's reason when it cannot be appended to, else "";
    // Busy() tells that another run holds it.
    std::string Prepare(const std::string& path);
    bool Busy() const { return busy_; }
    // Takes back the `appended` bytes the walk wrote, and lets go of the page.
    void Undo(int64_t appended);
    // The walk is done: lets go of the page and tells where it was left.
    PageMark Keep(int64_t appended);

    // Takes back a page that an earlier walk of this run kept, when no other run holds it and it is
    // still the same file of the same length.
    static void TakeBack(const PageMark& mark);

  private:
    static void TakeBack(const PageMark& mark, int fd);

    PageLock lock_;
    PageMark mark_;
    bool regular_ = false;
    bool busy_ = false;
};

}  // namespace glimmet
