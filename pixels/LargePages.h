#pragma once

#include <cstddef>
#include <cstdint>

namespace glimmet {

// Large pictures in the system's large (2 MiB) pages. Memory is handed out in 4 KiB pages, each
// costing the system a fault when first written: a 256 MB picture takes 65,536 of them, over a
// second on a virtual machine, against 128 large ones. Where the system has no large pages the
// memory is the same as ever.

// Memory blocks at least this large are mapped in large pages; smaller ones come from the allocator.
inline constexpr size_t kLargePageBytes = size_t{2} << 20;

// A block of `size` bytes (at least kLargePageBytes), undefined until written, starting on a large
// page's border; `length` is what LargePagedFree needs back. Null when there is no memory.
uint8_t* LargePagedAlloc(size_t size, size_t& length);
void LargePagedFree(uint8_t* block, size_t length);

// Asks for large pages under the whole ones of [data, data + size), memory not yet written.
void AdviseLargePages(void* data, size_t size);

}  // namespace glimmet
