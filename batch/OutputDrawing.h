#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "batch/OutputPicture.h"

namespace glimmet {

// Draws the output pictures of one worker, reusing what it made for one picture (glyphs) for the
// next. Drawing needs fonts and so Qt, which the batch command starts only for a run that writes
// output pictures.
class OutputDrawing {
  public:
    virtual ~OutputDrawing() = default;
    // A black picture of `width` x `height` pixels, within the output's bounds; null when there is
    // no memory for it.
    virtual std::unique_ptr<OutputPicture> Make(int32_t width, int32_t height) = 0;
};

// Makes a worker's drawing, on the worker's thread when it first needs one.
using DrawingMaker = std::function<std::unique_ptr<OutputDrawing>()>;

}  // namespace glimmet
