#include "widgets/ImageBox.h"

#include <utility>

#include <QMouseEvent>
#include <QPainter>

namespace glimmet {

namespace {

int16_t ButtonValue(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

ImageBox::ImageBox(QWidget* parent, QColor background) : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void ImageBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawImage(0, 0, picture_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (const int16_t button = ButtonValue(event->button())) emit MouseDown(button);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    const int16_t button = ButtonValue(event->button());
    if (button == 0) return;
    emit MouseUp(button);
    const bool doubleClick = std::exchange(releaseEndsDoubleClick_, false);
    if (button == 1 && !doubleClick && rect().contains(event->position().toPoint())) emit Click();
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    const int16_t button = ButtonValue(event->button());
    if (button == 0) return;
    releaseEndsDoubleClick_ = button == 1;
    emit MouseDown(button);
}

}  // namespace glimmet
