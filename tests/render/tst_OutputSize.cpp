#include <gtest/gtest.h>

#include "render/OutputSize.h"

namespace glimmet {
namespace {

// At 15 twips a pixel a w x h selection at zoom z is a picture of (w·z + 1) x (h·z + 1) pixels.
TEST(OutputSize, PicturesHoldTheGridWithBothEndsWithinTheLimits) {
    const struct {
        float width, height;
        int16_t zoom;
        int64_t pixelsX, pixelsY;
    } sizes[] = {{100, 50, 2, 201, 101}, {0, 0, 7, 1, 1}, {3, 4, 1, 4, 5}, {-2, -3, 1, 0, 0}};
    for (const auto& c : sizes) {
        const OutputTwips twips = OutputSizeTwips(c.width, c.height, c.zoom, 15, 15);
        EXPECT_EQ(TwipsToPixels(twips.width, 15), c.pixelsX) << c.width;
        EXPECT_EQ(TwipsToPixels(twips.height, 15), c.pixelsY) << c.height;
    }
    const struct {
        int64_t width, height;
        bool allowed;
    } limits[] = {{1, 1, true},      {16384, 4096, true}, {16385, 1, false},
                  {1, 16385, false}, {8192, 8192, true},  {8192, 8193, false}};
    for (const auto& c : limits) EXPECT_EQ(OutputSizeAllowed(c.width, c.height), c.allowed) << c.width;
}

}  // namespace
}  // namespace glimmet
