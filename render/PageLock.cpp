#include "render/PageLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace glimmet {

PageLock::Outcome PageLock::Take(const std::string& path) {
    Release();
    created_ = false;
    fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0 && errno == ENOENT) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created_ = fd_ >= 0;
    }
    if (fd_ < 0) {
        error_ = errno;
        return Outcome::Failed;
    }
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        // A file system without locks (some network ones) cannot keep two runs apart; the run goes
        // on unlocked, as it would have before locks were taken.
        if (errno != EWOULDBLOCK) break;
        error_ = errno;
        // A page made here that another run locked at once is that run's page now.
        created_ = false;
        Release();
        return Outcome::Busy;
    }
    return Outcome::Held;
}

void PageLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace glimmet
