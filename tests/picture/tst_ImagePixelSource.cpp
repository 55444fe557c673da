#include <gtest/gtest.h>

#include <QImage>

#include "picture/ImagePixelSource.h"

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

}  // namespace
}  // namespace glimmet
