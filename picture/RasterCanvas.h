#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "picture/CircleStamps.h"
#include "picture/GlyphCache.h"
#include "pixels/ColourConversion.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Draws the walk's marks straight into the pixels of a 32-bit image, clipped to it, with the output
// picture's settings: drawing width 1, transparent fill, the output font. Colours use their low 24
// bits only (ColourConversion.h).
//
// The canvas writes through the pixel pointer taken by SetTarget (no per-mark lookups): call
// SetTarget again after the image has been resized, reassigned or copied (a copy shares the pixels,
// and drawing would change both). The image must outlive its use here.
class RasterCanvas final : public MarkCanvas {
  public:
    // `target` may be null (nothing is drawn); `glyphs` must outlive the canvas.
    explicit RasterCanvas(QImage* target, GlyphCache& glyphs);

    // Draws into `target` from now on. An image that is not 32 bits per pixel is converted to
    // Format_RGB32 in place first.
    void SetTarget(QImage* target);

    void Point(int32_t x, int32_t y, uint32_t colour) override {
        if (Inside(x, y)) Row(y)[x] = EngineToQRgb(colour);
    }

    // Outline of radius |radius| (the sign means nothing for a circle); radius 0 is one pixel.
    void Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) override;

    // Outline only, like circles: the output picture's fill style is transparent, so a box leaves
    // its inside as it was. Corners may come in any order.
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) override;

    // Antialiased, blended onto what is there (transparent text background).
    void Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) override;

  private:
    bool Inside(int32_t x, int32_t y) const {
        return static_cast<uint32_t>(x) < static_cast<uint32_t>(width_) &&
               static_cast<uint32_t>(y) < static_cast<uint32_t>(height_);
    }
    QRgb* Row(int32_t y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }
    void UseStamp(int32_t radius);
    void PaintedCircle(int32_t cx, int32_t cy, int32_t radius, QRgb pixel);
    void HorizontalRun(int64_t y, int64_t xFrom, int64_t xTo, QRgb pixel);
    void VerticalRun(int64_t x, int64_t yFrom, int64_t yTo, QRgb pixel);

    QImage* target_ = nullptr;
    GlyphCache& glyphs_;
    CircleStamps stamps_;
    uchar* bits_ = nullptr;
    ptrdiff_t bytesPerLine_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;

    // The stamp in use, with its offsets turned into pixel offsets for the current row length.
    int32_t stampRadius_ = -1;
    const CircleStamps::Stamp* stamp_ = nullptr;
    std::vector<ptrdiff_t> stampSteps_;
};

}  // namespace glimmet
