#include "interaction/OutputCanvas.h"

#include "widgets/PictureBox.h"

namespace glimmet {

OutputCanvas::OutputCanvas(PictureBox& box, GlyphCache& glyphs) : box_(box), raster_(nullptr, glyphs) {}

void OutputCanvas::Follow() {
    QImage* target = box_.DrawTarget();
    if (target != target_ || box_.Generation() != generation_) {
        raster_.SetTarget(target);
        target_ = target;
        generation_ = box_.Generation();
    }
}

void OutputCanvas::Point(int32_t x, int32_t y, uint32_t colour) {
    Follow();
    raster_.Point(x, y, colour);
}

void OutputCanvas::Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) {
    Follow();
    raster_.Circle(cx, cy, radius, colour);
}

void OutputCanvas::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    Follow();
    raster_.Box(x1, y1, x2, y2, colour);
}

void OutputCanvas::Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) {
    Follow();
    raster_.Character(x, y, glyph, colour);
}

}  // namespace glimmet
