#include <gtest/gtest.h>

#include "render/WalkPrecheck.h"
#include "tests/render/ScriptedPorts.h"

namespace glimmet {
namespace {

using testing::Rig;
using Reads = std::vector<std::pair<int32_t, int32_t>>;
using Lines = std::vector<std::string>;

TEST(TransferRegion, WalksRowsThenColumnsWithBothEndsIncluded) {
    const std::tuple<const char*, Region, RenderState, Reads> cases[] = {
        {"step 5 reaches the end", {10, 0, 30, 0}, {.Xst = 5}, {{10, 0}, {15, 0}, {20, 0}, {25, 0}, {30, 0}}},
        {"step 3 stops before it", {10, 0, 20, 0}, {.Xst = 3}, {{10, 0}, {13, 0}, {16, 0}, {19, 0}}},
        {"rows outer", {0, 0, 1, 1}, {}, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"negative steps", {3, 2, 1, 0}, {.Xst = -2, .Yst = -2}, {{3, 2}, {1, 2}, {3, 0}, {1, 0}}},
        {"zero size", {7, 8, 7, 8}, {}, {{7, 8}}},
        {"end before start", {5, 0, 4, 0}, {}, {}},
    };
    for (const auto& [name, region, live, reads] : cases) {
        Rig rig;
        rig.host.yieldCheckInterval = 0;  // taken as 1: a yield check before every sample
        const auto outcome = rig.Run(live, region);
        EXPECT_TRUE(outcome.Completed()) << name;
        EXPECT_EQ(outcome.passed, static_cast<int64_t>(reads.size())) << name;  // every sample passes
        EXPECT_EQ(rig.source.reads, reads) << name;
        EXPECT_EQ(rig.host.yields, static_cast<int>(reads.size())) << name;
        EXPECT_EQ(rig.host.statuses, Lines{"done"}) << name;
    }
}

TEST(TransferRegion, MarksEachFillModeAtZoomedPositions) {
    // Region 2 x 1 at (10, 20), column step 2; pixel (10, 20) is 0x123456, (12, 20) the key colour 0xFF.
    const std::tuple<const char*, RenderState, Lines> cases[] = {
        {"points", {.ZOOM = 3}, {"P 0 0 123456"}},
        {"circles keep the radius at any zoom",
         {.Yst = 3, .ZOOM = 3, .FillMode = kFillCircles},
         {"C 0 0 2 123456"}},
        {"boxes span one zoomed cell", {.Yst = 3, .ZOOM = 3, .FillMode = kFillSquares}, {"B 0 0 6 9 123456"}},
        {"text", {.ZOOM = 3, .FillMode = kFillText}, {"T 0 0 't' 123456"}},
        {"equal marks the key", {.ZOOM = 3, .METH = kMethEqual}, {"P 6 0 FF"}},
        {"invert: low 24 bits", {.METH = kMethInvert}, {"P 0 0 EDCBA9", "P 2 0 FFFF00"}},
        {"invert: text absolute",
         {.METH = kMethInvert, .FillMode = kFillText},
         {"T 0 0 't' 123457", "T 2 0 'e' 100"}},
        {"other fill modes draw nothing", {.FillMode = 9}, {}},
        {"unknown comparison passes nothing", {.METH = 0}, {}},
    };
    for (auto [name, live, marks] : cases) {
        Rig rig;
        rig.source.colourAt = [](int32_t x, int32_t) { return x == 10 ? 0x123456 : 0x0000FF; };
        live.col = 0x0000FF;
        live.Xst = 2;
        EXPECT_TRUE(rig.Run(live, {10, 20, 12, 20}).Completed()) << name;
        EXPECT_EQ(rig.canvas.marks, marks) << name;
        EXPECT_EQ(rig.host.statuses, Lines{"done"}) << name;
    }
}

// 3 x 2 grid where only the middle column passes: characters 2 and 5 of the fill text's run are drawn.
TEST(TransferRegion, LaysTheFillTextOverTheWholeGrid) {
    const Lines cases[] = {
        {"AB", "B", "A"},
        {"", "", ""},
        {"Ёж", "ж", "Ё"},  // code points, never bytes
        {"a€", "€", "a"},
        {"a\U0001F600", "\U0001F600", "a"},
        {"\x80"
         "b",
         "b", "\x80"},  // a stray byte is a character of its own
        {"\xE2\x82"
         "b",
         "\x82", "\x82"},
        {"a\xF0", "\xF0", "a"},  // so is a lead byte at the end
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.source.colourAt = [](int32_t x, int32_t) { return x == 1 ? 0 : 5; };
        rig.Run({.col = 5, .FillMode = kFillText}, {0, 0, 2, 1}, c[0]);
        EXPECT_EQ(rig.canvas.marks, (Lines{"T 1 0 '" + c[1] + "' 0", "T 1 1 '" + c[2] + "' 0"})) << c[0];
    }
}

TEST(TransferRegion, ShowsProgressEveryIntervalOfGridUnits) {
    const std::tuple<const char*, Region, RenderState, int> cases[] = {
        {"100 x 50 units overshoot to 103", {0, 0, 100, 50}, {}, 103},
        {"fewer than 100 units: none", {0, 0, 9, 9}, {}, 0},
        {"100 units: every sample", {0, 0, 10, 10}, {}, 121},
        {"(35/3)*(60/7)/100 is just below 1: none", {0, 0, 60, 35}, {.Xst = 7, .Yst = 3}, 0},
        {"negative interval counts like a positive one", {0, 0, 100, 50}, {.Xst = -1}, 0},
        {"negative steps both", {100, 50, 0, 0}, {.Xst = -1, .Yst = -1}, 103},
    };
    for (const auto& [name, region, live, updates] : cases) {
        Rig rig;
        rig.Run(live, region);
        ASSERT_EQ(static_cast<int>(rig.host.statuses.size()), updates + 1) << name;
        if (updates > 0) {
            EXPECT_EQ(rig.host.statuses[2], "3") << name;
            EXPECT_EQ(rig.host.statuses[updates - 1], std::to_string(updates)) << name;
        }
    }
}

// Each case also checks that the failure is known before the walk starts (every sample passes here,
// so the prediction, which assumes that, is exact).
TEST(TransferRegion, FailsBeforeTheFirstProgressUpdateAndSkipsAfterIt) {
    using F = WalkFailure;
    const RenderState page{.FillMode = kFillPage, .PagePath = "p.htm"};
    const std::string longText(32767, 'x');
    // clang-format off
    const std::tuple<const char*, Region, RenderState, F, size_t, std::string, std::string> cases[] = {
        {"zero column step", {0, 0, 3, 3}, {.Xst = 0}, F::ZeroStep, 0, "", "text"},
        {"zero row step", {0, 0, 3, 3}, {.Yst = 0}, F::ZeroStep, 0, "", "text"},
        {"region wider than 16 bits", {-30000, 0, 30000, 0}, {}, F::RegionOverflow, 0, "", "text"},
        {"a width of -32768 still fits", {0, 0, -32768, 0}, {}, F::None, 0, "done", "text"},
        // zoom 200: the sample 164 pixels right of x0 lands beyond 32767.
        {"mark beyond 16 bits ends the walk", {0, 0, 200, 0}, {.ZOOM = 200}, F::CoordinateOverflow, 165, "", "t"},
        {"a row far down lands beyond 16 bits", {0, 0, 0, 200}, {.ZOOM = 200}, F::CoordinateOverflow, 165, "", "t"},
        {"box corner beyond 16 bits", {0, 0, 2, 0}, {.ZOOM = 16384, .FillMode = kFillSquares}, F::CoordinateOverflow,
         2, "", "t"},
        {"circle beyond 16 bits", {0, 0, 2, 0}, {.Xst = 20000, .Yst = 20000, .FillMode = kFillCircles},
         F::CoordinateOverflow, 1, "", "t"},
        {"the page drops what it cannot place", {0, 0, 200, 0}, {.ZOOM = 200, .FillMode = kFillPage,
         .PagePath = "p.htm"}, F::None, 201, "done", "t"},
        {"column advance past 32767", {32760, 0, 32767, 0}, {}, F::LoopOverflow, 8, "", "t"},
        {"a page's lines are on disk after a failure", {32760, 0, 32767, 0}, page, F::LoopOverflow, 8, "", "t"},
        {"row advance past 32767", {0, 32767, 0, 32767}, {}, F::LoopOverflow, 1, "", "t"},
        {"a page's lines are on disk after a row failure", {0, 32767, 0, 32767}, page, F::LoopOverflow, 1, "", "t"},
        {"fill text index past 16 bits", {0, 0, 32767, 0}, page, F::CounterOverflow, 32767, "", longText},
        {"a long fill text on a large grid", {0, 0, 32766, 0}, page, F::None, 32767, "done", longText},
        // 200 x 1 units: interval 2, so the walk skips from the second sample on.
        {"skipping drops the marks", {0, 0, 200, 1}, {.ZOOM = 200}, F::None, 402, "done", "t"},
        {"skipping ends the row on overflow", {32567, 0, 32767, 1}, {}, F::None, 402, "done", "t"},
        {"skipping ends the walk on row overflow", {0, 32566, 1, 32767}, {}, F::None, 404, "done", "t"},
        {"progress only after the first row", {32567, 0, 32767, 200}, {}, F::LoopOverflow, 201, "", "t"},
    };
    // clang-format on
    for (const auto& [name, region, live, failure, samples, lastStatus, text] : cases) {
        Rig rig;
        EXPECT_EQ(PredictWalkFailure(live, region, text), failure) << name;
        EXPECT_EQ(rig.Run(live, region, text).failure, failure) << name;
        EXPECT_EQ(rig.source.reads.size(), samples) << name;
        EXPECT_EQ(rig.host.statuses.empty() ? "" : rig.host.statuses.back(), lastStatus) << name;
    }
}

}  // namespace
}  // namespace glimmet
