#pragma once

#include <cstdint>
#include <span>

#include "pixels/PictureLoad.h"

namespace glimmet {

// Reads the first frame of a GIF file with giflib, strictly: LZW data that stops before the frame
// is complete or that is corrupt, and pixels that name colours beyond the colour table, refuse the
// file as damaged. The picture is the logical screen: the frame at its place, cut to the screen,
// on the background colour, or on transparent pixels when the frame has a transparent colour (a
// screen of no size takes the frame's). Interlaced frames are put in order; later frames are not
// read.
class GifDecoder {
  public:
    // The picture in Format_RGB32, or Format_ARGB32 when the frame has a transparent colour. The
    // size is checked against `maxPixels` before any pixel memory is taken.
    static PictureLoad Decode(std::span<const uint8_t> data, int64_t maxPixels);
};

}  // namespace glimmet
