#include "pixels/DescriptorSink.h"

#include <unistd.h>

#include <cerrno>

namespace glimmet {

namespace {
// Blocks of this size keep the system calls few for a row-by-row encoder.
constexpr size_t kBlockBytes = size_t{1} << 16;
}  // namespace

bool DescriptorSink::WriteOut(const char* data, size_t size) {
    while (size > 0 && error_ == 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno != EINTR) error_ = errno;
            continue;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return error_ == 0;
}

bool DescriptorSink::Write(const char* data, size_t size) {
    if (error_ != 0) return false;
    gathered_.append(data, size);
    if (gathered_.size() >= kBlockBytes) {
        const bool written = WriteOut(gathered_.data(), gathered_.size());
        gathered_.clear();
        return written;
    }
    return true;
}

bool DescriptorSink::Finish() {
    const bool written = WriteOut(gathered_.data(), gathered_.size());
    gathered_.clear();
    return written;
}

}  // namespace glimmet
