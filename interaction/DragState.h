#pragma once

#include <cstdint>

namespace glimmet {

// What the mouse handlers of the source picture remember between events.
struct DragState {
    int16_t Dragging = 0;  // 0 false, -1 true: a left-button drag of the selection is under way
    int16_t MouseX = 0;    // last pointer position over the source picture, in its pixels
    int16_t MouseY = 0;
};

}  // namespace glimmet
