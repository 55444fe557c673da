#include "batch/BatchHost.h"

#include <algorithm>
#include <cstdio>

namespace glimmet {

BatchHost::BatchHost(int64_t expectedSamples, bool showProgress)
    : expected_(std::max<int64_t>(1, expectedSamples)),
      show_(showProgress),
      lastDraw_(std::chrono::steady_clock::now()) {}

bool BatchHost::YieldDue() {
    checked_ += kCheckEvery;
    if (!show_) return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastDraw_ >= std::chrono::milliseconds(100)) {
        lastDraw_ = now;
        DrawBar(std::min(1.0, static_cast<double>(checked_) / static_cast<double>(expected_)));
    }
    return false;
}

void BatchHost::DrawBar(double done) {
    constexpr int kWidth = 40;
    const int filled = static_cast<int>(done * kWidth);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), static_cast<int>(done * 100));
    std::fflush(stderr);
    drawn_ = true;
}

void BatchHost::EndProgress() {
    if (drawn_) std::fprintf(stderr, "\r%*s\r", 48, "");
    drawn_ = false;
}

void BatchHost::PageIncomplete(int64_t lostLines, const std::string& reason) {
    lostLines_ = lostLines;
    lossReason_ = reason;
}

}  // namespace glimmet
