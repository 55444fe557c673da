#pragma once

#include "window/LayoutSurface.h"

namespace glimmet {

// Places the input strip, the two pictures and the output backdrop for the window's current size:
// the strip at the top (hidden when the window is narrower than it), the source picture in the left
// half, the output area in the right half, both 0.9 of the window's height tall (less the strip when
// shown). A window lower than 2500 twips is raised to 2500, which lays it out again, nested, before
// this pass goes on. A computed size below 0 is set as 0, which the platform cannot refuse.
// Each product or quotient is computed in double precision and set as single precision; the window's
// size is read afresh for every assignment.
class FormLayout {
  public:
    static constexpr float kGap = 100;
    static constexpr double kPictureShare = 0.9;
    static constexpr float kOutputShortening = 300;
    static constexpr float kMinimumHeight = 2500;

    static void Run(LayoutSurface& window);
};

}  // namespace glimmet
