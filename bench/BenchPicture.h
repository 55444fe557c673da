#pragma once

#include <QImage>

namespace glimmet::bench {

// A busy square picture: no pixel has the default key colour, so every sample is marked.
inline QImage BusyPicture(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0x7F);
    }
    return image;
}

}  // namespace glimmet::bench
