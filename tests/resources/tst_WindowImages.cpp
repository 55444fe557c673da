#include <gtest/gtest.h>

#include <QGuiApplication>

#include "resources/ImagePalette.h"
#include "resources/StripLayout.h"
#include "resources/WindowImages.h"

namespace glimmet {
namespace {

TEST(WindowImages, SizeFormatAndSamePixelsOnEveryCall) {
    using W = WindowImages;
    const std::tuple<const char*, QImage (*)(), QSize, QImage::Format> producers[] = {
        {"icon", [] { return W::WindowIcon(); }, {32, 32}, QImage::Format_ARGB32},
        {"icon 128", [] { return W::WindowIcon(128); }, {128, 128}, QImage::Format_ARGB32},
        {"raised", [] { return W::TransferButtonFace(false); }, {125, 25}, QImage::Format_RGB888},
        {"pressed", [] { return W::TransferButtonFace(true); }, {125, 25}, QImage::Format_RGB888},
        {"strip", W::ActionStrip, {750, 30}, QImage::Format_RGB888},
        {"start-up picture", W::StartupPicture, {400, 200}, QImage::Format_RGB888},
    };
    for (const auto& [name, make, size, format] : producers) {
        const QImage first = make();
        EXPECT_TRUE(first.size() == size && first.format() == format && first == make()) << name;
    }
    EXPECT_FALSE(W::TransferButtonFace(false) == W::TransferButtonFace(true));
    // The button's corners and the strip under it are the window's plain orange, so no drawing shows
    // round the button's rounded corners.
    const QImage under = W::ActionStrip().copy(StripLayout::ToStrip(StripLayout::kTransferButton));
    QImage plain(under.size(), under.format());
    plain.fill(ImagePalette::kLightOrange);
    EXPECT_TRUE(under == plain);
    for (const bool pressed : {false, true})
        EXPECT_EQ(W::TransferButtonFace(pressed).pixel(124, 24), ImagePalette::kLightOrange);
}

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
