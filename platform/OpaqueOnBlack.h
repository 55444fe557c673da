#pragma once

#include <QImage>

namespace glimmet {

// The image in Format_RGB32 with every transparent or translucent pixel composed over black, as it
// shows on a black picture box. An image already in Format_RGB32 is returned as a shared copy.
QImage OpaqueOnBlack(const QImage& image);

}  // namespace glimmet
