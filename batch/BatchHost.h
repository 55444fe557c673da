#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "render/WalkPorts.h"

namespace glimmet {

// The batch command's side of a walk: nothing to yield to, a progress bar on standard error while
// that is a terminal, and a record of how the page ended.
class BatchHost final : public WalkHost {
  public:
    // `expectedSamples` sizes the bar; `showProgress` false keeps standard error quiet.
    BatchHost(int64_t expectedSamples, bool showProgress);

    int32_t YieldCheckInterval() const override { return kCheckEvery; }
    bool YieldDue() override;
    void Yield() override {}
    void ShowProgress(int32_t) override {}
    void ShowDone() override {}
    void PageWritten() override {}
    void PageIncomplete(int64_t lostLines, const std::string& reason) override;

    // Clears the bar's line.
    void EndProgress();
    int64_t lostLines() const { return lostLines_; }
    const std::string& lossReason() const { return lossReason_; }

  private:
    static constexpr int32_t kCheckEvery = 1 << 14;
    void DrawBar(double done);

    int64_t expected_;
    bool show_;
    int64_t checked_ = 0;
    std::chrono::steady_clock::time_point lastDraw_;
    bool drawn_ = false;
    int64_t lostLines_ = 0;
    std::string lossReason_;
};

}  // namespace glimmet
