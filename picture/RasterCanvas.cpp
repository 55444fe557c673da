#include "picture/RasterCanvas.h"

#include <QPainter>
#include <algorithm>

namespace glimmet {

namespace {

// dst + (src - dst) * weight / 256 per channel, two channels at once; weight in 0..256.
inline QRgb Blend(QRgb dst, QRgb src, uint32_t weight) {
    const uint32_t rest = 256 - weight;
    const uint32_t redBlue = (((src & 0xFF00FFu) * weight + (dst & 0xFF00FFu) * rest) >> 8) & 0xFF00FFu;
    const uint32_t green = (((src & 0x00FF00u) * weight + (dst & 0x00FF00u) * rest) >> 8) & 0x00FF00u;
    return 0xFF000000u | redBlue | green;
}

bool IsThirtyTwoBit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

RasterCanvas::RasterCanvas(QImage* target, GlyphCache& glyphs) : glyphs_(glyphs) {
    SetTarget(target);
}

void RasterCanvas::SetTarget(QImage* target) {
    target_ = target;
    bits_ = nullptr;
    bytesPerLine_ = 0;
    width_ = height_ = 0;
    stampRadius_ = -1;  // the row length may differ
    if (target_ == nullptr || target_->isNull()) return;
    if (!IsThirtyTwoBit(target_->format())) *target_ = target_->convertToFormat(QImage::Format_RGB32);
    bits_ = target_->bits();  // detaches a shared image once, here
    bytesPerLine_ = target_->bytesPerLine();
    width_ = target_->width();
    height_ = target_->height();
}

void RasterCanvas::UseStamp(int32_t radius) {
    stampRadius_ = radius;
    stamp_ = &stamps_.For(radius);
    const ptrdiff_t rowPixels = bytesPerLine_ / static_cast<ptrdiff_t>(sizeof(QRgb));
    stampSteps_.clear();
    for (const CircleStamps::Offset offset : stamp_->offsets)
        stampSteps_.push_back(offset.dy * rowPixels + offset.dx);
}

void RasterCanvas::Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t colour) {
    if (bits_ == nullptr) return;
    const int64_t size = radius < 0 ? -static_cast<int64_t>(radius) : radius;
    const QRgb pixel = EngineToQRgb(colour);
    if (size > CircleStamps::kLargestRadius) {
        PaintedCircle(cx, cy, static_cast<int32_t>(std::min<int64_t>(size, INT32_MAX)), pixel);
        return;
    }
    if (size != stampRadius_) UseStamp(static_cast<int32_t>(size));
    const int64_t reach = stamp_->reach;
    if (cx - reach >= 0 && cy - reach >= 0 && cx + reach < width_ && cy + reach < height_) {
        QRgb* centre = Row(cy) + cx;
        for (const ptrdiff_t step : stampSteps_) centre[step] = pixel;
        return;
    }
    for (const CircleStamps::Offset offset : stamp_->offsets) {
        const int64_t x = static_cast<int64_t>(cx) + offset.dx;
        const int64_t y = static_cast<int64_t>(cy) + offset.dy;
        if (x >= 0 && y >= 0 && x < width_ && y < height_) Row(static_cast<int32_t>(y))[x] = pixel;
    }
}

void RasterCanvas::PaintedCircle(int32_t cx, int32_t cy, int32_t radius, QRgb pixel) {
    {
        QPainter painter(target_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(pixel), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(cx, cy), radius, radius);
    }
    bits_ = target_->bits();  // painting never reallocates, but do not rely on it
}

void RasterCanvas::HorizontalRun(int64_t y, int64_t xFrom, int64_t xTo, QRgb pixel) {
    if (y < 0 || y >= height_) return;
    xFrom = std::max<int64_t>(xFrom, 0);
    xTo = std::min<int64_t>(xTo, width_ - 1);
    if (xFrom > xTo) return;
    QRgb* row = Row(static_cast<int32_t>(y));
    std::fill(row + xFrom, row + xTo + 1, pixel);
}

void RasterCanvas::VerticalRun(int64_t x, int64_t yFrom, int64_t yTo, QRgb pixel) {
    if (x < 0 || x >= width_) return;
    yFrom = std::max<int64_t>(yFrom, 0);
    yTo = std::min<int64_t>(yTo, height_ - 1);
    for (int64_t y = yFrom; y <= yTo; ++y) Row(static_cast<int32_t>(y))[x] = pixel;
}

void RasterCanvas::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    if (bits_ == nullptr) return;
    const QRgb pixel = EngineToQRgb(colour);
    const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (left >= 0 && top >= 0 && right < width_ && bottom < height_) {  // the usual case: no clipping
        QRgb* upper = Row(static_cast<int32_t>(top));
        QRgb* lower = Row(static_cast<int32_t>(bottom));
        for (int64_t x = left; x <= right; ++x) upper[x] = lower[x] = pixel;
        for (int64_t y = top + 1; y < bottom; ++y) {
            QRgb* row = Row(static_cast<int32_t>(y));
            row[left] = row[right] = pixel;
        }
        return;
    }
    HorizontalRun(top, left, right, pixel);
    if (bottom != top) HorizontalRun(bottom, left, right, pixel);
    VerticalRun(left, top + 1, bottom - 1, pixel);
    if (right != left) VerticalRun(right, top + 1, bottom - 1, pixel);
}

void RasterCanvas::Character(int32_t x, int32_t y, std::string_view glyph, uint32_t colour) {
    if (bits_ == nullptr) return;
    const Glyph& shape = glyphs_.For(glyph);
    if (shape.pixels.empty()) return;
    const QRgb pixel = EngineToQRgb(colour);
    const int64_t gx = x, gy = y;
    if (gx + shape.left >= 0 && gy + shape.top >= 0 && gx + shape.right < width_ &&
        gy + shape.bottom < height_) {
        for (const GlyphPixel& covered : shape.pixels) {
            QRgb& target = Row(y + covered.dy)[x + covered.dx];
            target = Blend(target, pixel, covered.weight);
        }
        return;
    }
    for (const GlyphPixel& covered : shape.pixels) {
        const int64_t px = gx + covered.dx;
        const int64_t py = gy + covered.dy;
        if (px < 0 || py < 0 || px >= width_ || py >= height_) continue;
        QRgb& target = Row(static_cast<int32_t>(py))[px];
        target = Blend(target, pixel, covered.weight);
    }
}

}  // namespace glimmet
