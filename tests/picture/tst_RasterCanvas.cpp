#include <gtest/gtest.h>
#include <iostream>

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>

#include "picture/GlyphCache.h"
#include "picture/OutputFont.h"
#include "picture/RasterCanvas.h"
#include "tests/support/TestFiles.h"

namespace glimmet {
namespace {

using test::Plain;
using PixelSet = std::set<std::pair<int, int>>;

constexpr QRgb kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0x00FFFFFFu;  // as the engine writes it

GlyphCache& Glyphs() {
    static GlyphCache glyphs(OutputFont());
    return glyphs;
}

// The positions of the pixels that differ from `background`.
PixelSet Changed(const QImage& image, QRgb background) {
    PixelSet changed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) changed.insert({x, y});
    return changed;
}

// The pixels of a mark drawn on a black image of the given size.
PixelSet Draw(int width, int height, const std::function<void(RasterCanvas&)>& mark) {
    QImage image = Plain(width, height, kBlack);
    RasterCanvas canvas(&image, Glyphs());
    mark(canvas);
    return Changed(image, kBlack);
}

// `pixels` moved by dx, dy, without those that leave a width x height image.
PixelSet Shifted(const PixelSet& pixels, int dx, int dy, int width, int height) {
    PixelSet moved;
    for (const auto& [x, y] : pixels)
        if (x + dx >= 0 && y + dy >= 0 && x + dx < width && y + dy < height) moved.insert({x + dx, y + dy});
    return moved;
}

// The outline of a box on a 10 x 8 image.
PixelSet Outline(int left, int top, int right, int bottom) {
    PixelSet outline;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (x == left || x == right || y == top || y == bottom) outline.insert({x, y});
    return Shifted(outline, 0, 0, 10, 8);
}

// Points cover their pixel, boxes their outline whatever the corners' order; both clip without
// overflowing.
TEST(RasterCanvas, PointsAndBoxesCoverTheirPixels) {
    const int32_t points[][3] = {{0, 0, 1},         {9, 7, 1},         {3, 2, 1},
                                 {-1, 0, 0},        {10, 0, 0},        {0, 8, 0},
                                 {0, -1, 0},        {INT32_MAX, 0, 0}, {INT32_MIN, INT32_MAX, 0},
                                 {32767, -32768, 0}};
    for (const auto& [x, y, inside] : points)
        EXPECT_EQ(Draw(10, 8, [&](RasterCanvas& c) { c.Point(x, y, kWhite); }),
                  (inside ? PixelSet{{x, y}} : PixelSet{}))
            << x << "," << y;
    const int boxes[][8] = {
        // corners as given, then left, top, right, bottom
        {1, 1, 6, 4, 1, 1, 6, 4},   {6, 4, 1, 1, 1, 1, 6, 4},     {6, 1, 1, 4, 1, 1, 6, 4},
        {1, 4, 6, 1, 1, 1, 6, 4},   {2, 2, 2, 2, 2, 2, 2, 2},     {1, 3, 8, 3, 1, 3, 8, 3},
        {5, 0, 5, 7, 5, 0, 5, 7},   {-2, -3, 3, 3, -2, -3, 3, 3}, {7, 5, 14, 20, 7, 5, 14, 20},
        {1, 1, 10, 4, 1, 1, 10, 4}, {1, 1, 6, 8, 1, 1, 6, 8},     {-5, -5, 50, 50, -5, -5, 50, 50}};
    for (const auto& b : boxes)
        EXPECT_EQ(Draw(10, 8, [&](RasterCanvas& c) { c.Box(b[0], b[1], b[2], b[3], kWhite); }),
                  Outline(b[4], b[5], b[6], b[7]))
            << b[0] << "," << b[1] << " " << b[2] << "," << b[3];
    EXPECT_EQ(Draw(4, 4, [](RasterCanvas& c) { c.Box(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1); }),
              PixelSet{});
}

TEST(RasterCanvas, CirclesAreSymmetricOutlinesOfTheirRadius) {
    constexpr int kCentre = 10;
    for (const int32_t radius : {0, 1, 3, 7, -3}) {
        const int size = std::abs(radius);
        const PixelSet drawn =
            Draw(21, 21, [&](RasterCanvas& c) { c.Circle(kCentre, kCentre, radius, kWhite); });
        for (const auto& [x, y] : drawn) {
            const int dx = x - kCentre, dy = y - kCentre;
            EXPECT_LT(std::abs(std::hypot(dx, dy) - size), 1.0) << "radius " << radius;
            EXPECT_TRUE(drawn.count({kCentre - dx, kCentre + dy}) &&
                        drawn.count({kCentre + dx, kCentre - dy}) &&
                        drawn.count({kCentre + dy, kCentre + dx}))
                << "radius " << radius << " at " << dx << "," << dy;
        }
        EXPECT_TRUE(drawn.count({kCentre + size, kCentre}) && drawn.count({kCentre, kCentre - size}))
            << radius;
    }
    // Beyond the stamps' size: radius 3000 around a centre far to the left ends at (10, 5).
    const PixelSet large = Draw(20, 12, [](RasterCanvas& c) { c.Circle(-2990, 5, 3000, kWhite); });
    EXPECT_TRUE(large.count({10, 5}));
    EXPECT_TRUE(std::all_of(large.begin(), large.end(), [](const auto& p) { return p.first <= 10; }));
}

// Each mark drawn partly outside equals the same mark drawn whole, cut at the edges.
TEST(RasterCanvas, MarksClipAtTheEdges) {
    const std::pair<const char*, std::function<void(RasterCanvas&, int32_t, int32_t)>> cases[] = {
        {"circle", [](RasterCanvas& c, int32_t x, int32_t y) { c.Circle(x + 5, y + 5, 5, kWhite); }},
        {"character", [](RasterCanvas& c, int32_t x, int32_t y) { c.Character(x, y, "W", kWhite); }},
        {"cyrillic", [](RasterCanvas& c, int32_t x, int32_t y) { c.Character(x, y, "Ж", kWhite); }},
    };
    for (const auto& [name, mark] : cases) {
        const PixelSet whole = Draw(60, 60, [&](RasterCanvas& c) { mark(c, 20, 20); });
        ASSERT_FALSE(whole.empty()) << name;
        for (const auto& [x, y] : {std::pair{-4, -6}, std::pair{3, -2}, std::pair{-3, 4}, std::pair{6, 5}})
            EXPECT_EQ(Draw(10, 8, [&](RasterCanvas& c) { mark(c, x, y); }),
                      Shifted(whole, x - 20, y - 20, 10, 8))
                << name << " at " << x << "," << y;
    }
    // A circle whose right or bottom edge falls just past the picture's is cut there, never carried
    // into the next row or past the last.
    const PixelSet circle = Draw(60, 60, [](RasterCanvas& c) { c.Circle(25, 25, 5, kWhite); });
    for (const auto& [x, y] : {std::pair{15, 8}, std::pair{8, 15}})
        EXPECT_EQ(Draw(20, 20, [&](RasterCanvas& c) { c.Circle(x, y, 5, kWhite); }),
                  Shifted(circle, x - 25, y - 25, 20, 20))
            << "circle at " << x << "," << y;
    // A character whose right edge falls just past the picture's is cut there, never carried into
    // the next row.
    for (const char* glyph : {"W", "Ж"}) {
        const auto mark = [glyph](RasterCanvas& c, int32_t x, int32_t y) {
            c.Character(x, y, glyph, kWhite);
        };
        const PixelSet whole = Draw(60, 60, [&](RasterCanvas& c) { mark(c, 20, 20); });
        const int32_t x = 30 - Glyphs().For(glyph).right, y = 5;
        EXPECT_EQ(Draw(30, 30, [&](RasterCanvas& c) { mark(c, x, y); }),
                  Shifted(whole, x - 20, y - 20, 30, 30))
            << glyph;
    }
}

TEST(RasterCanvas, CharactersSitInTheirCellAndBlendOntoWhatIsThere) {
    constexpr QRgb kGrey = 0xFF404040u;
    constexpr uint32_t kColour = 0x0020A0E0u;  // as the engine writes it: red E0, green A0, blue 20
    constexpr int kX = 7, kY = 5;
    for (const auto& [glyph, draws] :
         {std::pair<std::string, bool>{"A", true}, {"g", true}, {"Ж", true}, {"", false}, {" ", false}}) {
        QImage image = Plain(30, 30, kGrey);
        RasterCanvas canvas(&image, Glyphs());
        canvas.Character(kX, kY, glyph, kColour);
        const PixelSet drawn = Changed(image, kGrey);
        // The cell: 13 pixels high and at least as wide, wider for wide letters.
        const int cellWidth =
            std::max(13, QFontMetrics(OutputFont()).horizontalAdvance(QString::fromStdString(glyph)));
        int fullyCovered = 0;
        for (const auto& [x, y] : drawn) {
            EXPECT_TRUE(x >= kX && x < kX + cellWidth && y >= kY && y < kY + Glyphs().CellHeight()) << glyph;
            const QRgb pixel = image.pixel(x, y);
            // A blend of grey and the colour: each channel between the two, and all at the same share.
            EXPECT_TRUE(qRed(pixel) >= 0x40 && qRed(pixel) <= 0xE0 && qGreen(pixel) >= 0x40 &&
                        qGreen(pixel) <= 0xA0 && qBlue(pixel) >= 0x20 && qBlue(pixel) <= 0x40)
                << glyph;
            const int share = (qRed(pixel) - 0x40) * 256 / (0xE0 - 0x40);
            EXPECT_NEAR((qGreen(pixel) - 0x40) * 256 / (0xA0 - 0x40), share, 8) << glyph;
            EXPECT_NEAR((0x40 - qBlue(pixel)) * 256 / (0x40 - 0x20), share, 16) << glyph;
            fullyCovered += pixel == 0xFFE0A020u;
        }
        EXPECT_EQ(!drawn.empty(), draws) << glyph;
        EXPECT_EQ(fullyCovered > 0, draws) << glyph;
    }
}

TEST(RasterCanvas, ANullOrReplacedTargetIsHonoured) {
    RasterCanvas canvas(nullptr, Glyphs());
    canvas.Point(0, 0, kWhite);
    canvas.Circle(0, 0, 2, kWhite);
    canvas.Box(0, 0, 2, 2, kWhite);
    canvas.Character(0, 0, "A", kWhite);

    QImage first = Plain(4, 4, kBlack), second = Plain(8, 8, kBlack);
    canvas.SetTarget(&first);
    canvas.Circle(3, 3, 2, kWhite);  // stamps follow the new row length
    canvas.SetTarget(&second);
    canvas.Circle(3, 3, 2, kWhite);
    EXPECT_EQ(Changed(second, kBlack),
              Shifted(Draw(8, 8, [](RasterCanvas& c) { c.Circle(5, 5, 2, 1); }), -2, -2, 8, 8));

    QImage indexed(6, 6, QImage::Format_Indexed8);
    indexed.setColorTable({kBlack});
    indexed.fill(0);
    canvas.SetTarget(&indexed);
    canvas.Point(2, 2, kWhite);
    EXPECT_EQ(indexed.format(), QImage::Format_RGB32);
    EXPECT_EQ(Changed(indexed, kBlack), (PixelSet{{2, 2}}));
}

}  // namespace
}  // namespace glimmet
