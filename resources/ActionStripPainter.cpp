#include "resources/ActionStripPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "resources/ImageFonts.h"
#include "resources/ImagePalette.h"
#include "resources/ImageTexts.h"
#include "resources/StripLayout.h"

namespace glimmet {

namespace {

constexpr uint32_t kGrainSeed = 0x6A1E5u;
constexpr uint32_t kMottleSeed = 0x51D07u;
constexpr int kLabelGap = 4;        // pixels between a label and its box
constexpr int kMagnifierSize = 11;  // the sign drawn between "ЗУМ" and its box

// A hash of a pixel position rather than a generator's sequence: the texture then depends on nothing
// but the position and the seed, whatever order the pixels are visited in.
uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x8DA6B343u) ^ (static_cast<uint32_t>(y) * 0xD8163841u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// -1 to 1.
double Unit(uint32_t h) {
    return (h & 0xFFFFu) / 32767.5 - 1.0;
}

// Smooth noise over a lattice of `cell` pixels: the broad mottling of the stone.
double ValueNoise(int x, int y, int cell, uint32_t seed) {
    const int cx = x / cell;
    const int cy = y / cell;
    const double fx = double(x % cell) / cell;
    const double fy = double(y % cell) / cell;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = Unit(Hash(cx, cy, seed)) * (1 - sx) + Unit(Hash(cx + 1, cy, seed)) * sx;
    const double bottom = Unit(Hash(cx, cy + 1, seed)) * (1 - sx) + Unit(Hash(cx + 1, cy + 1, seed)) * sx;
    return top * (1 - sy) + bottom * sy;
}

// Brightness change of one pixel: mottling, fine grain and sparse dark and light flecks. Kept within a
// few levels of the ground so the labels stay readable on it.
int GraniteShade(int x, int y) {
    double shade = 8 * ValueNoise(x, y, 9, kMottleSeed) + 4 * ValueNoise(x, y, 3, kMottleSeed + 1);
    const uint32_t h = Hash(x, y, kGrainSeed);
    shade += 4 * Unit(h);
    const uint32_t fleck = (h >> 16) % 1000;
    if (fleck < 25) {
        shade -= 34;
    } else if (fleck < 60) {
        shade -= 16;
    } else if (fleck < 80) {
        shade += 24;
    }
    return static_cast<int>(std::lround(shade));
}

void PaintGranite(QImage& image) {
    const QColor ground(ImagePalette::kLightOrange);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = GraniteShade(x, y);
            line[x] = qRgb(std::clamp(ground.red() + d, 0, 255), std::clamp(ground.green() + d, 0, 255),
                           std::clamp(ground.blue() + d, 0, 255));
        }
    }
}

// An etched groove round the strip, the usual frame of a panel of that era.
void PaintGroove(QPainter& p, const QRect& area) {
    const QColor dark(196, 128, 64);
    const QColor light(255, 232, 204);
    const int right = area.right();
    const int bottom = area.bottom();
    p.setPen(dark);
    p.drawLine(0, 0, right - 1, 0);
    p.drawLine(0, 0, 0, bottom - 1);
    p.drawLine(1, bottom - 1, right - 1, bottom - 1);
    p.drawLine(right - 1, 1, right - 1, bottom - 1);
    p.setPen(light);
    p.drawLine(1, 1, right - 2, 1);
    p.drawLine(1, 1, 1, bottom - 2);
    p.drawLine(0, bottom, right, bottom);
    p.drawLine(right, 0, right, bottom);
}

// Colour bands that show above and below each colour box and tell the three boxes apart at a glance.
void PaintSwatch(QPainter& p, const QRect& box, const QColor& colour) {
    const QRectF swatch = QRectF(box).adjusted(0.5, -4.5, -0.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawRoundedRect(swatch, 2.5, 2.5);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(swatch.left() + 2, swatch.top() + 1), QPointF(swatch.right() - 2, swatch.top() + 1));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void PaintMagnifier(QPainter& p, const QRectF& cell) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF lens(cell.left() + 4.5, cell.top() + 4.5);
    p.setPen(QPen(QColor(ImagePalette::kInk), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(2.8, 2.8), QPointF(cell.right() - 0.5, cell.bottom() - 0.5));
    p.setPen(QPen(QColor(ImagePalette::kInk), 1.3));
    p.setBrush(QColor(255, 248, 232));
    p.drawEllipse(lens, 3.4, 3.4);
    p.setRenderHint(QPainter::Antialiasing, false);
}

struct Label {
    QString text;
    int roomLeft;   // where the free space before the box starts
    int roomRight;  // right edge of the text, exclusive
    int boxTop;
    int boxHeight;
};

// Engraved look: a light line under dark text, readable on the flecked ground.
void PaintLabel(QPainter& p, const Label& label) {
    const QRectF line(label.roomLeft, label.boxTop, label.roomRight - label.roomLeft, label.boxHeight);
    p.setPen(QColor(255, 240, 220, 170));
    p.drawText(line.translated(0, 1), Qt::AlignRight | Qt::AlignVCenter, label.text);
    p.setPen(QColor(ImagePalette::kInk));
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, label.text);
}

}  // namespace

QImage ActionStripPainter::Paint() {
    const QRect red = StripLayout::ToStrip(StripLayout::kRedBox);
    const QRect green = StripLayout::ToStrip(StripLayout::kGreenBox);
    const QRect blue = StripLayout::ToStrip(StripLayout::kBlueBox);
    const QRect button = StripLayout::ToStrip(StripLayout::kTransferButton);
    const QRect xStep = StripLayout::ToStrip(StripLayout::kXStepBox);
    const QRect yStep = StripLayout::ToStrip(StripLayout::kYStepBox);
    const QRect zoom = StripLayout::ToStrip(StripLayout::kZoomBox);
    const QRect fill = StripLayout::ToStrip(StripLayout::kFillBox);
    // The button's corners are light orange; a one-pixel margin of the same at the sides and below keeps
    // the texture from showing round them (above, the groove's light line is already that close).
    const QRect gap = button.adjusted(-1, 0, 1, 1);
    const int zoomTextRight = zoom.left() - kLabelGap - kMagnifierSize - 3;

    const std::vector<Label> labels = {
        {QCoreApplication::translate(image_texts::kContext, image_texts::kRgbKey), 4, red.left() - kLabelGap,
         red.top(), red.height()},
        {QCoreApplication::translate(image_texts::kContext, image_texts::kXStep), gap.right() + 1 + kLabelGap,
         xStep.left() - kLabelGap, xStep.top(), xStep.height()},
        {QCoreApplication::translate(image_texts::kContext, image_texts::kYStep),
         xStep.right() + 1 + kLabelGap, yStep.left() - kLabelGap, yStep.top(), yStep.height()},
        {QCoreApplication::translate(image_texts::kContext, image_texts::kZoom),
         yStep.right() + 1 + kLabelGap, zoomTextRight, zoom.top(), zoom.height()},
        {QCoreApplication::translate(image_texts::kContext, image_texts::kFillText),
         zoom.right() + 1 + kLabelGap, fill.left() - kLabelGap, fill.top(), fill.height()},
    };
    std::vector<ImageFonts::Fit> fits;
    fits.reserve(std::size(labels));
    for (const Label& label : labels) {
        fits.push_back({label.text, qreal(label.roomRight - label.roomLeft)});
    }
    // One size for every label, the largest at which the longest fits its room.
    const int pixelSize = ImageFonts::FittingPixelSize(fits, 12, 7, QFont::Bold);

    QImage image(StripLayout::kWidth, StripLayout::kHeight, QImage::Format_RGB32);
    PaintGranite(image);
    QPainter p(&image);
    PaintGroove(p, image.rect());
    p.fillRect(gap, QColor(ImagePalette::kLightOrange));
    PaintSwatch(p, red, QColor(220, 40, 32));
    PaintSwatch(p, green, QColor(32, 168, 48));
    PaintSwatch(p, blue, QColor(36, 64, 224));

    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(ImageFonts::Sans(pixelSize, QFont::Bold));
    for (const Label& label : labels) {
        PaintLabel(p, label);
    }
    const qreal boxMiddle = zoom.top() + zoom.height() / 2.0;
    PaintMagnifier(p, QRectF(zoom.left() - kLabelGap - kMagnifierSize, boxMiddle - kMagnifierSize / 2.0,
                             kMagnifierSize, kMagnifierSize));
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace glimmet
