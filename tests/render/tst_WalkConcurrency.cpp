#include <gtest/gtest.h>

#include "tests/render/ScriptedPorts.h"

namespace glimmet {
namespace {

using testing::Rig;
using Lines = std::vector<std::string>;

// A handler run between sample k and k + 1 changes the window's state or the fill text's field; the
// walk must see the new values exactly from the samples, rows or walks the rules name.
TEST(WalkConcurrency, HandlerBetweenSamplesTakesEffectWhereTheRulesSay) {
    using Handler = std::function<void(RenderState&, std::string&)>;
    // Region 0..2 x 0..1, every pixel 0x10, fill text "text"; marks from sample k + 1 on.
    // clang-format off
    const std::tuple<const char*, int, Handler, Lines> cases[] = {
        {"new reference colour from the next sample", 2, [](RenderState& s, auto&) { s.col = 0x10; }, {}},
        {"new comparison from the next sample", 3, [](RenderState& s, auto&) { s.METH = kMethInvert; },
         {"P 0 1 FFFFEF", "P 1 1 FFFFEF", "P 2 1 FFFFEF"}},
        {"new zoom from the next sample", 4, [](RenderState& s, auto&) { s.ZOOM = 10; }, {"P 10 10 10", "P 20 10 10"}},
        {"new fill mode from the next sample", 5, [](RenderState& s, auto&) { s.FillMode = kFillSquares; },
         {"B 2 1 3 2 10"}},
        {"new circle size from the next sample", 5,
         [](RenderState& s, auto&) { s.FillMode = kFillCircles, s.Yst = 5; }, {"C 2 1 3 10"}},
        {"new column step from the next row", 1, [](RenderState& s, auto&) { s.Xst = 2; },
         {"P 1 0 10", "P 2 0 10", "P 0 1 10", "P 2 1 10"}},
        {"row step and fill text as at the start", 1,
         [](RenderState& s, std::string& text) { s.FillMode = kFillText, s.Yst = 5, text = "zz"; },
         {"T 1 0 'e' 10", "T 2 0 'x' 10", "T 0 1 't' 10", "T 1 1 't' 10", "T 2 1 'e' 10"}},
    };
    // clang-format on
    for (const auto& [name, afterSample, handler, tail] : cases) {
        Rig rig;
        rig.source.colourAt = [](int32_t, int32_t) { return 0x10; };
        RenderState live;
        std::string text = "text";
        rig.host.between = [&](int k) {
            if (k == afterSample + 1) handler(live, text);  // yield k precedes sample k
        };
        rig.Run(live, {0, 0, 2, 1}, text);
        Lines marks{"P 0 0 10", "P 1 0 10", "P 2 0 10", "P 0 1 10", "P 1 1 10"};
        marks.resize(afterSample);
        marks.insert(marks.end(), tail.begin(), tail.end());
        EXPECT_EQ(rig.canvas.marks, marks) << name;
    }
}

TEST(WalkConcurrency, ColumnStepOfZeroDuringTheWalkEndsItWithAnError) {
    Rig rig;
    RenderState live;
    rig.host.between = [&](int k) {
        if (k == 150) live.Xst = 0;  // in the skipping mode by now
    };
    const auto outcome = rig.Run(live, {0, 0, 99, 9});
    EXPECT_EQ(outcome.failure, WalkFailure::ZeroStep);
    EXPECT_EQ(outcome.samples, 200);  // the second row ends, the third never starts
    EXPECT_NE(rig.host.statuses.back(), "done");
}

TEST(WalkConcurrency, StopDuringAYieldEndsTheWalkWithNothingMoreDrawnOrWritten) {
    Rig rig;
    RenderState live{.FillMode = kFillPage, .PagePath = "p.htm"};
    rig.host.between = [&](int k) { rig.host.stop = k == 3; };
    const auto outcome = rig.Run(live, {0, 0, 2, 1});
    EXPECT_EQ(outcome.failure, WalkFailure::Stopped);
    EXPECT_EQ(rig.source.reads.size(), 2u);
    EXPECT_EQ(rig.page.files["p.htm"].size(), 7u + 2);  // the header and two samples, no closing lines
    EXPECT_EQ(rig.host.pagesWritten, 0);
    EXPECT_TRUE(rig.host.statuses.empty());
}

}  // namespace
}  // namespace glimmet
