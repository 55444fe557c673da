#include <gtest/gtest.h>

#include <QImage>

#include "platform/ColourConversion.h"
#include "platform/ImagePixelSource.h"

namespace glimmet {
namespace {

TEST(ColourConversion, SwapsRedAndBlueBothWays) {
    struct Case {
        uint32_t engine;
        QRgb qt;
    };
    const Case cases[] = {
        {0x00000000u, 0xFF000000u}, {0x00FFFFFFu, 0xFFFFFFFFu}, {0x00332211u, 0xFF112233u},
        {0x000000FFu, 0xFFFF0000u}, {0x00FF0000u, 0xFF0000FFu}, {0x0000FF00u, 0xFF00FF00u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EngineToQRgb(c.engine), c.qt);
        EXPECT_EQ(QRgbToEngine(c.qt), static_cast<int32_t>(c.engine));
    }
    EXPECT_EQ(EngineToQRgb(static_cast<uint32_t>(-1)), 0xFFFFFFFFu);  // the highest byte is dropped
    EXPECT_EQ(QRgbToEngine(0x00112233u), 0x00332211);                 // the alpha is ignored
}

TEST(ImagePixelSource, ReadsEngineColoursAndMinusOneOutside) {
    QImage rgb32(3, 2, QImage::Format_RGB32);
    rgb32.fill(0xFF000000u);
    rgb32.setPixel(0, 0, 0xFF112233u);
    rgb32.setPixel(2, 1, 0xFFFFFFFFu);
    rgb32.setPixel(1, 0, 0xFF0000FFu);

    QImage translucent(3, 2, QImage::Format_ARGB32);
    translucent.fill(0x00FFFFFFu);  // fully transparent white reads as the black behind it
    translucent.setPixel(0, 0, 0xFF112233u);
    translucent.setPixel(2, 1, 0xFFFFFFFFu);
    translucent.setPixel(1, 0, 0xFF0000FFu);

    for (const QImage& image : {rgb32, rgb32.convertToFormat(QImage::Format_RGB888),
                                rgb32.convertToFormat(QImage::Format_Indexed8), translucent}) {
        ImagePixelSource source(image);
        struct Case {
            int32_t x, y, expected;
        };
        const Case cases[] = {
            {0, 0, 0x00332211}, {1, 0, 0x00FF0000}, {2, 1, 0x00FFFFFF}, {1, 1, 0},
            {-1, 0, -1},        {3, 0, -1},         {0, 2, -1},         {0, -1, -1},
            {INT32_MIN, 0, -1}, {0, INT32_MAX, -1},
        };
        for (const Case& c : cases)
            EXPECT_EQ(source.GetPixel(c.x, c.y), c.expected) << image.format() << " at " << c.x << "," << c.y;
    }
    ImagePixelSource empty{QImage()};
    EXPECT_EQ(empty.GetPixel(0, 0), -1);
}

TEST(ImagePixelSource, ReadsASnapshot) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    ImagePixelSource source(image);
    image.setPixel(0, 0, 0xFFFFFFFFu);
    EXPECT_EQ(source.GetPixel(0, 0), 0);
}

}  // namespace
}  // namespace glimmet
