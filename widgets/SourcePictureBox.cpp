#include "widgets/SourcePictureBox.h"

#include <QPainter>
#include <cmath>

#include "pixels/ColourConversion.h"
#include "widgets/SunkenBorder.h"

namespace glimmet {

namespace {

// Inverts every other pixel of the rectangle's outline (a dotted line in invert mode), each pixel
// once, clipped to the image. The rectangle spans [left, right) x [top, bottom).
void InvertDottedOutline(QImage& image, int left, int top, int right, int bottom) {
    if (image.isNull() || right <= left || bottom <= top) return;
    const auto invert = [&image](int x, int y) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || ((x + y) & 1) != 0) return;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[x] ^= 0x00FFFFFFu;
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 > top) invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 > left) invert(right - 1, y);
    }
}

int Round(float value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

SourcePictureBox::SourcePictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    Compose();
}

int SourcePictureBox::Border() const {
    return kSunkenBorder;
}

QSize SourcePictureBox::InnerSize() const {
    return QSize(std::max(0, width() - 2 * kSunkenBorder), std::max(0, height() - 2 * kSunkenBorder));
}

void SourcePictureBox::SetPicture(const QImage& picture) {
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    Compose();
}

// The outline is drawn by inverting pixels, so inverting the same pixels again takes it away: moving
// or hiding it touches only its own pixels, never the whole picture (a drag stays quick on large
// pictures).
void SourcePictureBox::SetSelection(const ShapeRect& rect) {
    if (borderStyle_ == kNoOutline) {
        selection_ = rect;
        return;
    }
    InvertOutline();
    selection_ = rect;
    InvertOutline();
    update();
}

void SourcePictureBox::SetBorderStyle(int16_t style) {
    if ((style != kNoOutline) != (borderStyle_ != kNoOutline)) {
        InvertOutline();
        update();
    }
    borderStyle_ = style;
}

void SourcePictureBox::InvertOutline() {
    InvertDottedOutline(shown_, Round(selection_.Left), Round(selection_.Top),
                        Round(selection_.Left + selection_.Width), Round(selection_.Top + selection_.Height));
}

int32_t SourcePictureBox::GetPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= shown_.width() || y >= shown_.height()) return -1;
    return QRgbToEngine(reinterpret_cast<const QRgb*>(shown_.constScanLine(y))[x]);
}

void SourcePictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSunkenBorder(painter, rect());
    painter.drawImage(kSunkenBorder, kSunkenBorder, shown_);
}

void SourcePictureBox::resizeEvent(QResizeEvent*) {
    Compose();
}

void SourcePictureBox::Compose() {
    shown_ = QImage(InnerSize(), QImage::Format_RGB32);
    if (shown_.isNull()) return;
    shown_.fill(Qt::black);
    if (!picture_.isNull()) {
        QPainter painter(&shown_);
        painter.drawImage(0, 0, picture_);
    }
    if (borderStyle_ != kNoOutline) InvertOutline();
    update();
}

}  // namespace glimmet
