#include "batch/StandardOutputPage.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "render/PageFormat.h"

namespace glimmet {

namespace {
constexpr size_t kBlockBytes = size_t{1} << 20;
}

StandardOutputPage::StandardOutputPage(int fd) : fd_(fd) {
    buffer_.reserve(kBlockBytes + 4096);
    buffer_ = page::kByteOrderMark;
}

StandardOutputPage::~StandardOutputPage() {
    Flush();
}

void StandardOutputPage::AppendLine(const std::string&, std::string_view line) {
    buffer_.append(line);
    buffer_.append(page::kLineEnd);
    ++lines_;
    if (buffer_.size() >= kBlockBytes) Flush();
}

void StandardOutputPage::Flush() {
    if (lines_ == 0) return;
    for (size_t done = 0; done < buffer_.size() && reason_.empty();) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n >= 0)
            done += static_cast<size_t>(n);
        else if (errno != EINTR)
            reason_ = std::generic_category().message(errno);
    }
    if (!reason_.empty()) lost_ += lines_;
    buffer_.clear();
    lines_ = 0;
}

}  // namespace glimmet
