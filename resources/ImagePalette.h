#pragma once

#include <QColor>

namespace glimmet {

// Colours shared by the window's images.
class ImagePalette {
  public:
    // The window's and the frame's background, RGB(255, 192, 128); the button's ground and the strip's
    // gap must be exactly this so they vanish into the frame.
    static constexpr QRgb kLightOrange = 0xFFFFC080;
    // Text and outlines: a dark brown that reads as black on orange but is softer.
    static constexpr QRgb kInk = 0xFF2E1A08;
    static constexpr QRgb kOutline = 0xFF804010;
};

}  // namespace glimmet
