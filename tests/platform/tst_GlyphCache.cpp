#include <gtest/gtest.h>

#include <QFontInfo>
#include <string_view>

#include "platform/GlyphCache.h"
#include "platform/OutputFont.h"

namespace glimmet {
namespace {

TEST(GlyphCache, DecodesTheFirstCodePointOfUtf8) {
    struct Case {
        std::string_view text;
        char32_t expected;
    };
    const Case cases[] = {
        {"", 0},
        {"A", U'A'},
        {"AB", U'A'},
        {"Ж", U'Ж'},
        {"€", U'€'},
        {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xC0\x80", 0xFFFD},          // overlong
        {"\xD0", 0xFFFD},              // cut short
        {"\xD0\x41", 0xFFFD},          // not a continuation byte
        {"\xED\xA0\x80", 0xFFFD},      // a surrogate
        {"\xF4\x90\x80\x80", 0xFFFD},  // beyond U+10FFFF
        {"\xFF", 0xFFFD},
    };
    for (const Case& c : cases) EXPECT_EQ(GlyphCache::DecodeCodePoint(c.text), c.expected) << c.text;
}

TEST(GlyphCache, GlyphsAreMadeOnceAndKept) {
    GlyphCache glyphs(OutputFont());
    const Glyph& a = glyphs.For("a");
    for (char letter = 'b'; letter <= 'z'; ++letter) glyphs.For(std::string_view(&letter, 1));
    glyphs.For(U'Ж');
    glyphs.For(U'\u4E00');
    EXPECT_EQ(&glyphs.For("a"), &a);
    EXPECT_EQ(&glyphs.For(U'a'), &a);
    EXPECT_EQ(&glyphs.For("Ж"), &glyphs.For(U'Ж'));
    EXPECT_FALSE(a.pixels.empty());
    EXPECT_TRUE(glyphs.For("").pixels.empty());
}

TEST(GlyphCache, TheOutputFontIsThirteenPixelsHigh) {
    const QFontInfo info(OutputFont());
    EXPECT_EQ(info.pixelSize(), 13);
    EXPECT_GE(GlyphCache(OutputFont()).CellHeight(), 13);
}

}  // namespace
}  // namespace glimmet
