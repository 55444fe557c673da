#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchProgress.h"
#include "batch/PictureJob.h"

namespace glimmet {

// Checks the pictures of a run on worker threads, each worker with its own tools and one picture at
// a time (so memory is bounded by the workers), and hands every result over in the pictures' order
// as soon as it and all before it are done: what the handler sees does not depend on the number of
// workers. The handler runs on one thread at a time.
class ParallelRunner {
  public:
    using Handler = std::function<void(const PictureTask&, const PictureResult&)>;

    ParallelRunner(const BatchOptions& options, const std::vector<PictureTask>& tasks,
                   BatchProgress& progress);

    // Runs with `jobs` workers, the calling thread being one of them.
    void Run(size_t jobs, const Handler& handler);

  private:
    const BatchOptions& options_;
    const std::vector<PictureTask>& tasks_;
    BatchProgress& progress_;
};

}  // namespace glimmet
