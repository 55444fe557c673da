#pragma once

namespace glimmet {

// Keeps the blocks that the calling thread takes from the allocator's heap (a file's bytes, a small
// picture's pixels, a page's buffer) in large (2 MiB) pages for as long as it lives: a batch worker
// takes them for its first picture and reuses them for the next, and their first writing then costs
// a few large faults instead of hundreds of small ones (over 10 µs each on a virtual machine).
// Only a hint: where it does not take, memory is the same as ever.
//
// How, on glibc's allocator: the first thread's heap is at the program break and grows by the
// allocator's top pad (the batch command sets 16 MiB); every other thread has an arena of its own,
// a 64 MiB mapping on a 64 MiB border that the arena grows into.
//  1. A probe block is taken: it makes the heap larger than a worker's blocks and shows where the
//     heap's free end is. A probe that the allocator maps on its own (its mapping threshold below
//     the probe) shows no heap, and nothing is advised.
//  2. The heap's whole large pages from the probe on are advised; an arena's whole mapping is.
//  3. The probe, shrunk to end on the next large page's border, is held for the object's life, so
//     that the next blocks start on that border. What lies before it (an arena's header, blocks
//     taken before) stays in small pages.
class ThreadHeapLargePages {
  public:
    ThreadHeapLargePages();
    ~ThreadHeapLargePages();
    ThreadHeapLargePages(const ThreadHeapLargePages&) = delete;
    ThreadHeapLargePages& operator=(const ThreadHeapLargePages&) = delete;

  private:
    void* spacer_ = nullptr;  // the held block of step 3
};

}  // namespace glimmet
