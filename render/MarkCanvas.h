#pragma once

#include <cstdint>
#include <string_view>

namespace glimmet {

// Draws the marks on the output picture. Colours are 0x00BBGGRR with the highest byte clear;
// anything outside the picture is clipped.
class MarkCanvas {
  public:
    virtual ~MarkCanvas() = default;
    virtual void Point(int32_t x, int32_t y, uint32_t colour) = 0;
    // Outline circle of the given radius (one pixel wide) around (cx, cy).
    virtual void Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) = 0;
    // Outline box with opposite corners (x1, y1) and (x2, y2), both included.
    virtual void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) = 0;
    // One character (a single UTF-8 code point, or empty) with its top-left corner at (x, y).
    virtual void Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) = 0;
    // False for a canvas that keeps nothing: the export's page then needs no mark placed at all.
    virtual bool KeepsMarks() const { return true; }
};

}  // namespace glimmet
