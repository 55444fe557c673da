#include "picture/OpaqueImage.h"

#include "pixels/OpaqueOnBlack.h"

namespace glimmet {

QImage OpaqueImage(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_RGB32) return image;
    QImage opaque = image.convertToFormat(QImage::Format_ARGB32);
    if (opaque.isNull()) return opaque;
    for (int y = 0; y < opaque.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x) line[x] = OpaqueOnBlack(line[x]);
    }
    opaque.reinterpretAsFormat(QImage::Format_RGB32);
    return opaque;
}

}  // namespace glimmet
