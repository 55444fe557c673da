#pragma once

#include <cstdint>

#include "picture/RasterCanvas.h"
#include "render/WalkPorts.h"

namespace glimmet {

class PictureBox;

// Draws a walk's marks on the output picture box, into whichever image the box draws into at the
// moment of each mark: a transfer started during the walk may clear, resize or switch the box, and the
// marks still to come must land in its current image, never in a replaced one.
class OutputCanvas final : public MarkCanvas {
  public:
    OutputCanvas(PictureBox& box, GlyphCache& glyphs);

    void Point(int32_t x, int32_t y, uint32_t colour) override;
    void Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) override;
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) override;
    void Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) override;

  private:
    // Points the canvas at the box's current image.
    void Follow();

    PictureBox& box_;
    RasterCanvas raster_;
    uint64_t generation_ = 0;
    QImage* target_ = nullptr;
};

}  // namespace glimmet
