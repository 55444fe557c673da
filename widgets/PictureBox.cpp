#include "widgets/PictureBox.h"

#include <QPainter>
#include <cstring>

#include "picture/LargePagedImage.h"
#include "widgets/SunkenBorder.h"

namespace glimmet {

PictureBox::PictureBox(QWidget* parent, QColor background, bool sunken)
    : QWidget(parent), background_(background), border_(sunken ? kSunkenBorder : 0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    ResetScreen();
}

QSize PictureBox::InnerSize() const {
    return QSize(std::max(0, width() - 2 * border_), std::max(0, height() - 2 * border_));
}

void PictureBox::SetAutoRedraw(bool on) {
    SyncSize();
    if (on == autoRedraw_) return;
    autoRedraw_ = on;
    // Switching off shows the retained image as the background of what is drawn next.
    if (!on) ResetScreen();
    ++generation_;
    update();
}

void PictureBox::Cls() {
    SyncSize();
    if (autoRedraw_) {
        if (!retained_.isNull()) retained_.fill(background_);
    } else {
        ResetScreen();
        ++generation_;
    }
    update();
}

QImage* PictureBox::DrawTarget() {
    SyncSize();
    if (!autoRedraw_) return &screen_;
    EnsureRetained();
    return &retained_;
}

QImage PictureBox::Image() {
    SyncSize();
    return retained_.isNull() ? Blank() : retained_.copy();
}

QImage PictureBox::Shown() {
    SyncSize();
    if (!autoRedraw_) return screen_.copy();
    return Image();
}

void PictureBox::paintEvent(QPaintEvent*) {
    SyncSize();
    QPainter painter(this);
    if (border_ > 0) PaintSunkenBorder(painter, rect());
    const QRect inner = rect().adjusted(border_, border_, -border_, -border_);
    painter.setClipRect(inner);
    painter.fillRect(inner, background_);
    const QImage& shown = autoRedraw_ ? retained_ : screen_;
    if (!shown.isNull()) painter.drawImage(inner.topLeft(), shown);
}

void PictureBox::SyncSize() {
    if (screen_.size() == InnerSize()) return;
    if (!retained_.isNull() && retained_.size() != InnerSize()) {
        QImage resized = Blank();
        if (!resized.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, retained_);
        }
        retained_ = resized;
    }
    ResetScreen();
    ++generation_;
}

QImage PictureBox::Blank() const {
    QImage image = LargePagedImage(InnerSize().width(), InnerSize().height(), QImage::Format_RGB32);
    if (!image.isNull()) image.fill(background_);
    return image;
}

void PictureBox::EnsureRetained() {
    if (retained_.isNull() || retained_.size() != InnerSize()) {
        retained_ = Blank();
        ++generation_;
    }
}

void PictureBox::ResetScreen() {
    if (retained_.isNull()) {
        screen_ = Blank();
        return;
    }
    // A copy as Blank() gives it, so that a large one is not written page by small page either.
    screen_ = LargePagedImage(retained_.width(), retained_.height(), retained_.format());
    if (screen_.bytesPerLine() == retained_.bytesPerLine()) {
        std::memcpy(screen_.bits(), retained_.constBits(), static_cast<size_t>(retained_.sizeInBytes()));
        screen_.setDotsPerMeterX(retained_.dotsPerMeterX());
        screen_.setDotsPerMeterY(retained_.dotsPerMeterY());
    } else {
        screen_ = retained_.copy();
    }
}

}  // namespace glimmet
