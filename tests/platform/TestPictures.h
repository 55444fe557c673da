#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <set>
#include <utility>
#include <vector>

namespace glimmet::test {

using PixelSet = std::set<std::pair<int, int>>;

// A Format_RGB32 image filled with one colour (0xAARRGGBB).
QImage Filled(int width, int height, QRgb colour);

// The positions of the pixels that differ from `background`.
PixelSet Changed(const QImage& image, QRgb background);

// A one-frame-per-grid GIF with the palette black, red, green, blue; each frame is a grid of
// palette indices (rows of equal length). Qt writes no GIF files, so the tests make their own.
QByteArray MakeGif(const std::vector<std::vector<std::vector<int>>>& frames);

// A 4 x 2, 8-bit RLE-compressed BMP: top row green, red, green, green; bottom row all red.
QByteArray MakeRle8Bmp();

// The first `size` bytes of `data`.
QByteArray Cut(const QByteArray& data, qsizetype size);

// Writes `data` to `path`; fails the test when it cannot.
void WriteFile(const QString& path, const QByteArray& data);
QByteArray ReadFile(const QString& path);

}  // namespace glimmet::test
