#include "platform/OpaqueOnBlack.h"

#include <QPainter>

namespace glimmet {

QImage OpaqueOnBlack(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_RGB32) return image;
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    // Painting is the one conversion that composes rather than drops or unpremultiplies the alpha.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, image);
    return opaque;
}

}  // namespace glimmet
