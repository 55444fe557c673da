#include "batch/PageRollback.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace glimmet {

std::string PageRollback::Prepare(const std::string& path) {
    mark_ = PageMark{path};
    const PageLock::Outcome outcome = lock_.Take(path);
    busy_ = outcome == PageLock::Outcome::Busy;
    if (outcome != PageLock::Outcome::Held) return std::generic_category().message(lock_.error());
    struct stat info {};
    if (::fstat(lock_.fd(), &info) != 0) {
        const int error = errno;
        Undo(0);
        return std::generic_category().message(error);
    }
    regular_ = S_ISREG(info.st_mode);
    mark_.created = lock_.created();
    mark_.device = info.st_dev;
    mark_.inode = info.st_ino;
    mark_.before = mark_.after = info.st_size;
    return {};
}

void PageRollback::Undo(int64_t appended) {
    mark_.after = mark_.before + static_cast<off_t>(appended);
    if (regular_) TakeBack(mark_, lock_.fd());
    lock_.Release();
}

PageMark PageRollback::Keep(int64_t appended) {
    mark_.after = mark_.before + static_cast<off_t>(appended);
    lock_.Release();
    return regular_ ? mark_ : PageMark{};
}

void PageRollback::TakeBack(const PageMark& mark) {
    if (mark.path.empty()) return;
    PageLock lock;
    if (lock.Take(mark.path) == PageLock::Outcome::Held) TakeBack(mark, lock.fd());
    // A page removed meanwhile was made again by the lock; it goes again.
    if (lock.created()) ::unlink(mark.path.c_str());
}

void PageRollback::TakeBack(const PageMark& mark, int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_dev != mark.device || info.st_ino != mark.inode ||
        info.st_size != mark.after)
        return;
    struct stat named {};
    if (!mark.created) {
        (void)::ftruncate(fd, mark.before);
    } else if (::stat(mark.path.c_str(), &named) == 0 && named.st_dev == mark.device &&
               named.st_ino == mark.inode) {
        ::unlink(mark.path.c_str());
    }
}

}  // namespace glimmet
