#include "batch/BatchHost.h"

namespace glimmet {

BatchHost::BatchHost(BatchProgress& progress, const StopSignals& stop, size_t index, int64_t expectedSamples)
    : progress_(progress), stop_(stop), index_(index), expected_(expectedSamples) {}

bool BatchHost::YieldDue() {
    checked_ += kCheckEvery;
    progress_.Walking(index_, checked_, expected_);
    return StopRequested();  // the walk then flushes, "yields" and stops
}

void BatchHost::PageIncomplete(int64_t lostLines, const std::string& reason) {
    lostLines_ = lostLines;
    lossReason_ = reason;
}

}  // namespace glimmet
