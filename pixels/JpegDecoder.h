#pragma once

#include <cstdint>
#include <span>

#include "pixels/PictureLoad.h"

namespace glimmet {

// Reads JPEG files with libjpeg-turbo, which Qt's own reader also uses but with its warnings
// silenced: here every warning of corrupt or missing data ("premature end of data segment", "bad
// Huffman code", stray bytes before a marker, ...) refuses the file as damaged, so that no grey
// filler is ever taken for pixels. Baseline, progressive and arithmetic-coded files; grey, YCbCr,
// RGB, and CMYK or YCCK (read as Adobe writes them, inverted, as Qt shows them).
class JpegDecoder {
  public:
    // The picture in Format_RGB32. The size is checked against `maxPixels` from the header, before
    // any pixel memory is taken. The decoder's own words, when it refuses, are the detail.
    static PictureLoad Decode(std::span<const uint8_t> data, int64_t maxPixels);
};

}  // namespace glimmet
