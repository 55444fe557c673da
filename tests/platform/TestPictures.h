#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <set>
#include <utility>

namespace glimmet::test {

using PixelSet = std::set<std::pair<int, int>>;

// A Format_RGB32 image filled with one colour (0xAARRGGBB).
QImage Filled(int width, int height, QRgb colour);

// The positions of the pixels that differ from `background`.
PixelSet Changed(const QImage& image, QRgb background);

// The first `size` bytes of `data`.
QByteArray Cut(const QByteArray& data, qsizetype size);

// Writes `data` to `path`; fails the test when it cannot.
void WriteFile(const QString& path, const QByteArray& data);
QByteArray ReadFile(const QString& path);

}  // namespace glimmet::test
