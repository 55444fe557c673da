#pragma once

class QScreen;

namespace glimmet {

// Twips per screen pixel, horizontally and vertically: 1440 divided by the screen's logical pixels
// per inch, so 15 at 96 DPI.
struct ScreenMetrics {
    float TwipsPerPixelX = 15.0f;
    float TwipsPerPixelY = 15.0f;

    // The factors of `screen`; the usual 15 when there is no screen.
    static ScreenMetrics Of(const QScreen* screen);
};

}  // namespace glimmet
