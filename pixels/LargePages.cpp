#include "pixels/LargePages.h"

#include <sys/mman.h>

namespace glimmet {

namespace {

constexpr uintptr_t kLargePage = kLargePageBytes;

uintptr_t RoundUp(uintptr_t value) {
    return (value + kLargePage - 1) & ~(kLargePage - 1);
}

}  // namespace

uint8_t* LargePagedAlloc(size_t size, size_t& length) {
    // Mapped with room to start on a large page's border; the rest on either side is given back.
    length = RoundUp(size);
    if (length < size) return nullptr;
    void* mapped =
        ::mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t head = RoundUp(base) - base;
    auto* block = static_cast<uint8_t*>(mapped) + head;
    if (head > 0) ::munmap(mapped, head);
    ::munmap(block + length, kLargePage - head);
    ::madvise(block, length, MADV_HUGEPAGE);
    return block;
}

void LargePagedFree(uint8_t* block, size_t length) {
    if (block != nullptr) ::munmap(block, length);
}

void AdviseLargePages(void* data, size_t size) {
    const auto at = reinterpret_cast<uintptr_t>(data);
    const uintptr_t head = RoundUp(at) - at;
    if (size <= head) return;
    const uintptr_t whole = (size - head) & ~(kLargePage - 1);
    if (whole > 0) ::madvise(static_cast<char*>(data) + head, whole, MADV_HUGEPAGE);
}

}  // namespace glimmet
