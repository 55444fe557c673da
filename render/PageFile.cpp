#include "render/PageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "render/PageFormat.h"

namespace glimmet {

namespace {
// Large enough that the batch export writes in few calls, small enough that the block is still in the
// processor's cache when the system copies it into the file.
constexpr size_t kFlushBytes = size_t{256} << 10;

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
    if (fd < 0 || ::close(fd) != 0) return std::generic_category().message(errno);
    return {};
}

void PageFile::AppendLine(const std::string& path, std::string_view line) {
    if (path != path_) {
        Flush();
        path_ = path;
    }
    // The block is sized once and its lines copied in at `used_`, without a string's checks per piece.
    const size_t size = line.size() + page::kLineEnd.size();
    if (used_ + size > buffer_.size())
        buffer_.resize(std::max(used_ + size, kFlushBytes + (kFlushBytes >> 3)));
    char* at = std::copy(line.begin(), line.end(), buffer_.data() + used_);
    std::copy(page::kLineEnd.begin(), page::kLineEnd.end(), at);
    used_ += size;
    lineEnds_.push_back(used_);
    if (used_ >= kFlushBytes) Flush();
}

void PageFile::Lose(size_t lines, int error) {
    lost_ += static_cast<int64_t>(lines);
    reason_ = std::generic_category().message(error);
}

void PageFile::Flush() {
    if (lineEnds_.empty()) return;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        Lose(lineEnds_.size(), errno);
    } else {
        const bool ok = AppendGathered(fd);
        if (::close(fd) != 0 && ok) Lose(lineEnds_.size(), errno);
    }
    used_ = 0;
    lineEnds_.clear();
}

void PageFile::Discard() {
    used_ = 0;
    std::string().swap(buffer_);
    std::vector<size_t>().swap(lineEnds_);
}

bool PageFile::AppendGathered(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        Lose(lineEnds_.size(), errno);
        return false;
    }
    // A file that this flush starts gets the byte order mark first.
    const size_t head = info.st_size == 0 ? page::kByteOrderMark.size() : 0;
    size_t written = 0;
    const bool headWritten = WriteAll(fd, page::kByteOrderMark.data(), head, written);
    if (headWritten && WriteAll(fd, buffer_.data(), used_, written)) {
        appended_ += static_cast<int64_t>(head + used_);
        return true;
    }
    const int writeError = errno;
    // Lines that reached the file whole are kept; a line cut short is taken back, so that the file
    // never ends in half a line (a stream such as a FIFO cannot be cut and is left as it is).
    const size_t whole =
        !headWritten ? 0
                     : static_cast<size_t>(std::upper_bound(lineEnds_.begin(), lineEnds_.end(), written) -
                                           lineEnds_.begin());
    const off_t keep = whole > 0 ? static_cast<off_t>(head + lineEnds_[whole - 1]) : 0;
    if (::ftruncate(fd, info.st_size + keep) == 0) appended_ += keep;
    Lose(lineEnds_.size() - whole, writeError);
    return false;
}

}  // namespace glimmet
