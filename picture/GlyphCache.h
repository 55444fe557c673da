#pragma once

#include <QFont>
#include <array>
#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace glimmet {

// One covered pixel of a glyph, relative to the top-left corner of its character cell.
// `weight` is the coverage scaled to 1..256, ready for an 8-bit blend.
struct GlyphPixel {
    int16_t dx;
    int16_t dy;
    uint16_t weight;
};

// The covered pixels of one character and their bounding box (inclusive; empty when right < left).
struct Glyph {
    std::vector<GlyphPixel> pixels;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = -1;
    int32_t bottom = -1;
};

// Renders each code point once in the given font and keeps only its covered pixels, so that
// drawing a character is a short loop of blends instead of a text layout per mark (about 1.4 µs).
// Glyphs are rendered antialiased in greyscale with the cell's top at y = 0 and the baseline at the
// font's ascent, as text printed at a position appears. References returned stay valid for the
// cache's lifetime. Needs a QGuiApplication (fonts).
class GlyphCache {
  public:
    explicit GlyphCache(const QFont& font);

    // The glyph of one UTF-8 encoded code point; an empty text has no pixels. Only the first code
    // point counts; an invalid sequence shows as U+FFFD.
    const Glyph& For(std::string_view utf8) {
        if (utf8.empty()) return empty_;
        const auto lead = static_cast<unsigned char>(utf8.front());
        return lead < 0x80 ? For(static_cast<char32_t>(lead)) : For(DecodeCodePoint(utf8));
    }
    const Glyph& For(char32_t codePoint);

    // The first code point of a UTF-8 text, U+FFFD for an invalid or cut sequence, 0 for an empty text.
    static char32_t DecodeCodePoint(std::string_view utf8);

    // Height in pixels of a character cell (ascent + descent).
    int32_t CellHeight() const { return cellHeight_; }

  private:
    // Latin, Greek and Cyrillic, the code points of usual fill texts, are found by index.
    static constexpr char32_t kDirectCount = 0x500;

    const Glyph& Render(char32_t codePoint);

    QFont font_;
    int32_t ascent_ = 0;
    int32_t cellHeight_ = 0;
    Glyph empty_;
    std::deque<Glyph> glyphs_;  // a deque keeps references stable as glyphs are added
    std::array<const Glyph*, kDirectCount> direct_{};
    std::unordered_map<char32_t, const Glyph*> others_;
};

}  // namespace glimmet
