#pragma once

#include <span>
#include <string_view>

#include "pixels/PictureDamage.h"

namespace glimmet {

// Checks that a GIF, JPEG or PNG file holds all of its structure before it is decoded, so that a
// cut file is refused at once, before its pixels take memory, with what is missing. The decoders
// then check the data itself. Bitmaps are checked by their decoder as it reads their headers.
class PictureIntegrity {
  public:
    // No fault when `data`, a picture in `format` ("gif", "jpeg", "png"),
    // is whole; otherwise what is wrong. Other formats are left to their readers and pass.
    static PictureDamage FindDamage(std::string_view format, std::span<const uint8_t> data);

  private:
    // The first frame, the one shown: header, colour tables, extensions, image descriptor and the
    // image data's sub-blocks up to their terminator.
    static PictureDamage CheckGif(std::span<const uint8_t> data);
    // Marker segments and scans up to the end-of-image marker; bytes after it are ignored, as some
    // writers pad their files.
    static PictureDamage CheckJpeg(std::span<const uint8_t> data);
    // Chunks up to IEND; their checksums are left to the reader.
    static PictureDamage CheckPng(std::span<const uint8_t> data);
};

}  // namespace glimmet
