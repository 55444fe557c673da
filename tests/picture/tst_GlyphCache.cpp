#include <gtest/gtest.h>

#include <QFontInfo>
#include <string_view>

#include "picture/GlyphCache.h"
#include "picture/OutputFont.h"

namespace glimmet {
namespace {

TEST(GlyphCache, DecodesTheFirstCodePointOfUtf8) {
    // The invalid ones: overlong, cut short, not a continuation byte, a surrogate, beyond U+10FFFF, a
    // byte UTF-8 never has.
    // clang-format off
    const std::pair<std::string_view, char32_t> cases[] = {
        {"", 0}, {"A", U'A'}, {"AB", U'A'}, {"Ж", U'Ж'}, {"€", U'€'}, {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xED\x9F\xBF", 0xD7FF},  // the last code point before the surrogates
        {"\x7F", 0x7F}, {"\xC2\x80", 0x80},  // the last single byte and the first of two
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},       // the last code point
        {"\xC0\x80", 0xFFFD}, {"\xD0", 0xFFFD}, {"\xD0\x41", 0xFFFD}, {"\xED\xA0\x80", 0xFFFD},
        {"\xF4\x90\x80\x80", 0xFFFD}, {"\xFF", 0xFFFD}};
    // clang-format on
    for (const auto& [text, expected] : cases) EXPECT_EQ(GlyphCache::DecodeCodePoint(text), expected) << text;
}

// Glyphs come from a font 13 pixels high that has its own Cyrillic letters (U+0378, unassigned, shows
// the font's missing-glyph box); a glyph asked for twice is the one made the first time.
TEST(GlyphCache, CyrillicGlyphsOfA13PixelFont) {
    EXPECT_EQ(QFontInfo(OutputFont()).pixelSize(), 13);
    GlyphCache glyphs(OutputFont());
    EXPECT_GE(glyphs.CellHeight(), 13);
    EXPECT_EQ(&glyphs.For("Ж"), &glyphs.For(U'Ж'));
    EXPECT_TRUE(glyphs.For("").pixels.empty());
    const auto pixels = [&](char32_t c) { return glyphs.For(c).pixels.size(); };
    EXPECT_TRUE(pixels(U'Ж') != pixels(0x378) && pixels(U'я') != pixels(0x378) &&
                pixels(U'Ж') != pixels(U'я'));
    // Code points on either side of the ones found by index, and far beyond, are each kept once.
    for (const char32_t c : {char32_t{0x4FF}, char32_t{0x500}, char32_t{0x501}, char32_t{0x1F600}}) {
        const Glyph& first = glyphs.For(c);
        EXPECT_EQ(&glyphs.For(c), &first) << static_cast<uint32_t>(c);
    }
    EXPECT_NE(&glyphs.For(0x4FF), &glyphs.For(0x500));
}

}  // namespace
}  // namespace glimmet
