#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "pixels/SaveResult.h"
#include "render/MarkCanvas.h"

namespace glimmet {

// One output picture of the batch command: black until the walk marks it, then written.
class OutputPicture {
  public:
    virtual ~OutputPicture() = default;
    virtual MarkCanvas& Canvas() = 0;
    // Writes the picture, as PNG when `png` and as BMP otherwise, at `path` (which keeps its old
    // file on a failure) or, for "-", to standard output.
    virtual SaveResult Save(const std::string& path, bool png) = 0;
};

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
