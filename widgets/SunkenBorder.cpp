#include "widgets/SunkenBorder.h"

#include <QPainter>

namespace glimmet {

void PaintSunkenBorder(QPainter& painter, const QRect& outer) {
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto frame = [&painter](const QRect& r, QColor topLeft, QColor bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    };
    frame(outer, QColor(128, 128, 128), QColor(255, 255, 255));
    frame(inner, QColor(0, 0, 0), QColor(212, 208, 200));
}

}  // namespace glimmet
