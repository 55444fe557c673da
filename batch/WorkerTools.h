#pragma once

#include <memory>

#include "batch/OutputDrawing.h"
#include "pixels/ThreadHeapLargePages.h"

namespace glimmet {

// What one worker keeps from one picture to the next: its blocks of memory in large pages, and its
// own drawing (with its glyph cache), made on first use on the worker's thread, since a cache is not
// shared between threads and only runs with output pictures draw. Made on the worker's own thread.
class WorkerTools {
  public:
    explicit WorkerTools(const DrawingMaker& makeDrawing) : makeDrawing_(makeDrawing) {}

    // Null when the run cannot draw.
    OutputDrawing* Drawing();

  private:
    ThreadHeapLargePages heap_;
    const DrawingMaker& makeDrawing_;
    std::unique_ptr<OutputDrawing> drawing_;
};

}  // namespace glimmet
