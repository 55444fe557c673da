#pragma once

#include <cstdint>
#include <string>

namespace glimmet {

// The caller's event loop and status display.
class WalkHost {
  public:
    virtual ~WalkHost() = default;
    // The walk asks YieldDue() once every this many samples (read once per walk); 1 asks after every
    // sample, so that a handler can run between any two samples.
    virtual int32_t YieldCheckInterval() const { return 1; }
    // Cheap: whether pending events should run now.
    virtual bool YieldDue() = 0;
    // Runs pending events; any handler, a second walk included, may run inside it.
    virtual void Yield() = 0;
    // Asked after every yield: true ends the walk at once, with nothing more drawn, written or
    // shown (the user is ending the program).
    virtual bool StopRequested() const { return false; }
    // Progress as facts, which each program words: `updates` progress updates so far (the walk's
    // percentage, which overshoots 100 on some grids), and the walk's regular end.
    virtual void ShowProgress(int32_t updates) = 0;
    virtual void ShowDone() = 0;
    // The export's page is complete on disk.
    virtual void PageWritten() = 0;
    // The export ended but `lostLines` lines could not be written; `reason` is the system's text.
    virtual void PageIncomplete(int64_t lostLines, const std::string& reason) = 0;
};

}  // namespace glimmet
