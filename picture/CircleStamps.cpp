#include "picture/CircleStamps.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace glimmet {

const CircleStamps::Stamp& CircleStamps::For(int32_t radius) {
    auto found = stamps_.find(radius);
    if (found == stamps_.end()) found = stamps_.emplace(radius, Render(radius)).first;
    return found->second;
}

CircleStamps::Stamp CircleStamps::Render(int32_t radius) {
    Stamp stamp;
    if (radius <= 0) {
        stamp.offsets.push_back({0, 0});
        return stamp;
    }
    // Two spare pixels on each side in case the rasteriser rounds outward.
    const int32_t centre = radius + 2;
    const int32_t size = 2 * centre + 1;
    QImage mask(size, size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(centre, centre), radius, radius);
    }
    for (int32_t y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int32_t x = 0; x < size; ++x) {
            if ((row[x] & 0xFFFFFFu) == 0) continue;
            const int32_t dx = x - centre;
            const int32_t dy = y - centre;
            stamp.offsets.push_back({static_cast<int16_t>(dx), static_cast<int16_t>(dy)});
            stamp.reach = std::max({stamp.reach, std::abs(dx), std::abs(dy)});
        }
    }
    stamp.offsets.shrink_to_fit();
    return stamp;
}

}  // namespace glimmet
