#pragma once

namespace glimmet {

// The controls that the layout moves.
enum class LayoutControl { Action, SourcePic, OutPic, BackPic };

// What the layout reads and writes of the window, all in twips.
class LayoutSurface {
  public:
    virtual ~LayoutSurface() = default;
    virtual bool Minimised() const = 0;
    // The window's outer size, borders, title bar and menu bar included.
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    // Sets the window's outer height. The window lays itself out again for the new height, completely,
    // before this returns.
    virtual void SetHeight(float twips) = 0;

    virtual float ControlWidth(LayoutControl control) const = 0;
    virtual float ControlHeight(LayoutControl control) const = 0;
    virtual float ControlTop(LayoutControl control) const = 0;
    virtual float ControlLeft(LayoutControl control) const = 0;
    virtual void SetControlLeft(LayoutControl control, float twips) = 0;
    virtual void SetControlTop(LayoutControl control, float twips) = 0;
    virtual void SetControlWidth(LayoutControl control, float twips) = 0;
    virtual void SetControlHeight(LayoutControl control, float twips) = 0;
    virtual void SetControlVisible(LayoutControl control, bool visible) = 0;
};

}  // namespace glimmet
