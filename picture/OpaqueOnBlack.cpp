#include "picture/OpaqueOnBlack.h"

namespace glimmet {

QImage OpaqueOnBlack(QImage image) {
    if (image.isNull() || image.format() == QImage::Format_RGB32) return image;
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    // A premultiplied colour is the colour composed over black; only the alpha is left to drop.
    // ARGB32 converts to premultiplied in place.
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] |= 0xFF000000u;
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

}  // namespace glimmet
