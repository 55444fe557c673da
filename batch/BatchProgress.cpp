#include "batch/BatchProgress.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "batch/BatchTexts.h"

namespace glimmet {

BatchProgress::BatchProgress(size_t pictures, bool show, Clock now, std::FILE* out)
    : pictures_(std::max<size_t>(1, pictures)),
      show_(show),
      now_(std::move(now)),
      out_(out),
      lastDraw_(now_()) {}

void BatchProgress::Walking(size_t index, int64_t checked, int64_t expected) {
    if (!show_) return;
    const std::lock_guard lock(mutex_);
    walking_[index] = {checked, std::max<int64_t>(1, expected)};
    DrawIfDue();
}

void BatchProgress::Done(size_t index, int64_t visited) {
    if (!show_) return;
    const std::lock_guard lock(mutex_);
    walking_.erase(index);
    ++done_;
    samplesDone_ += visited;
    DrawIfDue();
}

void BatchProgress::DrawIfDue() {
    const auto now = now_();
    if (now - lastDraw_ < std::chrono::milliseconds(100)) return;
    lastDraw_ = now;
    double share = static_cast<double>(done_);
    int64_t samples = samplesDone_;
    for (const auto& [index, walk] : walking_) {
        share += std::min(1.0, static_cast<double>(walk.checked) / static_cast<double>(walk.expected));
        samples += walk.checked;
    }
    share /= static_cast<double>(pictures_);
    constexpr int kWidth = 40;
    std::string bar(static_cast<size_t>(share * kWidth), '#');
    bar.resize(kWidth, '.');
    std::fprintf(out_, "\r[%s] %3d%%  %zu/%zu pictures, %lld samples\033[K", bar.c_str(),
                 static_cast<int>(share * 100), done_, pictures_, static_cast<long long>(samples));
    std::fflush(out_);
    drawn_ = true;
}

void BatchProgress::Say(const std::string& message) {
    const std::lock_guard lock(mutex_);
    if (drawn_) std::fputs("\r\033[K", out_);
    drawn_ = false;
    std::fprintf(out_, "%s: %s\n", batch_texts::kProgram.data(), message.c_str());
}

void BatchProgress::End() {
    if (!show_) return;
    const std::lock_guard lock(mutex_);
    if (drawn_) std::fputs("\r\033[K", out_);
    drawn_ = false;
}

}  // namespace glimmet
