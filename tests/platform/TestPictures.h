#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <set>
#include <utility>

#include "tests/support/TestFiles.h"

namespace glimmet::test {

using PixelSet = std::set<std::pair<int, int>>;

// The positions of the pixels that differ from `background`.
inline PixelSet Changed(const QImage& image, QRgb background) {
    PixelSet changed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) changed.insert({x, y});
    return changed;
}

// The first `size` bytes of `data`.
inline QByteArray Cut(const QByteArray& data, qsizetype size) {
    return data.left(size);
}

}  // namespace glimmet::test
