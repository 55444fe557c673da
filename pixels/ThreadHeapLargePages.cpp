#include "pixels/ThreadHeapLargePages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "pixels/LargePages.h"

namespace glimmet {

namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr bool kGlibcAllocator = false;  // the sanitizer's allocator has heaps of its own
#else
constexpr bool kGlibcAllocator = true;
#endif
// Large enough that the allocator's note of the heap's free end, written just past the probe before
// the advice can come, lies beyond a worker's blocks, which it keeps in 4 KiB pages.
constexpr size_t kProbeBytes = size_t{12} << 20;
constexpr uintptr_t kArenaBytes = uintptr_t{64} << 20;
// glibc's blocks: a block of n bytes (at least 24) takes n + 8 bytes rounded up to 16, its size
// before it, and the bytes of the block after it start 16 bytes into that one's share.
constexpr uintptr_t kSizeField = 8;
constexpr uintptr_t kSmallestShare = 32;

}  // namespace

ThreadHeapLargePages::ThreadHeapLargePages() {
    if (!kGlibcAllocator) return;
    const size_t mappedBefore = ::mallinfo2().hblks;
    void* probe = std::malloc(kProbeBytes);
    if (probe == nullptr) return;
    const auto at = reinterpret_cast<uintptr_t>(probe);
    const auto brk = reinterpret_cast<uintptr_t>(::sbrk(0));
    if (::mallinfo2().hblks != mappedBefore) {
        std::free(probe);  // mapped on its own: no heap to advise
        return;
    }
    auto* const bytes = static_cast<char*>(probe);
    if (at < brk) {
        AdviseLargePages(bytes, brk - at);
    } else {
        ::madvise(bytes - at % kArenaBytes, kArenaBytes, MADV_HUGEPAGE);
    }
    // The probe, shrunk in place to end on the next border, is the held block: the heap's free end,
    // where the next blocks start, is then on the border.
    const uintptr_t toBorder = (kLargePageBytes - at % kLargePageBytes) % kLargePageBytes;
    if (toBorder >= kSmallestShare) {
        spacer_ = std::realloc(probe, toBorder - kSizeField);
        if (spacer_ != nullptr) probe = nullptr;
    }
    std::free(probe);
}

ThreadHeapLargePages::~ThreadHeapLargePages() {
    std::free(spacer_);
}

}  // namespace glimmet
