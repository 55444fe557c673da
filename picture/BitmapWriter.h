#pragma once

#include <QImage>
#include <string>

#include "pixels/FileReplacement.h"

namespace glimmet {

// The file formats a rendered picture is written in: a 24-bit BMP or a PNG of the same pixels.
enum class BitmapFormat { Bmp, Png };

// Writes `image` at `path` (bytes, as the file system spells them) in `format`, whatever the name's
// extension, as ReplaceFile writes files: a failed save leaves the old file as it was.
// Transparent pixels are composed over black.
SaveResult SaveBitmap(const QImage& image, const std::string& path, BitmapFormat format);

// Writes `image` as a stream to an open descriptor, such as standard output.
SaveResult WriteBitmap(const QImage& image, int fd, BitmapFormat format);

}  // namespace glimmet
