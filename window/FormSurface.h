#pragma once

#include "window/FormLayout.h"
#include "window/WindowControls.h"

class QWidget;

namespace glimmet {

class MF;
class TwipPlacement;

// The main window as the layout sees it: its outer size and the four controls the layout moves, all
// in twips.
class FormSurface final : public LayoutSurface {
  public:
    FormSurface(MF& window, TwipPlacement& placement, const WindowControls& controls)
        : window_(window), placement_(placement), c_(controls) {}

    bool Minimised() const override;
    float Width() const override;
    float Height() const override;
    void SetHeight(float twips) override;

    float ControlWidth(LayoutControl control) const override;
    float ControlHeight(LayoutControl control) const override;
    float ControlTop(LayoutControl control) const override;
    float ControlLeft(LayoutControl control) const override;
    void SetControlLeft(LayoutControl control, float twips) override;
    void SetControlTop(LayoutControl control, float twips) override;
    void SetControlWidth(LayoutControl control, float twips) override;
    void SetControlHeight(LayoutControl control, float twips) override;
    void SetControlVisible(LayoutControl control, bool visible) override;

  private:
    QWidget* Widget(LayoutControl control) const;

    MF& window_;
    TwipPlacement& placement_;
    const WindowControls& c_;
};

}  // namespace glimmet
