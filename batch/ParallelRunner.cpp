#include "batch/ParallelRunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "batch/WorkerTools.h"

namespace glimmet {

ParallelRunner::ParallelRunner(const BatchOptions& options, const std::vector<PictureTask>& tasks,
                               BatchProgress& progress, const StopSignals& stop,
                               const DrawingMaker& makeDrawing)
    : options_(options), tasks_(tasks), progress_(progress), stop_(stop), makeDrawing_(makeDrawing) {}

void ParallelRunner::Run(size_t jobs, const Handler& handler) {
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::vector<std::optional<PictureResult>> finished(tasks_.size());
    size_t handed = 0;
    const auto work = [&] {
        WorkerTools tools(makeDrawing_);
        for (size_t i = next++; i < tasks_.size() && stop_.Received() == 0; i = next++) {
            PictureResult result = PictureJob(options_, tasks_[i], tools, progress_, stop_).Run();
            progress_.Done(i, result.outcome.samples);
            const std::lock_guard lock(mutex);
            if (!result.page.path.empty()) pages_.push_back(result.page);
            finished[i] = std::move(result);
            for (; handed < tasks_.size() && finished[handed] && stop_.Received() == 0; ++handed) {
                handler(tasks_[handed], *finished[handed]);
                finished[handed].reset();
            }
        }
    };
    std::vector<std::thread> workers;
    try {
        for (size_t j = 1; j < std::min(jobs, tasks_.size()); ++j) workers.emplace_back(work);
    } catch (const std::system_error&) {
        // No memory or no thread left for one more worker: those started share the pictures.
    }
    work();
    for (std::thread& worker : workers) worker.join();
}

}  // namespace glimmet
