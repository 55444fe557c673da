#include <gtest/gtest.h>

#include "pixels/ThreadHeapLargePages.h"

#include <malloc.h>
#include <sys/resource.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace glimmet {
namespace {

bool SystemGivesLargePages() {
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(mode, text);
    return text.find("[always]") != std::string::npos || text.find("[madvise]") != std::string::npos;
}

long ThreadFaults() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

struct Worker {
    long faults = 0;     // taken while the blocks were first written
    long keptBytes = 0;  // of the allocator's, still in use once the worker is done
};

// A worker's first picture on this thread: the blocks are a JPEG file's bytes, the pixels of
// 800 x 600 (pictures of 2 MiB and more have large pages of their own) and a page's buffer, which
// together reach past the first large page after the heap's border.
Worker FirstPicture() {
    Worker worker;
    const auto inUse = [] {
        const struct mallinfo2 info = ::mallinfo2();
        return static_cast<long>(info.uordblks + info.hblkhd);  // in the heaps and mapped apart
    };
    const long before = inUse();
    {
        const ThreadHeapLargePages heap;
        std::vector<std::string> blocks;
        blocks.reserve(3);
        const long faultsBefore = ThreadFaults();
        for (const size_t size : {size_t{100'000}, size_t{800 * 600 * 4}, size_t{288} << 10})
            blocks.emplace_back(size, '\1');
        worker.faults = ThreadFaults() - faultsBefore;
        EXPECT_EQ(blocks[1].back(), '\1');
    }
    worker.keptBytes = inUse() - before;
    return worker;
}

// With the allocator's own settings (and a heap not yet grown by other tests) a block of megabytes
// is mapped apart, not taken from a heap: nothing is advised, and nothing kept.
TEST(ThreadHeapLargePages, KeepsNothingWhereLargeBlocksAreMappedApart) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's allocator has heaps of its own";
#endif
    mallopt(M_MMAP_THRESHOLD, 128 << 10);
    EXPECT_LT(FirstPicture().keptBytes, 4096);
}

// In 4 KiB pages the blocks' 2.3 MB take about 560 faults; in large pages a handful. The blocks
// that arrange this are given back with the worker.
TEST(ThreadHeapLargePages, AWorkersBlocksAreFirstWrittenInLargePages) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's allocator has heaps of its own";
#endif
    if (!SystemGivesLargePages()) GTEST_SKIP() << "the system gives no large pages";
    // The batch command's allocator settings: blocks kept in the heap, which grows 16 MiB at a time.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    struct Case {
        const char* thread;
        bool own;
    };
    for (const Case& c : {Case{"the first thread", false}, Case{"another thread", true}}) {
        Worker worker;
        if (c.own) {
            std::thread([&] { worker = FirstPicture(); }).join();
        } else {
            worker = FirstPicture();
        }
        EXPECT_LT(worker.faults, 16) << c.thread;
        // A thread's first block and the small blocks it gave back stay in its cache: a few KiB.
        EXPECT_LT(worker.keptBytes, 4096) << c.thread;
    }
}

}  // namespace
}  // namespace glimmet
