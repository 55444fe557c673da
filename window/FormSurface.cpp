#include "window/FormSurface.h"

#include "widgets/FrameBox.h"
#include "widgets/PictureBox.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/TwipPlacement.h"
#include "window/MF.h"

namespace glimmet {

bool FormSurface::Minimised() const {
    return window_.isMinimized();
}
float FormSurface::Width() const {
    return window_.TwipsWidth();
}
float FormSurface::Height() const {
    return window_.TwipsHeight();
}
void FormSurface::SetHeight(float twips) {
    window_.SetTwipsSize(window_.TwipsWidth(), twips);
}

QWidget* FormSurface::Widget(LayoutControl control) const {
    switch (control) {
        case LayoutControl::Action:
            return c_.action;
        case LayoutControl::SourcePic:
            return c_.source_pic;
        case LayoutControl::OutPic:
            return c_.out_pic;
        case LayoutControl::BackPic:
            return c_.backpic;
    }
    return nullptr;
}

float FormSurface::ControlWidth(LayoutControl control) const {
    return placement_.Rect(Widget(control)).Width;
}
float FormSurface::ControlHeight(LayoutControl control) const {
    return placement_.Rect(Widget(control)).Height;
}
float FormSurface::ControlTop(LayoutControl control) const {
    return placement_.Rect(Widget(control)).Top;
}
float FormSurface::ControlLeft(LayoutControl control) const {
    return placement_.Rect(Widget(control)).Left;
}
void FormSurface::SetControlLeft(LayoutControl control, float twips) {
    placement_.SetLeft(Widget(control), twips);
}
void FormSurface::SetControlTop(LayoutControl control, float twips) {
    placement_.SetTop(Widget(control), twips);
}
void FormSurface::SetControlWidth(LayoutControl control, float twips) {
    placement_.SetWidth(Widget(control), twips);
}
void FormSurface::SetControlHeight(LayoutControl control, float twips) {
    placement_.SetHeight(Widget(control), twips);
}
void FormSurface::SetControlVisible(LayoutControl control, bool visible) {
    Widget(control)->setVisible(visible);
}

}  // namespace glimmet
