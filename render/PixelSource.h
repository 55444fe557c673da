#pragma once

#include <cstdint>

namespace glimmet {

// Reads the source picture as it is shown.
class PixelSource {
  public:
    virtual ~PixelSource() = default;
    // The colour at (x, y) as 0x00BBGGRR, or -1 outside the drawing surface.
    virtual int32_t GetPixel(int32_t x, int32_t y) = 0;
};

}  // namespace glimmet
