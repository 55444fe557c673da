#include "batch/ParallelRunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "batch/WorkerTools.h"

namespace glimmet {

ParallelRunner::ParallelRunner(const BatchOptions& options, const std::vector<PictureTask>& tasks,
                               BatchProgress& progress)
    : options_(options), tasks_(tasks), progress_(progress) {}

void ParallelRunner::Run(size_t jobs, const Handler& handler) {
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::vector<std::optional<PictureResult>> finished(tasks_.size());
    size_t handed = 0;
    const auto work = [&] {
        WorkerTools tools;
        for (size_t i = next++; i < tasks_.size(); i = next++) {
            PictureResult result = PictureJob(options_, tasks_[i], tools, progress_).Run();
            progress_.Done(i, result.outcome.samples);
            const std::lock_guard lock(mutex);
            finished[i] = std::move(result);
            for (; handed < tasks_.size() && finished[handed]; ++handed) {
                handler(tasks_[handed], *finished[handed]);
                finished[handed].reset();
            }
        }
    };
    std::vector<std::thread> workers;
    for (size_t j = 1; j < std::min(jobs, tasks_.size()); ++j) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
}

}  // namespace glimmet
