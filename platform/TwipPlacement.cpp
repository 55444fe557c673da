#include "platform/TwipPlacement.h"

#include <QWidget>

#include <cmath>

#include "render/OutputSize.h"

namespace glimmet {

void TwipPlacement::Place(QWidget* control, TwipRect rect, int border) {
    Entry& entry = entries_[control];
    entry.rect = rect;
    entry.border = border;
    Apply(control, entry);
}

void TwipPlacement::SetLeft(QWidget* control, float twips) {
    Set(control, &TwipRect::Left, twips);
}

void TwipPlacement::SetTop(QWidget* control, float twips) {
    Set(control, &TwipRect::Top, twips);
}

void TwipPlacement::SetWidth(QWidget* control, float twips) {
    Set(control, &TwipRect::Width, twips);
}

void TwipPlacement::SetHeight(QWidget* control, float twips) {
    Set(control, &TwipRect::Height, twips);
}

void TwipPlacement::Set(QWidget* control, float TwipRect::*side, float twips) {
    Entry& entry = entries_[control];
    entry.rect.*side = twips;
    Apply(control, entry);
}

void TwipPlacement::Apply(QWidget* control, const Entry& entry) const {
    const float x = metrics_.TwipsPerPixelX;
    const float y = metrics_.TwipsPerPixelY;
    // Sizes follow the output picture's rule (inner pixels, border outside); sizes beyond what a
    // widget can have are the caller's to refuse before they get here.
    const auto size = [](float twips, float perPixel, int border) {
        return static_cast<int>(
            std::min<int64_t>(TwipsToPixels(twips, perPixel) + 2 * border, QWIDGETSIZE_MAX));
    };
    const auto position = [](float twips, float perPixel) {
        return static_cast<int>(std::nearbyint(static_cast<double>(twips) / perPixel));
    };
    control->setGeometry(position(entry.rect.Left, x), position(entry.rect.Top, y),
                         size(entry.rect.Width, x, entry.border), size(entry.rect.Height, y, entry.border));
}

}  // namespace glimmet
