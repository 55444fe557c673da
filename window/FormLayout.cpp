#include "window/FormLayout.h"

namespace glimmet {

namespace {

float Size(double twips) {
    return twips < 0 ? 0.0f : static_cast<float>(twips);
}

}  // namespace

void FormLayout::Run(LayoutSurface& w) {
    using C = LayoutControl;
    if (w.Minimised()) return;
    w.SetControlLeft(C::Action, 0);
    const bool narrow = w.Width() < w.ControlWidth(C::Action);
    if (narrow) {
        w.SetControlVisible(C::Action, false);
        w.SetControlTop(C::SourcePic, kGap);
        w.SetControlTop(C::OutPic, kGap);
        w.SetControlHeight(C::SourcePic, Size(w.Height() * kPictureShare));
        w.SetControlHeight(C::OutPic, Size(w.Height() * kPictureShare));
    } else {
        w.SetControlVisible(C::Action, true);
        w.SetControlTop(C::SourcePic, w.ControlHeight(C::Action) + kGap);
        w.SetControlTop(C::OutPic, w.ControlHeight(C::Action) + kGap);
        w.SetControlHeight(C::SourcePic, Size(w.Height() * kPictureShare - w.ControlHeight(C::Action)));
        w.SetControlHeight(C::OutPic, Size(w.Height() * kPictureShare - w.ControlHeight(C::Action)));
    }
    if (w.Height() < kMinimumHeight) w.SetHeight(kMinimumHeight);
    w.SetControlWidth(C::SourcePic, Size(w.Width() / 2.0));
    w.SetControlLeft(C::OutPic, static_cast<float>(w.Width() / 2.0 + kGap));
    w.SetControlWidth(C::OutPic, Size(w.Width() / 2.0 - kOutputShortening));
    w.SetControlTop(C::BackPic, w.ControlTop(C::OutPic));
    w.SetControlLeft(C::BackPic, w.ControlLeft(C::OutPic));
    w.SetControlWidth(C::BackPic, w.ControlWidth(C::OutPic));
    w.SetControlHeight(C::BackPic, w.ControlHeight(C::OutPic));
}

}  // namespace glimmet
