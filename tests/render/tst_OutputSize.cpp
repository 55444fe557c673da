#include <gtest/gtest.h>

#include "render/OutputSize.h"

namespace glimmet {
namespace {

// At 15 twips a pixel a w x h selection at zoom z is a picture of (w·z + 1) x (h·z + 1) pixels; at
// other densities the box's 10 and 20 twips decide the rounding.
TEST(OutputSize, PicturesHoldTheGridWithBothEndsWithinTheLimits) {
    const struct {
        float width, height;
        int16_t zoom;
        float twipsX, twipsY;
        int64_t pixelsX, pixelsY;
    } sizes[] = {{100, 50, 2, 15, 15, 201, 101}, {0, 0, 7, 15, 15, 1, 1}, {3, 4, 1, 15, 15, 4, 5},
                 {-2, -3, 1, 15, 15, 0, 0},      {1, 1, 1, 21, 41, 1, 1}, {1, 1, 1, 19, 39, 2, 2}};
    for (const auto& c : sizes) {
        const OutputTwips twips = OutputSizeTwips(c.width, c.height, c.zoom, c.twipsX, c.twipsY);
        EXPECT_EQ(TwipsToPixels(twips.width, c.twipsX), c.pixelsX) << c.width << " " << c.twipsX;
        EXPECT_EQ(TwipsToPixels(twips.height, c.twipsY), c.pixelsY) << c.height << " " << c.twipsY;
    }
    const struct {
        int64_t width, height;
        bool allowed;
    } limits[] = {{1, 1, true},        {16384, 4096, true}, {16385, 1, false},  {1, 16385, false},
                  {4096, 16384, true}, {8192, 8192, true},  {8192, 8193, false}};
    for (const auto& c : limits) EXPECT_EQ(OutputSizeAllowed(c.width, c.height), c.allowed) << c.width;
}

}  // namespace
}  // namespace glimmet
