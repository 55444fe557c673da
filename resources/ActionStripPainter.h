#pragma once

#include <QImage>

namespace glimmet {

// Draws image 3 of the image list, the background strip of the frame `action`: a granite texture on
// light orange, the labels of the input row left of their boxes, the red, green and blue swatches under
// the colour boxes and a plain gap under the transfer button. Positions come from StripLayout.
class ActionStripPainter {
  public:
    // 750 x 30, 24-bit. The texture comes from fixed-seed noise, so every call gives the same pixels.
    static QImage Paint();
};

}  // namespace glimmet
