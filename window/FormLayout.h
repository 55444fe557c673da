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

// Places the input strip, the two pictures and the output backdrop for the window's current size:
// the strip at the top (hidden when the window is narrower than it), the source picture in the left
// half, the output area in the right half, both 0.9 of the window's height tall (less the strip when
// shown). A window lower than 2500 twips is raised to 2500, which lays it out again, nested, before
// this pass goes on. A computed size below 0 is set as 0, which the platform cannot refuse.
// Each product or quotient is computed in double precision and set as single precision; the window's
// size is read afresh for every assignment.
class FormLayout {
  public:
    static constexpr float kGap = 100;
    static constexpr double kPictureShare = 0.9;
    static constexpr float kOutputShortening = 300;
    static constexpr float kMinimumHeight = 2500;

    static void Run(LayoutSurface& window);
};

}  // namespace glimmet
