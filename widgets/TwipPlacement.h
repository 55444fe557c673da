#pragma once

#include <QHash>

#include "widgets/ScreenMetrics.h"

class QWidget;

namespace glimmet {

// A control's position and size in twips, relative to its container, as the window's code sets them.
struct TwipRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Keeps the twip geometry of the window's controls and puts each on the screen in pixels. A control's
// rectangle is its outer edge, border included: each edge is rounded to the nearest pixel on its own,
// so controls laid out side by side keep the gaps between them, and the border is drawn inside. A
// size set as the inner size (SetInnerWidth, SetInnerHeight) is rounded the same way and the border
// pixels are added outside it: a picture box of 281 pixels inside and a 2-pixel border is then 285
// pixels wide. The next SetWidth or SetHeight makes that side an outer size again. Negative sizes
// become 0.
class TwipPlacement {
  public:
    explicit TwipPlacement(ScreenMetrics metrics) : metrics_(metrics) {}

    // Registers `control` with its design geometry and shows it there. `border` pixels of each side
    // belong to the border.
    void Place(QWidget* control, TwipRect rect, int border = 0);

    // The geometry last set; a control never placed reads as all zeros.
    TwipRect Rect(const QWidget* control) const { return entries_.value(control).rect; }

    void SetLeft(QWidget* control, float twips);
    void SetTop(QWidget* control, float twips);
    void SetWidth(QWidget* control, float twips);
    void SetHeight(QWidget* control, float twips);
    void SetInnerWidth(QWidget* control, float twips);
    void SetInnerHeight(QWidget* control, float twips);

    const ScreenMetrics& Metrics() const { return metrics_; }

  private:
    struct Entry {
        TwipRect rect;
        int border = 0;
        bool innerWidth = false;
        bool innerHeight = false;
    };
    // Sets one side of the control's rectangle and places it again.
    void Set(QWidget* control, float TwipRect::*side, float twips);
    // Sets the width or the height, as an outer or an inner size.
    void SetSize(QWidget* control, float TwipRect::*side, float twips, bool inner);
    void Apply(QWidget* control, const Entry& entry) const;

    ScreenMetrics metrics_;
    QHash<const QWidget*, Entry> entries_;
};

}  // namespace glimmet
