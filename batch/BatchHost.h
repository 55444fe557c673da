#pragma once

#include <cstdint>
#include <string>

#include "batch/BatchProgress.h"
#include "batch/StopSignals.h"
#include "render/WalkPorts.h"

namespace glimmet {

// The batch command's side of one picture's walk: nothing to yield to but a signal that stops the
// run, progress for the bar, and a record of how the page ended.
class BatchHost final : public WalkHost {
  public:
    // `index` names the picture to the bar; `expectedSamples` sizes its share.
    BatchHost(BatchProgress& progress, const StopSignals& stop, size_t index, int64_t expectedSamples);

    int32_t YieldCheckInterval() const override { return kCheckEvery; }
    bool YieldDue() override;
    void Yield() override {}
    bool StopRequested() const override { return stop_.Received() != 0; }
    void ShowProgress(int32_t) override {}
    void ShowDone() override {}
    void PageWritten() override {}
    void PageIncomplete(int64_t lostLines, const std::string& reason) override;

    int64_t lostLines() const { return lostLines_; }
    const std::string& lossReason() const { return lossReason_; }

  private:
    static constexpr int32_t kCheckEvery = 1 << 14;

    BatchProgress& progress_;
    const StopSignals& stop_;
    size_t index_;
    int64_t expected_;
    int64_t checked_ = 0;
    int64_t lostLines_ = 0;
    std::string lossReason_;
};

}  // namespace glimmet
