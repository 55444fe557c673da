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

// The faults this thread takes while it first writes the blocks of a worker's first picture: a
// JPEG file's bytes, the pixels of 800 x 600 (pictures of 2 MiB and more have large pages of their
// own), a page's buffer. Together they reach past the first large page after the heap's border.
long FaultsWritingAWorkersBlocks() {
    const ThreadHeapLargePages heap;
    std::vector<std::string> blocks;
    blocks.reserve(3);
    const long before = ThreadFaults();
    for (const size_t size : {size_t{100'000}, size_t{800 * 600 * 4}, size_t{288} << 10})
        blocks.emplace_back(size, '\1');
    const long faults = ThreadFaults() - before;
    EXPECT_EQ(blocks[1].back(), '\1');
    return faults;
}

// In 4 KiB pages the blocks' 2.3 MB take about 560 faults; in large pages a handful.
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
        long faults = 0;
        if (c.own) {
            std::thread([&] { faults = FaultsWritingAWorkersBlocks(); }).join();
        } else {
            faults = FaultsWritingAWorkersBlocks();
        }
        EXPECT_LT(faults, 16) << c.thread;
    }
}

}  // namespace
}  // namespace glimmet
