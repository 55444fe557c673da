#include <gtest/gtest.h>

#include <QGuiApplication>
#include <functional>
#include <string>

#include "resources/ImagePalette.h"
#include "resources/StripLayout.h"
#include "resources/WindowImages.h"

namespace glimmet {
namespace {

struct Producer {
    std::string name;
    std::function<QImage()> make;
    QSize size;
    QImage::Format format;
};

const std::vector<Producer>& Producers() {
    static const std::vector<Producer> producers = {
        {"icon", [] { return WindowImages::WindowIcon(); }, {32, 32}, QImage::Format_ARGB32},
        {"icon 64", [] { return WindowImages::WindowIcon(64); }, {64, 64}, QImage::Format_ARGB32},
        {"icon 128", [] { return WindowImages::WindowIcon(128); }, {128, 128}, QImage::Format_ARGB32},
        {"button raised",
         [] { return WindowImages::TransferButtonFace(false); },
         {125, 25},
         QImage::Format_RGB888},
        {"button pressed",
         [] { return WindowImages::TransferButtonFace(true); },
         {125, 25},
         QImage::Format_RGB888},
        {"strip", [] { return WindowImages::ActionStrip(); }, {750, 30}, QImage::Format_RGB888},
        {"start-up picture",
         [] { return WindowImages::StartupPicture(); },
         {400, 200},
         QImage::Format_RGB888},
    };
    return producers;
}

TEST(WindowImages, SizeFormatAndSamePixelsOnEveryCall) {
    for (const Producer& producer : Producers()) {
        SCOPED_TRACE(producer.name);
        const QImage first = producer.make();
        EXPECT_EQ(first.size(), producer.size);
        EXPECT_EQ(first.format(), producer.format);
        EXPECT_TRUE(first == producer.make());
    }
}

TEST(WindowImages, ImageListEntriesAreTheButtonFacesAndTheStrip) {
    EXPECT_TRUE(WindowImages::ImageListEntry(1) == WindowImages::TransferButtonFace(false));
    EXPECT_TRUE(WindowImages::ImageListEntry(2) == WindowImages::TransferButtonFace(true));
    EXPECT_TRUE(WindowImages::ImageListEntry(3) == WindowImages::ActionStrip());
    EXPECT_TRUE(WindowImages::ImageListEntry(0).isNull());
    EXPECT_TRUE(WindowImages::ImageListEntry(4).isNull());
    EXPECT_FALSE(WindowImages::TransferButtonFace(false) == WindowImages::TransferButtonFace(true));
}

TEST(WindowImages, ButtonCornersAndStripGapAreThePlainWindowColour) {
    const QRgb orange = ImagePalette::kLightOrange;
    for (const bool pressed : {false, true}) {
        const QImage face = WindowImages::TransferButtonFace(pressed);
        EXPECT_EQ(face.pixel(0, 0), orange);
        EXPECT_EQ(face.pixel(124, 24), orange);
    }
    const QImage strip = WindowImages::ActionStrip();
    const QRect button = StripLayout::ToStrip(StripLayout::kTransferButton);
    ASSERT_EQ(button, QRect(196, 2, 125, 25));
    int off = 0;
    for (int y = button.top(); y <= button.bottom(); ++y) {
        for (int x = button.left(); x <= button.right(); ++x) {
            off += strip.pixel(x, y) != orange;
        }
    }
    EXPECT_EQ(off, 0);
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
    EXPECT_EQ(picture.pixel(200, frame.top()), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(frame.left(), 100), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(frame.right(), 100), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(200, frame.bottom()), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(selection.left(), selection.top()), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(10, 10), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
