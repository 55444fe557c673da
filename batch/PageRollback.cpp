#include "batch/PageRollback.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace glimmet {

std::string PageRollback::Prepare(const std::string& path) {
    path_ = path;
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created_ = fd >= 0;
    }
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        return std::generic_category().message(error);
    }
    regular_ = S_ISREG(info.st_mode);
    length_ = info.st_size;
    ::close(fd);
    return {};
}

void PageRollback::Undo() const {
    if (created_)
        ::unlink(path_.c_str());
    else if (regular_)
        (void)::truncate(path_.c_str(), length_);
}

}  // namespace glimmet
