#pragma once

#include <cstdint>

#include "interaction/DragState.h"
#include "interaction/SelectionShape.h"
#include "params/ParameterFields.h"
#include "render/RenderState.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Mouse button values as the handlers receive them: a press or release names its one button, a move
// the sum of the buttons held.
enum : int16_t { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The mouse handlers of the source picture: the left button drags the selection from its anchor, the
// right button picks the reference colour from the pixel shown under the pointer and writes its red,
// green and blue into the colour fields (whose change handlers recompute `col`). Press and release
// work at the position of the last move, not their own. A move whose position does not fit 16 bits
// is ignored as a whole.
class SelectionDrag {
  public:
    // `shown` reads the source picture as it is shown; `fields` writes the colour fields.
    SelectionDrag(DragState& state, RenderState& render, SelectionShape& sel, PixelSource& shown,
                  ParameterFieldView& fields)
        : state_(state), render_(render), sel_(sel), shown_(shown), fields_(fields) {}

    void MouseDown(int16_t button);
    void MouseMove(int16_t button, float x, float y);
    void MouseUp(int16_t button);

  private:
    void PickColour();

    DragState& state_;
    RenderState& render_;
    SelectionShape& sel_;
    PixelSource& shown_;
    ParameterFieldView& fields_;
};

}  // namespace glimmet
