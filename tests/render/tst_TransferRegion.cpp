#include <gtest/gtest.h>

#include "render/WalkPrecheck.h"
#include "tests/render/ScriptedPorts.h"

namespace glimmet {
namespace {

using testing::Rig;
using Reads = std::vector<std::pair<int32_t, int32_t>>;

TEST(TransferRegion, WalksRowsThenColumnsWithBothEndsIncluded) {
    struct Case {
        const char* name;
        Region region;
        int16_t xst, yst;
        Reads reads;
    };
    const Case cases[] = {
        {"step 5 reaches the end", {10, 0, 30, 0}, 5, 1, {{10, 0}, {15, 0}, {20, 0}, {25, 0}, {30, 0}}},
        {"step 3 stops before it", {10, 0, 20, 0}, 3, 1, {{10, 0}, {13, 0}, {16, 0}, {19, 0}}},
        {"rows outer", {0, 0, 1, 1}, 1, 1, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"negative steps", {3, 2, 1, 0}, -2, -2, {{3, 2}, {1, 2}, {3, 0}, {1, 0}}},
        {"zero size", {7, 8, 7, 8}, 1, 1, {{7, 8}}},
        {"end before start", {5, 0, 4, 0}, 1, 1, {}},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.host.yieldCheckInterval = 0;  // taken as 1: a yield check before every sample
        RenderState live;
        live.Xst = c.xst;
        live.Yst = c.yst;
        const auto outcome = rig.Run(live, c.region);
        EXPECT_TRUE(outcome.Completed()) << c.name;
        EXPECT_EQ(rig.source.reads, c.reads) << c.name;
        EXPECT_EQ(rig.host.yields, static_cast<int>(c.reads.size())) << c.name;
        EXPECT_EQ(rig.host.statuses.back(), "done") << c.name;
    }
}

TEST(TransferRegion, MarksEachFillModeAtZoomedPositions) {
    struct Case {
        const char* name;
        int16_t fillMode, zoom, xst, yst;
        uint8_t meth;
        std::vector<std::string> marks;
    };
    // Region 2 x 1 at (10, 20); pixel (10, 20) is 0x123456, (12, 20) is the key colour 0x0000FF.
    const Case cases[] = {
        {"points", kFillPoints, 3, 2, 1, kMethNotEqual, {"P 0 0 123456"}},
        {"circles keep the radius at any zoom", kFillCircles, 3, 2, 3, kMethNotEqual, {"C 0 0 2 123456"}},
        {"boxes span one zoomed cell", kFillSquares, 3, 2, 3, kMethNotEqual, {"B 0 0 6 9 123456"}},
        {"text", kFillText, 3, 2, 1, kMethNotEqual, {"T 0 0 't' 123456"}},
        {"equal marks the key", kFillPoints, 3, 2, 1, kMethEqual, {"P 6 0 FF"}},
        {"invert: low 24 bits", kFillPoints, 1, 2, 1, kMethInvert, {"P 0 0 EDCBA9", "P 2 0 FFFF00"}},
        {"invert: text absolute", kFillText, 1, 2, 1, kMethInvert, {"T 0 0 't' 123457", "T 2 0 'e' 100"}},
        {"other fill modes draw nothing", 9, 1, 2, 1, kMethNotEqual, {}},
        {"unknown comparison passes nothing", kFillPoints, 1, 2, 1, 0, {}},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.source.colourAt = [](int32_t x, int32_t) { return x == 10 ? 0x123456 : 0x0000FF; };
        RenderState live;
        live.col = 0x0000FF;
        live.FillMode = c.fillMode;
        live.ZOOM = c.zoom;
        live.Xst = c.xst;
        live.Yst = c.yst;
        live.METH = c.meth;
        const auto outcome = rig.Run(live, {10, 20, 12, 20});
        EXPECT_TRUE(outcome.Completed()) << c.name;
        EXPECT_EQ(rig.canvas.marks, c.marks) << c.name;
        EXPECT_EQ(rig.host.statuses, std::vector<std::string>{"done"}) << c.name;
    }
}

TEST(TransferRegion, LaysTheFillTextOverTheWholeGrid) {
    struct Case {
        std::string text;
        std::vector<std::string> characters;
    };
    const Case cases[] = {
        {"AB", {"A", "B", "A", "B", "A", "B"}},
        {"", {"", "", "", "", "", ""}},
        {"Ёж", {"Ё", "ж", "Ё", "ж", "Ё", "ж"}},  // code points, never bytes
        {"a€", {"a", "€", "a", "€", "a", "€"}},
        {"a\U0001F600", {"a", "\U0001F600", "a", "\U0001F600", "a", "\U0001F600"}},
        {"\x80"
         "b",
         {"\x80", "b", "\x80", "b", "\x80", "b"}},  // a stray byte is a character
        {"\xE2\x82"
         "b",
         {"\xE2", "\x82", "b", "\xE2", "\x82", "b"}},
        {"a\xF0", {"a", "\xF0", "a", "\xF0", "a", "\xF0"}},  // a lead byte at the end
    };
    for (const auto& c : cases) {
        Rig rig;
        RenderState live;
        live.FillMode = kFillText;
        live.col = 5;  // only the middle column (x = 1) passes, so every character is counted
        rig.source.colourAt = [](int32_t x, int32_t) { return x == 1 ? 0 : 5; };
        rig.Run(live, {0, 0, 2, 1}, c.text);
        std::vector<std::string> drawn;
        for (const auto& mark : rig.canvas.marks)
            drawn.push_back(mark.substr(mark.find('\'') + 1, mark.rfind('\'') - mark.find('\'') - 1));
        EXPECT_EQ(drawn, (std::vector<std::string>{c.characters[1], c.characters[4]})) << c.text;
    }
}

TEST(TransferRegion, ShowsProgressEveryIntervalOfGridUnits) {
    struct Case {
        const char* name;
        Region region;
        int16_t xst, yst;
        int updates;
    };
    const Case cases[] = {
        {"100 x 50 units overshoot to 103", {0, 0, 100, 50}, 1, 1, 103},
        {"fewer than 100 units: none", {0, 0, 9, 9}, 1, 1, 0},
        {"(35/3)*(60/7)/100 is just below 1: none", {0, 0, 60, 35}, 7, 3, 0},
        {"negative interval counts like a positive one", {0, 0, 100, 50}, -1, 1, 0},
        {"negative steps both", {100, 50, 0, 0}, -1, -1, 103},
    };
    for (const auto& c : cases) {
        Rig rig;
        RenderState live;
        live.Xst = c.xst;
        live.Yst = c.yst;
        rig.Run(live, c.region);
        ASSERT_EQ(static_cast<int>(rig.host.statuses.size()), c.updates + 1) << c.name;
        if (c.updates > 0) {
            EXPECT_EQ(rig.host.statuses[2], "3") << c.name;
            EXPECT_EQ(rig.host.statuses[c.updates - 1], std::to_string(c.updates)) << c.name;
        }
    }
}

// Each case also checks that the failure is known before the walk starts (every sample passes here,
// so the prediction, which assumes that, is exact).
TEST(TransferRegion, FailsBeforeTheFirstProgressUpdateAndSkipsAfterIt) {
    struct Case {
        const char* name;
        Region region;
        int16_t xst, yst, zoom;
        WalkFailure failure;
        size_t samples;
        std::string lastStatus;
        int16_t fill = kFillPoints;
        std::string text = "text";
    };
    using F = WalkFailure;
    const std::string longText(32767, 'x');
    // clang-format off
    const Case cases[] = {
        {"zero column step", {0, 0, 3, 3}, 0, 1, 1, F::ZeroStep, 0, ""},
        {"zero row step", {0, 0, 3, 3}, 1, 0, 1, F::ZeroStep, 0, ""},
        {"region wider than 16 bits", {-30000, 0, 30000, 0}, 1, 1, 1, F::RegionOverflow, 0, ""},
        {"a width of -32768 still fits", {0, 0, -32768, 0}, 1, 1, 1, F::None, 0, "done"},
        // zoom 200: the sample 164 pixels right of x0 lands beyond 32767.
        {"mark beyond 16 bits ends the walk", {0, 0, 200, 0}, 1, 1, 200, F::CoordinateOverflow, 165, ""},
        {"a row far down lands beyond 16 bits", {0, 0, 0, 200}, 1, 1, 200, F::CoordinateOverflow, 165, ""},
        {"box corner beyond 16 bits", {0, 0, 2, 0}, 1, 1, 16384, F::CoordinateOverflow, 2, "", kFillSquares},
        {"circle beyond 16 bits", {0, 0, 2, 0}, 20000, 20000, 1, F::CoordinateOverflow, 1, "", kFillCircles},
        {"the page drops what it cannot place", {0, 0, 200, 0}, 1, 1, 200, F::None, 201, "done", kFillPage},
        {"column advance past 32767", {32760, 0, 32767, 0}, 1, 1, 1, F::LoopOverflow, 8, ""},
        {"row advance past 32767", {0, 32767, 0, 32767}, 1, 1, 1, F::LoopOverflow, 1, ""},
        {"fill text index past 16 bits", {0, 0, 32767, 0}, 1, 1, 1, F::CounterOverflow, 32767, "", kFillPage,
         longText},
        // 200 x 1 units: interval 2, so the walk skips from the second sample on.
        {"skipping drops the marks", {0, 0, 200, 1}, 1, 1, 200, F::None, 402, "done"},
        {"skipping ends the row on overflow", {32567, 0, 32767, 1}, 1, 1, 1, F::None, 402, "done"},
        {"skipping ends the walk on row overflow", {0, 32566, 1, 32767}, 1, 1, 1, F::None, 404, "done"},
        {"progress only after the first row", {32567, 0, 32767, 200}, 1, 1, 1, F::LoopOverflow, 201, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        Rig rig;
        RenderState live;
        live.Xst = c.xst;
        live.Yst = c.yst;
        live.ZOOM = c.zoom;
        live.FillMode = c.fill;
        live.PagePath = "p.htm";
        EXPECT_EQ(PredictWalkFailure(live, c.region, c.text), c.failure) << c.name;
        const auto outcome = rig.Run(live, c.region, c.text);
        EXPECT_EQ(outcome.failure, c.failure) << c.name;
        EXPECT_EQ(rig.source.reads.size(), c.samples) << c.name;
        EXPECT_EQ(rig.host.statuses.empty() ? "" : rig.host.statuses.back(), c.lastStatus) << c.name;
    }
}

TEST(TransferRegion, DrawsNothingAndCannotFailForSamplesThatDoNotPass) {
    Rig rig;
    RenderState live;
    live.ZOOM = 200;
    live.METH = kMethEqual;
    live.col = 1;  // nothing passes, so no position is ever computed
    const auto outcome = rig.Run(live, {0, 0, 200, 0});
    EXPECT_TRUE(outcome.Completed());
    EXPECT_EQ(outcome.samples, 201);
    EXPECT_EQ(outcome.passed, 0);
}

}  // namespace
}  // namespace glimmet
