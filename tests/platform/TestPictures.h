#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <set>
#include <utility>

namespace glimmet::test {

using PixelSet = std::set<std::pair<int, int>>;

// A Format_RGB32 image filled with one colour (0xAARRGGBB).
inline QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

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

// Writes `data` to `path`; fails the test when it cannot.
inline void WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    ASSERT_EQ(file.write(data), data.size());
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace glimmet::test
