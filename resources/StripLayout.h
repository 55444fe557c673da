#pragma once

#include <QRect>

namespace glimmet {

// Where the controls of the frame `action` lie over the background strip, so that the strip's labels
// and swatches line up with them. The frame places its controls in twips; the strip is drawn in pixels
// at the usual 15 twips per pixel, which is also the scale at which the frame's layout was designed.
class StripLayout {
  public:
    struct TwipRect {
        int left;
        int top;
        int width;
        int height;
    };

    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kWidth = 750;  // 11250 twips
    static constexpr int kHeight = 30;  // 450 twips

    // The strip's own place in the frame.
    static constexpr TwipRect kStrip{30, 210, 11250, 450};

    static constexpr TwipRect kRedBox{1200, 330, 540, 255};
    static constexpr TwipRect kGreenBox{1770, 330, 540, 255};
    static constexpr TwipRect kBlueBox{2340, 330, 540, 255};
    static constexpr TwipRect kTransferButton{2970, 240, 1875, 375};
    static constexpr TwipRect kXStepBox{5580, 330, 435, 255};
    static constexpr TwipRect kYStepBox{6690, 330, 435, 255};
    static constexpr TwipRect kZoomBox{7860, 330, 495, 255};
    static constexpr TwipRect kFillBox{10290, 330, 825, 255};

    // A control's rectangle in strip pixels.
    static constexpr QRect ToStrip(TwipRect r) {
        return QRect((r.left - kStrip.left) / kTwipsPerPixel, (r.top - kStrip.top) / kTwipsPerPixel,
                     r.width / kTwipsPerPixel, r.height / kTwipsPerPixel);
    }
};

}  // namespace glimmet
