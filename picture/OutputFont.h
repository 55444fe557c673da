#pragma once

#include <QFont>

namespace glimmet {

// The font of the characters on the output picture: DejaVu Sans (or the closest sans-serif with
// Cyrillic glyphs), 9.75 pt at 96 DPI. It is set in pixels, 13, with fixed hinting and greyscale
// antialiasing, so that the window and the batch command render identical pictures on any screen.
QFont OutputFont();

}  // namespace glimmet
