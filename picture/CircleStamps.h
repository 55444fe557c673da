#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace glimmet {

// The one-pixel outline of a circle as a list of pixel offsets from its centre, rendered once per
// radius with the same aliased ellipse call a painter would make per mark. Stamping the list is
// 25 to 75 times faster than a painter call per mark.
class CircleStamps {
  public:
    struct Offset {
        int16_t dx;
        int16_t dy;
    };
    struct Stamp {
        std::vector<Offset> offsets;  // in rows from top to bottom
        int32_t reach = 0;            // the largest |dx| or |dy|
    };

    // Stamps are made up to this radius (a mask of about 4100 x 4100 pixels); larger circles are
    // drawn with a painter instead, and mostly fall outside any output picture anyway.
    static constexpr int32_t kLargestRadius = 2048;

    // The stamp of a radius in 0..kLargestRadius; radius 0 is the centre pixel alone. The reference
    // stays valid for the object's lifetime.
    const Stamp& For(int32_t radius);

  private:
    static Stamp Render(int32_t radius);

    std::unordered_map<int32_t, Stamp> stamps_;  // nodes do not move, so references stay valid
};

}  // namespace glimmet
