#pragma once

#include <cstdint>
#include <optional>

class QEvent;

namespace glimmet {

enum class MouseAction { Down, Move, Up };

// A mouse event over a picture box as its handler receives it: the button value (a press or
// release names the one button that changed, 1 left, 2 right, 4 middle; a move the sum of the buttons
// held) and the position in the box's inner pixels, origin inside its border.
struct MouseArguments {
    MouseAction action = MouseAction::Move;
    int16_t Button = 0;
    float X = 0;
    float Y = 0;

    // The arguments of `event` when it is a mouse press, move or release, else nothing. A press or
    // release of any other button gives the value 0, which no handler acts on.
    static std::optional<MouseArguments> Of(const QEvent& event, int border);
};

}  // namespace glimmet
