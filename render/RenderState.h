#pragma once

#include <cstdint>
#include <string>

#include "render/ColorRules.h"

namespace glimmet {

// Fill mode codes.
enum : int16_t { kFillPoints = 1, kFillCircles = 2, kFillSquares = 3, kFillText = 4, kFillPage = 5 };

// The part of the window's state that a walk reads while it runs. The walk holds it by reference
// and reads each value at the moment it is used, so a handler that runs during a yield changes
// the samples still to come.
struct RenderState {
    int32_t col = RGB(0, 0, 255);  // reference colour
    int16_t Xst = 1;               // column step, read at every row start
    int16_t Yst = 1;               // row step, read once per walk
    int16_t ZOOM = 1;
    uint8_t METH = kMethNotEqual;
    uint8_t Tolerance = 0;  // per component, for the equal and not-equal comparisons
    int16_t FillMode = kFillPoints;
    std::string PagePath;  // the page file of the export, the name's bytes; never a picture file
};

// The walked region in source pixels; both ends are included.
struct Region {
    int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

}  // namespace glimmet
