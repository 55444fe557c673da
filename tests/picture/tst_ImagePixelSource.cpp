#include <gtest/gtest.h>

#include <QImage>

#include "picture/ImagePixelSource.h"
#include "pixels/OpaqueOnBlack.h"

namespace glimmet {
namespace {

// Every image format reads as engine colours (0x00BBGGRR), transparency over black, and -1 outside;
// the source keeps what the image was when it was made.
TEST(ImagePixelSource, ReadsEngineColoursAndMinusOneOutside) {
    QImage rgb32(3, 2, QImage::Format_RGB32), translucent(3, 2, QImage::Format_ARGB32);
    rgb32.fill(0xFF000000u);
    translucent.fill(0x00FFFFFFu);  // fully transparent white reads as the black behind it
    for (QImage* image : {&rgb32, &translucent}) {
        image->setPixel(0, 0, 0xFF112233u);
        image->setPixel(2, 1, 0xFFFFFFFFu);
        image->setPixel(1, 0, 0xFF0000FFu);
    }
    for (const QImage& image : {rgb32, rgb32.convertToFormat(QImage::Format_RGB888),
                                rgb32.convertToFormat(QImage::Format_Indexed8), translucent}) {
        QImage changing = image;
        ImagePixelSource source(changing);
        changing.fill(0xFF00FF00u);
        const int32_t cases[][3] = {{0, 0, 0x00332211}, {1, 0, 0x00FF0000}, {2, 1, 0x00FFFFFF}, {1, 1, 0},
                                    {-1, 0, -1},        {3, 0, -1},         {0, 2, -1},         {0, -1, -1},
                                    {INT32_MIN, 0, -1}, {0, INT32_MAX, -1}};
        for (const auto& [x, y, expected] : cases)
            EXPECT_EQ(source.GetPixel(x, y), expected) << image.format() << " at " << x << "," << y;
    }
    EXPECT_EQ(ImagePixelSource(QImage()).GetPixel(0, 0), -1);
}

// Translucent pixels are composed over black exactly as Qt premultiplies them, for every 8-bit colour
// value and alpha and for 16-bit channels, so a picture reads alike wherever it was opened.
TEST(OpaqueOnBlack, ComposesAsQtPremultiplies) {
    QImage eight(256, 256, QImage::Format_ARGB32);
    for (int alpha = 0; alpha < 256; ++alpha)
        for (int value = 0; value < 256; ++value)
            eight.setPixel(value, alpha, qRgba(value, 255 - value, value / 2, alpha));
    const QImage qt8 = eight.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int wrong = 0;
    for (int alpha = 0; alpha < 256; ++alpha)
        for (int value = 0; value < 256; ++value)
            wrong += OpaqueOnBlack(eight.pixel(value, alpha)) != (qt8.pixel(value, alpha) | 0xFF000000u);
    EXPECT_EQ(wrong, 0);

    // 16-bit: every channel value against a spread of alphas, the ends among them.
    QImage deep(65536, 1, QImage::Format_RGBA64);
    for (const int alpha : {0, 1, 255, 256, 257, 4097, 32767, 32768, 40000, 65279, 65534, 65535}) {
        auto* line = reinterpret_cast<QRgba64*>(deep.scanLine(0));
        for (int value = 0; value < 65536; ++value)
            line[value] = QRgba64::fromRgba64(value, 65535 - value, value / 3, alpha);
        const QImage qt16 = deep.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        wrong = 0;
        for (int value = 0; value < 65536; ++value) {
            const uint32_t ours = 0xFF000000u | OpaqueChannel16(value, alpha) << 16 |
                                  OpaqueChannel16(65535 - value, alpha) << 8 |
                                  OpaqueChannel16(value / 3, alpha);
            wrong += ours != (qt16.pixel(value, 0) | 0xFF000000u);
        }
        EXPECT_EQ(wrong, 0) << "alpha " << alpha;
    }
}

}  // namespace
}  // namespace glimmet
