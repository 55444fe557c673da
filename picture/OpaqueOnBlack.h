#pragma once

#include <QImage>

namespace glimmet {

// The image in Format_RGB32 with every transparent or translucent pixel composed over black, as it
// shows on a black picture box. An image already in Format_RGB32 is returned as it is; an image in
// Format_ARGB32 that is not shared is converted in its own memory. Null when the memory for a
// conversion cannot be had.
QImage OpaqueOnBlack(QImage image);

}  // namespace glimmet
