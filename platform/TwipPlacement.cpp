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
    Entry& entry = entries_[control];
    entry.rect.Left = twips;
    Apply(control, entry);
}

void TwipPlacement::SetTop(QWidget* control, float twips) {
    Entry& entry = entries_[control];
    entry.rect.Top = twips;
    Apply(control, entry);
}

void TwipPlacement::SetWidth(QWidget* control, float twips) {
    Entry& entry = entries_[control];
    entry.rect.Width = twips;
    Apply(control, entry);
}

void TwipPlacement::SetHeight(QWidget* control, float twips) {
    Entry& entry = entries_[control];
    entry.rect.Height = twips;
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
