#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "pixels/PictureLoad.h"

namespace glimmet {

// Loads a picture file for the window and the batch command alike: BMP, JPEG, GIF and PNG,
// recognised by content rather than by the file name's extension (any other format is not a
// picture); a GIF's first frame; transparent pixels composed over black, as the source picture box
// shows them. Damaged files (truncated, corrupt, or contradicting themselves) are refused instead
// of showing their missing part; pictures beyond a limit (more than kMaxPicturePixels, a JPEG of
// too many scans) are refused from their header, and a lack of memory is told as such. A regular
// file is mapped rather than read. The messages that tell the user are the caller's. `name` is the
// file name's bytes (the window turns its names into them by Qt's file-name encoding).
PictureLoad LoadPictureFile(const std::string& name);

// What LoadPictureFile does once the file is read: the picture in `data`, a picture file's whole
// content, each format read by its strict decoder. `maxPixels` is the largest picture read; only
// tests and fuzzing lower it.
PictureLoad DecodePicture(std::span<const uint8_t> data, int64_t maxPixels = kMaxPicturePixels);

}  // namespace glimmet
