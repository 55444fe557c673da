#include <gtest/gtest.h>

#include <QGuiApplication>

#include "resources/ImagePalette.h"
#include "resources/StripLayout.h"
#include "resources/WindowImages.h"

namespace glimmet {
namespace {

TEST(WindowImages, SizeFormatAndSamePixelsOnEveryCall) {
    const struct {
        const char* name;
        QImage (*make)();
        QSize size;
        QImage::Format format;
    } producers[] = {
        {"icon", [] { return WindowImages::WindowIcon(); }, {32, 32}, QImage::Format_ARGB32},
        {"icon 128", [] { return WindowImages::WindowIcon(128); }, {128, 128}, QImage::Format_ARGB32},
        {"button raised",
         [] { return WindowImages::TransferButtonFace(false); },
         {125, 25},
         QImage::Format_RGB888},
        {"button pressed",
         [] { return WindowImages::TransferButtonFace(true); },
         {125, 25},
         QImage::Format_RGB888},
        {"strip", WindowImages::ActionStrip, {750, 30}, QImage::Format_RGB888},
        {"start-up picture", WindowImages::StartupPicture, {400, 200}, QImage::Format_RGB888},
    };
    for (const auto& producer : producers) {
        SCOPED_TRACE(producer.name);
        const QImage first = producer.make();
        EXPECT_EQ(first.size(), producer.size);
        EXPECT_EQ(first.format(), producer.format);
        EXPECT_TRUE(first == producer.make());
    }
    EXPECT_FALSE(WindowImages::TransferButtonFace(false) == WindowImages::TransferButtonFace(true));
}

TEST(WindowImages, ButtonCornersAndStripGapAreThePlainWindowColour) {
    const QRgb orange = ImagePalette::kLightOrange;
    for (const bool pressed : {false, true}) {
        const QImage face = WindowImages::TransferButtonFace(pressed);
        EXPECT_EQ(face.pixel(0, 0), orange);
        EXPECT_EQ(face.pixel(124, 24), orange);
    }
    // Under the transfer button the strip is plain, so no drawing shows round the button's corners.
    const QImage under = WindowImages::ActionStrip().copy(StripLayout::ToStrip(StripLayout::kTransferButton));
    QImage plain(under.size(), under.format());
    plain.fill(orange);
    EXPECT_TRUE(under == plain);
}

TEST(WindowImages, ColourSwatchesShowAboveTheirBoxes) {
    const QImage strip = WindowImages::ActionStrip();
    const struct {
        StripLayout::TwipRect box;
        int (*channel)(QRgb);
    } swatches[] = {
        {StripLayout::kRedBox, qRed}, {StripLayout::kGreenBox, qGreen}, {StripLayout::kBlueBox, qBlue}};
    for (const auto& swatch : swatches) {
        const QRect box = StripLayout::ToStrip(swatch.box);
        const QRgb above = strip.pixel(box.center().x(), box.top() - 2);
        const int own = swatch.channel(above);
        EXPECT_GT(own, qRed(above) + qGreen(above) + qBlue(above) - own) << box.left();
    }
}

TEST(WindowImages, StartupPictureIsGreyWithTheFrameInsideTheSelection) {
    const QImage picture = WindowImages::StartupPicture();
    const QRect selection(34, 76, 333, 47);
    const QRect frame = selection.adjusted(3, 3, -3, -3);
    bool grey = true;
    int litOutsideFrame = 0;
    int litInsideFrame = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            grey = grey && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
            const bool lit = qRed(p) != 0;
            (frame.adjusted(1, 1, -1, -1).contains(x, y) ? litInsideFrame : litOutsideFrame) += lit;
        }
    }
    EXPECT_TRUE(grey);
    EXPECT_EQ(litOutsideFrame, 2 * (frame.width() + frame.height()) - 4);  // the frame line only
    EXPECT_GT(litInsideFrame, 0);                                          // the prompt
    for (const QPoint p : {QPoint(200, frame.top()), QPoint(frame.left(), 100), QPoint(frame.right(), 100),
                           QPoint(200, frame.bottom())})
        EXPECT_EQ(picture.pixel(p), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(selection.topLeft()), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(10, 10), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
