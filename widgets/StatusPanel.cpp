#include "widgets/StatusPanel.h"

#include <QEvent>
#include <QPainter>

namespace glimmet {

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setContentsMargins(4, 0, 4, 0);
}

void StatusPanel::SetText(const QString& text) {
    text_ = text;
    Fit();
}

QSize StatusPanel::sizeHint() const {
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(text_) + margins.left() + margins.right(),
                 fontMetrics().height() + margins.top() + margins.bottom());
}

QSize StatusPanel::minimumSizeHint() const {
    return QSize(2 * frameWidth(), sizeHint().height());
}

void StatusPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, shown_);
}

void StatusPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Fit();
}

void StatusPanel::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) Fit();
}

void StatusPanel::Fit() {
    shown_ = fontMetrics().elidedText(text_, Qt::ElideRight, std::max(0, contentsRect().width()));
    setToolTip(shown_ == text_ ? QString() : text_);
    update();
}

}  // namespace glimmet
