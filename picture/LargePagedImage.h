#pragma once

#include <QImage>

#include "pixels/PixelImage.h"

namespace glimmet {

// A decoded picture as a QImage over the same memory, without a copy: Format_RGB32, or
// Format_ARGB32 when its pixels carry alpha. The image frees the memory when its last copy goes.
// Null when `image` is.
QImage ToQImage(PixelImage image);

// A picture of `width` × `height` in `format` with its pixels undefined, as QImage(width, height,
// format) gives it; a 32-bit one from large pages when it takes at least one (see LargePages).
// Null when there is no memory.
QImage LargePagedImage(int width, int height, QImage::Format format);

}  // namespace glimmet
