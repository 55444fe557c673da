#include "widgets/TwipPlacement.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

#include "render/OutputSize.h"

namespace glimmet {

namespace {

int64_t Pixel(double twips, float perPixel) {
    return static_cast<int64_t>(std::nearbyint(twips / perPixel));
}

// One axis on the screen: the start pixel and the outer size. Sizes beyond what a widget can have
// are the caller's to refuse before they get here.
std::pair<int, int> Span(float start, float size, float perPixel, int border, bool inner) {
    const int64_t first = Pixel(start, perPixel);
    const int64_t outer = inner ? TwipsToPixels(size, perPixel) + 2 * border
                                : std::max<int64_t>(0, Pixel(double{start} + size, perPixel) - first);
    return {static_cast<int>(first), static_cast<int>(std::min<int64_t>(outer, QWIDGETSIZE_MAX))};
}

}  // namespace

void TwipPlacement::Place(QWidget* control, TwipRect rect, int border) {
    Entry& entry = entries_[control];
    entry = Entry{rect, border};
    Apply(control, entry);
}

void TwipPlacement::SetLeft(QWidget* control, float twips) {
    Set(control, &TwipRect::Left, twips);
}

void TwipPlacement::SetTop(QWidget* control, float twips) {
    Set(control, &TwipRect::Top, twips);
}

void TwipPlacement::SetWidth(QWidget* control, float twips) {
    SetSize(control, &TwipRect::Width, twips, false);
}

void TwipPlacement::SetHeight(QWidget* control, float twips) {
    SetSize(control, &TwipRect::Height, twips, false);
}

void TwipPlacement::SetInnerWidth(QWidget* control, float twips) {
    SetSize(control, &TwipRect::Width, twips, true);
}

void TwipPlacement::SetInnerHeight(QWidget* control, float twips) {
    SetSize(control, &TwipRect::Height, twips, true);
}

void TwipPlacement::SetSize(QWidget* control, float TwipRect::*side, float twips, bool inner) {
    Entry& entry = entries_[control];
    (side == &TwipRect::Width ? entry.innerWidth : entry.innerHeight) = inner;
    Set(control, side, twips);
}

void TwipPlacement::Set(QWidget* control, float TwipRect::*side, float twips) {
    Entry& entry = entries_[control];
    entry.rect.*side = twips;
    Apply(control, entry);
}

void TwipPlacement::Apply(QWidget* control, const Entry& entry) const {
    const auto [x, width] =
        Span(entry.rect.Left, entry.rect.Width, metrics_.TwipsPerPixelX, entry.border, entry.innerWidth);
    const auto [y, height] =
        Span(entry.rect.Top, entry.rect.Height, metrics_.TwipsPerPixelY, entry.border, entry.innerHeight);
    control->setGeometry(x, y, width, height);
}

}  // namespace glimmet
