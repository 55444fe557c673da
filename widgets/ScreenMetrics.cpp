#include "widgets/ScreenMetrics.h"

#include <QScreen>

namespace glimmet {

ScreenMetrics ScreenMetrics::Of(const QScreen* screen) {
    ScreenMetrics metrics;
    if (screen == nullptr) return metrics;
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    if (dpiX > 0) metrics.TwipsPerPixelX = static_cast<float>(1440.0 / dpiX);
    if (dpiY > 0) metrics.TwipsPerPixelY = static_cast<float>(1440.0 / dpiY);
    return metrics;
}

}  // namespace glimmet
