#pragma once

#include <QRect>

class QPainter;

namespace glimmet {

// Width in pixels of the sunken three-dimensional border of the picture boxes.
inline constexpr int kSunkenBorder = 2;

// Paints the two-pixel sunken border just inside `outer`: grey and black lines at the top and left,
// white and light grey at the bottom and right, so the inner area looks pressed into the window.
void PaintSunkenBorder(QPainter& painter, const QRect& outer);

}  // namespace glimmet
