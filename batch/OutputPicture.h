#pragma once

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

}  // namespace glimmet
