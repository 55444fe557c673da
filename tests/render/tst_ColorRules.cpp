#include <gtest/gtest.h>

#include "render/ColorRules.h"

namespace glimmet {
namespace {

TEST(ColorToHex, SplitsEveryKindOfValue) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, "000000"},
        {0xFFFFFF, "FFFFFF"},
        {0x0080C0FF, "FFC080"},
        {0x00000A, "0A0000"},
        {RGB(153, 102, 51), "996633"},
        {-1, "FFFFFF"},                                 // text FFFFFFFF
        {~0x00123456, "CBEDFF"},                        // text FFEDCBA9
        {~0x00FFFFFF, "0000FF"},                        // text FF000000
        {0x1000000, "000010"},                          // seven digits: 1000000
        {static_cast<int32_t>(0x80000000u), "000080"},  // text 80000000
    };
    for (const auto& [colour, text] : cases) {
        std::string r = "x", g = "x", b = "x";
        ColorToHex(colour, r, g, b);
        EXPECT_EQ(r + g + b, text) << std::hex << colour;
    }
}

TEST(ColorMatches, AppliesEachComparisonCode) {
    struct Case {
        uint8_t meth;
        int32_t sample, reference;
        bool passes;
        int32_t sampleAfter;
        uint8_t tolerance = 0;
    };
    const Case cases[] = {
        {kMethEqual, 5, 5, true, 5},
        {kMethEqual, 5, 6, false, 5},
        {kMethNotEqual, 5, 6, true, 5},
        {kMethNotEqual, -1, 0xFF0000, true, -1},
        {kMethGreater, 0x0000FF, 0x010000, false, 0x0000FF},  // blue weighs most
        {kMethLesser, 0x0000FF, 0x010000, true, 0x0000FF},
        {kMethGreater, 5, 5, false, 5},
        {kMethLesser, 5, 5, false, 5},
        {kMethLesser, -1, 0, true, -1},  // outside the picture is below every colour
        {kMethGreater, -1, 0xFFFFFF, false, -1},
        {kMethInvert, 0, 0xFF0000, true, -1},
        {kMethInvert, 0xFFFFFF, 0, true, -16777216},
        {0, 7, 7, false, 7},
        {6, 7, 8, false, 7},
        {255, 7, 7, false, 7},
        {kMethEqual, RGB(11, 21, 31), RGB(14, 18, 34), true, RGB(11, 21, 31), 3},
        {kMethEqual, RGB(10, 20, 30), RGB(10, 20, 34), false, RGB(10, 20, 30), 3},
        {kMethEqual, 0, 0, true, 0, 3},
        {kMethEqual, 0x7F000000, 0, true, 0x7F000000, 3},  // only red, green and blue count
        {kMethNotEqual, RGB(10, 20, 30), RGB(14, 20, 30), true, RGB(10, 20, 30), 3},
        {kMethNotEqual, -1, 0xFFFFFF, true, -1, 255},  // outside the picture equals nothing
        {kMethGreater, 5, 4, true, 5, 10},             // tolerance is for equality only
    };
    for (const auto& c : cases) {
        int32_t sample = c.sample;
        EXPECT_EQ(ColorMatches(sample, c.reference, c.meth, c.tolerance), c.passes)
            << int(c.meth) << " " << c.sample;
        EXPECT_EQ(sample, c.sampleAfter) << int(c.meth) << " " << c.sample;
    }
}

}  // namespace
}  // namespace glimmet
