#pragma once

#include <memory>

#include "batch/OutputDrawing.h"

namespace glimmet {

// What one worker keeps from one picture to the next: its own drawing (with its glyph cache), made
// on first use on the worker's thread, since a cache is not shared between threads and only runs
// with output pictures draw.
class WorkerTools {
  public:
    explicit WorkerTools(const DrawingMaker& makeDrawing) : makeDrawing_(makeDrawing) {}

    // Null when the run cannot draw.
    OutputDrawing* Drawing();

  private:
    const DrawingMaker& makeDrawing_;
    std::unique_ptr<OutputDrawing> drawing_;
};

}  // namespace glimmet
