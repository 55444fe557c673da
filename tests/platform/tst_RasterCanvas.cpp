#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "platform/GlyphCache.h"
#include "platform/OutputFont.h"
#include "platform/RasterCanvas.h"
#include "tests/platform/TestPictures.h"

namespace glimmet {
namespace {

using test::Changed;
using test::Filled;
using test::PixelSet;

constexpr QRgb kBlack = 0xFF000000u;
constexpr uint32_t kEngineWhite = 0x00FFFFFFu;

GlyphCache& Glyphs() {
    static GlyphCache glyphs(OutputFont());
    return glyphs;
}

// The pixels of a mark drawn on a black image of the given size.
PixelSet Draw(int width, int height, const std::function<void(RasterCanvas&)>& mark) {
    QImage image = Filled(width, height, kBlack);
    RasterCanvas canvas(&image, Glyphs());
    mark(canvas);
    return Changed(image, kBlack);
}

PixelSet Shifted(const PixelSet& pixels, int dx, int dy, int width, int height) {
    PixelSet moved;
    for (const auto& [x, y] : pixels) {
        const int mx = x + dx, my = y + dy;
        if (mx >= 0 && my >= 0 && mx < width && my < height) moved.insert({mx, my});
    }
    return moved;
}

PixelSet BoxOutline(int left, int top, int right, int bottom, int width, int height) {
    PixelSet outline;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if ((x == left || x == right || y == top || y == bottom) && x >= 0 && y >= 0 && x < width &&
                y < height)
                outline.insert({x, y});
    return outline;
}

TEST(RasterCanvas, PointsLandOnTheirPixelAndClip) {
    struct Case {
        int32_t x, y;
        PixelSet expected;
    };
    const Case cases[] = {
        {0, 0, {{0, 0}}},   {9, 4, {{9, 4}}},    {3, 2, {{3, 2}}}, {-1, 0, {}},
        {10, 0, {}},        {0, 5, {}},          {0, -1, {}},      {INT32_MIN, INT32_MAX, {}},
        {INT32_MAX, 0, {}}, {32767, -32768, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Draw(10, 5, [&](RasterCanvas& canvas) { canvas.Point(c.x, c.y, kEngineWhite); }),
                  c.expected)
            << c.x << "," << c.y;
    }
}

TEST(RasterCanvas, MarksUseTheLowBytesOfTheEngineColour) {
    struct Case {
        uint32_t colour;
        QRgb expected;
    };
    const Case cases[] = {
        {0x00332211u, 0xFF112233u},
        {0x000000FFu, 0xFFFF0000u},
        {0x00FF0000u, 0xFF0000FFu},
        {0xFFEDCBA9u, 0xFFA9CBEDu},  // the complement made by the invert comparison
    };
    for (const Case& c : cases) {
        QImage image = Filled(12, 12, kBlack);
        RasterCanvas canvas(&image, Glyphs());
        canvas.Point(1, 1, c.colour);
        canvas.Circle(6, 6, 3, c.colour);
        canvas.Box(0, 11, 11, 11, c.colour);
        EXPECT_EQ(image.pixel(1, 1), c.expected);
        EXPECT_EQ(image.pixel(6, 3), c.expected);
        EXPECT_EQ(image.pixel(5, 11), c.expected);
    }
}

TEST(RasterCanvas, BoxesAreOutlinesInAnyCornerOrder) {
    constexpr int kWidth = 10, kHeight = 8;
    struct Case {
        int32_t x1, y1, x2, y2;
        int left, top, right, bottom;
    };
    const Case cases[] = {
        {1, 1, 6, 4, 1, 1, 6, 4},         {6, 4, 1, 1, 1, 1, 6, 4},     {6, 1, 1, 4, 1, 1, 6, 4},
        {1, 4, 6, 1, 1, 1, 6, 4},         {2, 2, 2, 2, 2, 2, 2, 2},     {1, 3, 8, 3, 1, 3, 8, 3},
        {5, 0, 5, 7, 5, 0, 5, 7},         {-2, -3, 3, 3, -2, -3, 3, 3}, {7, 5, 14, 20, 7, 5, 14, 20},
        {-5, -5, 50, 50, -5, -5, 50, 50},
    };
    for (const Case& c : cases) {
        const PixelSet drawn = Draw(
            kWidth, kHeight, [&](RasterCanvas& canvas) { canvas.Box(c.x1, c.y1, c.x2, c.y2, kEngineWhite); });
        EXPECT_EQ(drawn, BoxOutline(c.left, c.top, c.right, c.bottom, kWidth, kHeight))
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }
    // Extreme corners clip without overflowing.
    EXPECT_EQ(
        Draw(4, 4, [](RasterCanvas& canvas) { canvas.Box(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1); }),
        PixelSet{});
}

TEST(RasterCanvas, CirclesAreSymmetricOutlinesOfTheirRadius) {
    constexpr int kCentre = 10;
    struct Case {
        int32_t radius;
        int32_t size;  // the radius that must come out
    };
    const Case cases[] = {{0, 0}, {1, 1}, {3, 3}, {7, 7}, {-3, 3}};
    for (const Case& c : cases) {
        const PixelSet drawn = Draw(
            21, 21, [&](RasterCanvas& canvas) { canvas.Circle(kCentre, kCentre, c.radius, kEngineWhite); });
        if (c.size == 0) {
            EXPECT_EQ(drawn, (PixelSet{{kCentre, kCentre}}));
            continue;
        }
        for (const auto& [x, y] : drawn) {
            const int dx = x - kCentre, dy = y - kCentre;
            EXPECT_LT(std::abs(std::hypot(dx, dy) - c.size), 1.0) << "radius " << c.radius;
            EXPECT_TRUE(drawn.count({kCentre - dx, kCentre + dy}) &&
                        drawn.count({kCentre + dx, kCentre - dy}) &&
                        drawn.count({kCentre + dy, kCentre + dx}))
                << "radius " << c.radius << " at " << dx << "," << dy;
        }
        for (const auto& extreme :
             {std::pair{kCentre + c.size, kCentre}, std::pair{kCentre, kCentre - c.size}})
            EXPECT_TRUE(drawn.count(extreme)) << "radius " << c.radius;
        EXPECT_FALSE(drawn.count({kCentre, kCentre}));
    }
}

TEST(RasterCanvas, CirclesBeyondTheStampSizeAreStillDrawn) {
    // Radius 3000 around a centre far to the left: its rightmost point lands at (10, 5).
    const PixelSet drawn =
        Draw(20, 12, [](RasterCanvas& canvas) { canvas.Circle(-2990, 5, 3000, kEngineWhite); });
    EXPECT_TRUE(drawn.count({10, 5}));
    for (const auto& [x, y] : drawn) EXPECT_LE(x, 10);
}

// Each mark drawn partly outside equals the same mark drawn whole, cut at the edges.
TEST(RasterCanvas, MarksClipAtTheEdges) {
    struct Case {
        const char* name;
        std::function<void(RasterCanvas&, int32_t x, int32_t y)> mark;
    };
    const Case cases[] = {
        {"circle", [](RasterCanvas& c, int32_t x, int32_t y) { c.Circle(x + 5, y + 5, 5, kEngineWhite); }},
        {"box", [](RasterCanvas& c, int32_t x, int32_t y) { c.Box(x, y, x + 9, y + 6, kEngineWhite); }},
        {"character", [](RasterCanvas& c, int32_t x, int32_t y) { c.Character(x, y, "W", kEngineWhite); }},
        {"cyrillic", [](RasterCanvas& c, int32_t x, int32_t y) { c.Character(x, y, "Ж", kEngineWhite); }},
    };
    constexpr int kFar = 20;
    for (const Case& c : cases) {
        const PixelSet whole = Draw(60, 60, [&](RasterCanvas& canvas) { c.mark(canvas, kFar, kFar); });
        ASSERT_FALSE(whole.empty()) << c.name;
        for (const auto& [x, y] : {std::pair{-4, -6}, std::pair{3, -2}, std::pair{-3, 4}, std::pair{6, 5}}) {
            const PixelSet clipped = Draw(10, 8, [&](RasterCanvas& canvas) { c.mark(canvas, x, y); });
            EXPECT_EQ(clipped, Shifted(whole, x - kFar, y - kFar, 10, 8))
                << c.name << " at " << x << "," << y;
        }
    }
}

TEST(RasterCanvas, CharactersSitInTheirCellAndBlendOntoWhatIsThere) {
    struct Case {
        std::string glyph;
        bool drawsSomething;
    };
    const Case cases[] = {{"A", true}, {"g", true}, {"Ж", true}, {"", false}, {" ", false}};
    constexpr QRgb kGrey = 0xFF404040u;
    constexpr int kX = 7, kY = 5;
    for (const Case& c : cases) {
        QImage image = Filled(30, 30, kGrey);
        RasterCanvas canvas(&image, Glyphs());
        canvas.Character(kX, kY, c.glyph, 0x000000FFu);  // red
        const PixelSet drawn = Changed(image, kGrey);
        EXPECT_EQ(!drawn.empty(), c.drawsSomething) << c.glyph;
        // The cell: 13 pixels high and at least as wide, wider for wide letters.
        const int cellWidth =
            std::max(13, QFontMetrics(OutputFont()).horizontalAdvance(QString::fromStdString(c.glyph)));
        int fullyCovered = 0;
        for (const auto& [x, y] : drawn) {
            EXPECT_TRUE(x >= kX && x < kX + cellWidth && y >= kY && y < kY + Glyphs().CellHeight())
                << c.glyph;
            const QRgb pixel = image.pixel(x, y);
            // A blend of grey and red: red rises, green and blue fall together.
            EXPECT_GE(qRed(pixel), 0x40) << c.glyph;
            EXPECT_LE(qGreen(pixel), 0x40) << c.glyph;
            EXPECT_EQ(qGreen(pixel), qBlue(pixel)) << c.glyph;
            if (pixel == 0xFFFF0000u) ++fullyCovered;
        }
        if (c.drawsSomething) {
            EXPECT_GT(fullyCovered, 0) << c.glyph;
        }
    }
}

TEST(RasterCanvas, CyrillicHasItsOwnGlyph) {
    const auto draw = [](const char* glyph) {
        return Draw(30, 30, [&](RasterCanvas& canvas) { canvas.Character(5, 5, glyph, kEngineWhite); });
    };
    // U+0378 is unassigned: it shows the font's missing-glyph box.
    const PixelSet missing = draw("\xCD\xB8");
    EXPECT_NE(draw("Ж"), missing);
    EXPECT_NE(draw("я"), missing);
    EXPECT_NE(draw("Ж"), draw("я"));
}

TEST(RasterCanvas, ANullOrReplacedTargetIsHonoured) {
    RasterCanvas canvas(nullptr, Glyphs());
    canvas.Point(0, 0, kEngineWhite);
    canvas.Circle(0, 0, 2, kEngineWhite);
    canvas.Box(0, 0, 2, 2, kEngineWhite);
    canvas.Character(0, 0, "A", kEngineWhite);

    QImage first = Filled(4, 4, kBlack);
    QImage second = Filled(8, 8, kBlack);
    canvas.SetTarget(&first);
    canvas.Circle(3, 3, 2, kEngineWhite);  // stamps follow the new row length
    canvas.SetTarget(&second);
    canvas.Circle(3, 3, 2, kEngineWhite);
    EXPECT_EQ(Changed(second, kBlack),
              Shifted(Draw(8, 8, [](RasterCanvas& c) { c.Circle(5, 5, 2, 1); }), -2, -2, 8, 8));

    QImage indexed(6, 6, QImage::Format_Indexed8);
    indexed.setColorTable({kBlack});
    indexed.fill(0);
    canvas.SetTarget(&indexed);
    canvas.Point(2, 2, kEngineWhite);
    EXPECT_EQ(indexed.format(), QImage::Format_RGB32);
    EXPECT_EQ(Changed(indexed, kBlack), (PixelSet{{2, 2}}));
}

}  // namespace
}  // namespace glimmet
