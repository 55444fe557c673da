#include "render/WalkPrecheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "render/CodePoints.h"

namespace glimmet {

namespace {

bool Fits16(int64_t value) {
    return value >= -32768 && value <= 32767;
}

// Grid points from `from` to `to` by `step`, both ends included, as the walk's loops visit them.
int64_t GridCount(int32_t from, int32_t to, int32_t step) {
    const int64_t span = int64_t{to} - from;
    if (step > 0 ? span < 0 : span > 0) return 0;
    return span / step + 1;
}

// The first grid index along one axis whose mark cannot be placed in 16 bits (boxes also need their
// far corner), or -1.
int64_t FirstUnplaceable(int64_t count, int32_t step, int32_t zoom, bool boxes) {
    for (int64_t i = 0; i < count; ++i) {
        const int64_t offset = i * step;
        const bool far = boxes && (!Fits16(offset + step) || !Fits16((offset + step) * zoom));
        if (!Fits16(offset * zoom) || far) return i;
    }
    return -1;
}

// Where in the walk a check runs: at sample `sample` (counted from 1), in the order of a sample's steps.
enum Phase { kCounter, kCharacter, kMark, kRowEnd, kWalkEnd };

}  // namespace

WalkFailure PredictWalkFailure(const RenderState& s, Region r, const std::string& fillText) {
    const int64_t rows = int64_t{r.y1} - r.y0;
    const int64_t columns = int64_t{r.x1} - r.x0;
    if (!Fits16(rows) || !Fits16(columns)) return WalkFailure::RegionOverflow;
    if (s.Xst == 0 || s.Yst == 0) return WalkFailure::ZeroStep;
    // The walk's progress interval, computed as it does; from that sample on it skips failing steps.
    const double units = (static_cast<double>(rows) / s.Yst) * (static_cast<double>(columns) / s.Xst) / 100;
    const int64_t interval = std::llabs(static_cast<int32_t>(units));
    const int64_t across = GridCount(r.x0, r.x1, s.Xst);
    const int64_t down = GridCount(r.y0, r.y1, s.Yst);
    const int64_t total = across * down;

    std::tuple<int64_t, int, WalkFailure> first{std::numeric_limits<int64_t>::max(), 0, WalkFailure::None};
    // A check at `sample` fails unless progress was shown by then; the sample counter is checked
    // before that sample's own progress step.
    const auto check = [&](int64_t sample, Phase phase, WalkFailure failure) {
        const int64_t shown = phase == kCounter ? sample - 1 : sample;
        if (interval > 0 && interval <= shown) return;
        first = std::min(first, std::tuple<int64_t, int, WalkFailure>{sample, phase, failure});
    };
    constexpr int64_t kCounterLimit = std::numeric_limits<int32_t>::max();
    if (total > kCounterLimit) check(kCounterLimit + 1, kCounter, WalkFailure::CounterOverflow);
    constexpr int64_t kIndexLimit = std::numeric_limits<int16_t>::max();
    if (total > kIndexLimit && static_cast<int64_t>(SplitCodePoints(fillText).size()) >= kIndexLimit)
        check(kIndexLimit + 1, kCharacter, WalkFailure::CounterOverflow);
    if (s.FillMode >= kFillPoints && s.FillMode <= kFillText && total > 0) {
        if (s.FillMode == kFillCircles && !Fits16(int64_t{s.Xst} + s.Yst))
            check(1, kMark, WalkFailure::CoordinateOverflow);
        const bool boxes = s.FillMode == kFillSquares;
        const int64_t column = FirstUnplaceable(across, s.Xst, s.ZOOM, boxes);
        if (column >= 0) check(column + 1, kMark, WalkFailure::CoordinateOverflow);
        const int64_t row = FirstUnplaceable(down, s.Yst, s.ZOOM, boxes);
        if (row >= 0) check(row * across + 1, kMark, WalkFailure::CoordinateOverflow);
    }
    if (across > 0 && down > 0 && !Fits16(r.x0 + (across - 1) * s.Xst + s.Xst))
        check(across, kRowEnd, WalkFailure::LoopOverflow);
    if (down > 0 && !Fits16(r.y0 + (down - 1) * s.Yst + s.Yst))
        check(total, kWalkEnd, WalkFailure::LoopOverflow);
    return std::get<2>(first);
}

}  // namespace glimmet
