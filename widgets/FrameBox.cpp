#include "widgets/FrameBox.h"

#include <QPainter>

namespace glimmet {

FrameBox::FrameBox(QWidget* parent, const QString& caption, QColor background, QColor text)
    : QWidget(parent), caption_(caption), background_(background), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    // Etched outline: a dark line with a light one just below and right of it.
    const QRect outline(0, lineY, width() - 2, height() - lineY - 2);
    painter.setPen(background_.darker(160));
    painter.drawRect(outline);
    painter.setPen(background_.lighter(130));
    painter.drawRect(outline.translated(1, 1));
    // The caption interrupts the outline at its top-left.
    const int captionLeft = 8;
    const QRect captionRect(captionLeft - 2, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(captionRect, background_);
    painter.setPen(text_);
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}

}  // namespace glimmet
