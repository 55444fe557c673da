#include "tests/platform/TestPictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>

namespace glimmet::test {

namespace {

void PutLe16(QByteArray& out, uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& out, uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

void PutBytes(QByteArray& out, std::initializer_list<int> bytes) {
    for (const int byte : bytes) out.append(static_cast<char>(byte));
}

// LZW data that never grows its code table: a clear code before every pixel keeps every code 3 bits
// wide (minimum code size 2: clear = 4, end = 5). Valid for every decoder, and simple.
QByteArray LzwData(const std::vector<std::vector<int>>& grid) {
    std::vector<int> codes;
    for (const auto& row : grid) {
        for (const int index : row) {
            codes.push_back(4);
            codes.push_back(index);
        }
    }
    codes.push_back(5);
    QByteArray packed;
    uint32_t bits = 0;
    int count = 0;
    for (const int code : codes) {
        bits |= static_cast<uint32_t>(code) << count;
        count += 3;
        while (count >= 8) {
            packed.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) packed.append(static_cast<char>(bits & 0xFF));
    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray part = packed.mid(at, 255);
        blocks.append(static_cast<char>(part.size()));
        blocks.append(part);
    }
    blocks.append('\0');
    return blocks;
}

}  // namespace

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

PixelSet Changed(const QImage& image, QRgb background) {
    PixelSet changed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) changed.insert({x, y});
    return changed;
}

QByteArray MakeGif(const std::vector<std::vector<std::vector<int>>>& frames) {
    const int height = static_cast<int>(frames.front().size());
    const int width = static_cast<int>(frames.front().front().size());
    QByteArray gif("GIF89a");
    PutLe16(gif, width);
    PutLe16(gif, height);
    PutBytes(gif, {0x81, 0, 0});  // global colour table of 4 entries
    PutBytes(gif, {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255});
    for (const auto& frame : frames) {
        PutBytes(gif, {0x21, 0xF9, 4, 0, 10, 0, 0, 0});  // graphic control: 0.1 s, no transparency
        PutBytes(gif, {0x2C});
        PutLe16(gif, 0);
        PutLe16(gif, 0);
        PutLe16(gif, width);
        PutLe16(gif, height);
        PutBytes(gif, {0, 2});  // no local table; LZW minimum code size 2
        gif.append(LzwData(frame));
    }
    gif.append(';');
    return gif;
}

QByteArray MakeRle8Bmp() {
    // Rows bottom-up: four red; then green, red, green as an absolute run (padded to even), one
    // green as a run, and the end-of-bitmap marker.
    QByteArray pixels;
    PutBytes(pixels, {4, 1, 0, 0, 0, 3, 2, 1, 2, 0, 1, 2, 0, 1});
    QByteArray palette;
    PutBytes(palette, {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0});  // blue, green, red, reserved
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size());
    QByteArray bmp("BM");
    PutLe32(bmp, offset + static_cast<uint32_t>(pixels.size()));
    PutLe32(bmp, 0);
    PutLe32(bmp, offset);
    PutLe32(bmp, 40);
    PutLe32(bmp, 4);  // width
    PutLe32(bmp, 2);  // height, bottom-up
    PutLe16(bmp, 1);
    PutLe16(bmp, 8);
    PutLe32(bmp, 1);  // RLE8
    PutLe32(bmp, static_cast<uint32_t>(pixels.size()));
    PutLe32(bmp, 2835);
    PutLe32(bmp, 2835);
    PutLe32(bmp, 3);  // colours used
    PutLe32(bmp, 0);
    bmp.append(palette);
    bmp.append(pixels);
    return bmp;
}

QByteArray Cut(const QByteArray& data, qsizetype size) {
    return data.left(size);
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    ASSERT_EQ(file.write(data), data.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace glimmet::test
