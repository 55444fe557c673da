#pragma once

#include <memory>

#include "batch/OutputDrawing.h"
#include "picture/GlyphCache.h"

namespace glimmet {

// The batch command's output pictures drawn as the window draws its own: a large-paged RGB32 image,
// the same raster canvas and glyphs, written by the same writer. One a worker; not shared between
// threads.
class QtOutputDrawing final : public OutputDrawing {
  public:
    QtOutputDrawing();
    std::unique_ptr<OutputPicture> Make(int32_t width, int32_t height) override;

  private:
    GlyphCache glyphs_;
};

}  // namespace glimmet
