#pragma once

#include <cstdint>
#include <span>

#include "pixels/PictureLoad.h"

namespace glimmet {

// Reads PNG files with libspng, strictly: every chunk's checksum and the image data's checksum are
// checked, image data that holds less or more than the picture and palette indices beyond the
// palette refuse the file (PngImageData), and nothing is printed. Every bit depth and colour type,
// transparency (tRNS) and interlacing; no gamma correction, as before.
class PngDecoder {
  public:
    // The picture in Format_RGBA8888, or Format_RGBA64 for 16 bits a channel. The size is checked
    // against `maxPixels` from the header, before the image data is read.
    static PictureLoad Decode(std::span<const uint8_t> data, int64_t maxPixels);
};

}  // namespace glimmet
