#include "picture/DescriptorDevice.h"

#include <unistd.h>

#include <cerrno>

namespace glimmet {

namespace {
// Blocks of this size keep the system calls few for a row-by-row encoder.
constexpr size_t kBlockBytes = size_t{1} << 16;
}  // namespace

DescriptorDevice::DescriptorDevice(int fd) : fd_(fd) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool DescriptorDevice::WriteOut(const char* data, size_t size) {
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

qint64 DescriptorDevice::writeData(const char* data, qint64 size) {
    if (error_ != 0) return -1;
    gathered_.append(data, static_cast<size_t>(size));
    if (gathered_.size() >= kBlockBytes) {
        const bool written = WriteOut(gathered_.data(), gathered_.size());
        gathered_.clear();
        if (!written) return -1;
    }
    return size;
}

bool DescriptorDevice::Finish() {
    const bool written = WriteOut(gathered_.data(), gathered_.size());
    gathered_.clear();
    return written;
}

}  // namespace glimmet
