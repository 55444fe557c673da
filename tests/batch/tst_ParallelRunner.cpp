#include <gtest/gtest.h>

#include "batch/ParallelRunner.h"

#include <chrono>
#include <mutex>
#include <set>
#include <thread>

namespace glimmet {
namespace {

// -j N walks N pictures at once, each worker on a thread of its own (the calling thread one of
// them), and hands every result over in the pictures' order. Every picture here asks its worker's
// thread for a drawing, which the maker refuses (the picture then fails before writing anything),
// so the threads the maker sees are the workers; each refusal takes 20 ms, far longer than a
// thread takes to start, so that every worker gets pictures of its own.
TEST(ParallelRunner, RunsTheWorkersAskedForAndHandsOverInOrder) {
    StopSignals stop;
    BatchOptions options;
    options.output = "o.bmp";
    std::vector<PictureTask> tasks;
    for (size_t i = 0; i < 8; ++i)
        tasks.push_back({i, GLIMMET_TEST_PICTURES "/bmp-24-bit-40-byte-header.bmp", "o.bmp", ""});
    for (const size_t jobs : {1, 2, 3}) {
        std::mutex mutex;
        std::set<std::thread::id> workers;
        const DrawingMaker refuse = [&]() -> std::unique_ptr<OutputDrawing> {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const std::lock_guard lock(mutex);
            workers.insert(std::this_thread::get_id());
            return nullptr;
        };
        BatchProgress progress(tasks.size(), false);
        ParallelRunner runner(options, tasks, progress, stop, refuse);
        std::vector<size_t> handed;
        runner.Run(jobs, [&](const PictureTask& task, const PictureResult& result) {
            handed.push_back(task.index);
            EXPECT_EQ(result.error, PictureError::OutOfMemory);
        });
        EXPECT_EQ(workers.size(), jobs);
        EXPECT_EQ(handed, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7})) << jobs << " jobs";
    }
}

}  // namespace
}  // namespace glimmet
