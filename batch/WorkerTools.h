#pragma once

#include <optional>

#include "picture/GlyphCache.h"

namespace glimmet {

// What one worker keeps from one picture to the next: its own glyph cache, made on first use on
// the worker's thread, since a cache is not shared between threads and only drawing needs fonts.
class WorkerTools {
  public:
    GlyphCache& Glyphs();

  private:
    std::optional<GlyphCache> glyphs_;
};

}  // namespace glimmet
