#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/ColorRules.h"
#include "render/PixelSource.h"
#include "render/RenderState.h"

namespace glimmet {

// One sample that passed: where it is in the picture and the colour read there (-1 outside it).
struct PassingSample {
    int32_t x = 0;
    int32_t y = 0;
    int32_t colour = 0;
};

// Reads through to a picture and notes the first passing samples the walk reads, judged by the
// walk's own rule with its fixed key, comparison and tolerance; the walk reads each sample once.
class PassingRecorder final : public PixelSource {
  public:
    PassingRecorder(PixelSource& source, const RenderState& state, size_t limit)
        : source_(source), key_(state.col), meth_(state.METH), tolerance_(state.Tolerance), limit_(limit) {}

    int32_t GetPixel(int32_t x, int32_t y) override {
        const int32_t colour = source_.GetPixel(x, y);
        if (samples_.size() < limit_) {
            int32_t judged = colour;  // the invert comparison changes what it judges
            if (ColorMatches(judged, key_, meth_, tolerance_)) samples_.push_back({x, y, colour});
        }
        return colour;
    }

    const std::vector<PassingSample>& Samples() const { return samples_; }

  private:
    PixelSource& source_;
    const int32_t key_;
    const uint8_t meth_;
    const uint8_t tolerance_;
    const size_t limit_;
    std::vector<PassingSample> samples_;
};

}  // namespace glimmet
