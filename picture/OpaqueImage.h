#pragma once

#include <QImage>

namespace glimmet {

// `image` in Format_RGB32 with every transparent or translucent pixel composed over black, as
// OpaqueOnBlack composes a decoded picture's. An image already in Format_RGB32 is returned as it
// is (a shared copy). Null when the memory for a conversion cannot be had.
QImage OpaqueImage(const QImage& image);

}  // namespace glimmet
