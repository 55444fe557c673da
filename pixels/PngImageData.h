#pragma once

#include <span>

#include "pixels/PictureDamage.h"

namespace glimmet {

// Checks a PNG's image data against its header before it is decoded, since the PNG library
// passes data that holds more than the picture and palette indices beyond the palette (it shows
// them as black). The data is inflated a row at a time, so the check takes no pixel memory.
class PngImageData {
  public:
    // No fault when the IDAT chunks of `data` (a PNG whose chunks PictureIntegrity found whole,
    // and whose header the PNG library accepted) inflate to exactly the rows the header gives, each
    // with a valid filter, and every palette index names an entry of the palette; otherwise what
    // is wrong.
    static PictureDamage FindDamage(std::span<const uint8_t> data);
};

}  // namespace glimmet
