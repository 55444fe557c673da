#pragma once

#include <QImage>
#include <QString>

namespace glimmet {

// Writes `image` as a 24-bit BMP file at `path`, whatever the name's extension. The file is written
// under a temporary name in the same folder and renamed into place, so a failed save leaves no
// partial file and an existing file is replaced only by a complete one. On failure returns false
// and, if `error` is given, sets it to the system's reason. Transparent pixels are composed over black.
bool SaveBitmap(const QImage& image, const QString& path, QString* error);

}  // namespace glimmet
