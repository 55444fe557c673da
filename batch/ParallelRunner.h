#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchProgress.h"
#include "batch/OutputDrawing.h"
#include "batch/PictureJob.h"
#include "batch/StopSignals.h"

namespace glimmet {

// Checks the pictures of a run on worker threads, each worker with its own tools and one picture at
// a time (so memory is bounded by the workers), and hands every result over in the pictures' order
// as soon as it and all before it are done: what the handler sees does not depend on the number of
// workers. The handler runs on one thread at a time. Once a signal asks the run to stop, no
// picture starts, the walks under way stop and put their pages back, and nothing more is handed over.
class ParallelRunner {
  public:
    using Handler = std::function<void(const PictureTask&, const PictureResult&)>;

    ParallelRunner(const BatchOptions& options, const std::vector<PictureTask>& tasks,
                   BatchProgress& progress, const StopSignals& stop, const DrawingMaker& makeDrawing);

    // Runs with `jobs` workers (fewer when the system cannot start more), the calling thread being
    // one of them.
    void Run(size_t jobs, const Handler& handler);
    // Where the completed walks left their pages, for a run that is stopped afterwards.
    const std::vector<PageMark>& Pages() const { return pages_; }

  private:
    const BatchOptions& options_;
    const std::vector<PictureTask>& tasks_;
    BatchProgress& progress_;
    const StopSignals& stop_;
    const DrawingMaker& makeDrawing_;
    std::vector<PageMark> pages_;
};

}  // namespace glimmet
