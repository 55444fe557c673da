#pragma once

#include <QIODevice>
#include <QImage>

namespace glimmet {

// Writes opaque pictures as 8-bit RGB PNG with libspng, a row at a time, so that no second copy of
// the picture is made. Tuned for speed over size (see PngWriter.cpp): a rendered output is written
// in about the time of its BMP.
class PngWriter {
  public:
    // `image` in Format_RGB32 (its alpha ignored) onto `device`; false when the device refuses a
    // write or memory runs out.
    static bool Write(const QImage& image, QIODevice& device);
};

}  // namespace glimmet
