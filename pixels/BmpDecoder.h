#pragma once

#include <cstdint>
#include <span>

#include "pixels/PictureLoad.h"

namespace glimmet {

// Reads bitmap files strictly, as the pictures they say they are: every pixel of the result is
// defined (pixels an RLE stream skips, with a jump or an early end of line or of bitmap, are black,
// as the picture box's background shows them), and a file whose headers contradict each other or
// the file, whose pixel data is cut, whose RLE runs or jumps leave their row or the picture, or
// whose pixels name colours beyond the colour table, is refused as damaged. The variants are those
// BmpHeader reads. Colour channels narrower than 8 bits are widened by repeating their bits, so
// that their full value stays full (5-bit 31 is 255).
class BmpDecoder {
  public:
    // The picture of the bitmap file `data` in 32-bit pixels, with alpha when its pixels carry
    // it. Pictures of more than `maxPixels` pixels are refused as too large before any pixel
    // memory is taken.
    static PictureLoad Decode(std::span<const uint8_t> data, int64_t maxPixels);
};

}  // namespace glimmet
