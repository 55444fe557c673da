#include "render/PageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "render/PageFormat.h"

namespace glimmet {

namespace {
// Large enough that the batch export writes in big blocks, small enough to bound memory.
constexpr size_t kFlushBytes = size_t{1} << 20;

bool WriteAll(int fd, const char* data, size_t size, size_t& written) {
    written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

PageFile::~PageFile() {
    Flush();
}

std::string PageFile::Touch(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 || ::close(fd) != 0) return std::strerror(errno);
    return {};
}

void PageFile::AppendLine(const std::string& path, std::string_view line) {
    if (path != path_) {
        Flush();
        path_ = path;
    }
    buffer_.append(line);
    buffer_.append(page::kLineEnd);
    lineEnds_.push_back(buffer_.size());
    if (buffer_.size() >= kFlushBytes) Flush();
}

void PageFile::Lose(size_t lines, int error) {
    lost_ += static_cast<int64_t>(lines);
    reason_ = std::strerror(error);
}

void PageFile::Flush() {
    if (lineEnds_.empty()) return;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        Lose(lineEnds_.size(), errno);
    } else {
        struct stat info {};
        size_t written = 0;
        bool ok = ::fstat(fd, &info) == 0;
        if (ok && info.st_size == 0) {
            ok = WriteAll(fd, page::kByteOrderMark.data(), page::kByteOrderMark.size(), written);
        }
        if (ok)
            ok = WriteAll(fd, buffer_.data(), buffer_.size(), written);
        else
            written = 0;
        const int writeError = errno;
        if (!ok) {
            // Lines that reached the file whole are kept; the rest are lost.
            const auto whole =
                std::upper_bound(lineEnds_.begin(), lineEnds_.end(), written) - lineEnds_.begin();
            Lose(lineEnds_.size() - static_cast<size_t>(whole), writeError);
        }
        if (::close(fd) != 0 && ok) Lose(lineEnds_.size(), errno);
    }
    buffer_.clear();
    lineEnds_.clear();
}

}  // namespace glimmet
