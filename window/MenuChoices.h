#pragma once

#include <cstddef>
#include <cstdint>

#include "render/RenderState.h"
#include "window/WindowControls.h"
#include "window/WindowMenus.h"

namespace glimmet {

class DialogService;
class StatusPanels;

// The choices the Fill and Parameters menus make: the fill mode, the comparison and its colour
// tolerance go into the render state, the fill and comparison items are checked one of a group, and
// the status panels name them; a preset writes its number into both steps and the zoom, whose change
// handlers then run as if typed.
class MenuChoices final {
  public:
    MenuChoices(RenderState& render, const WindowMenus& menus, const WindowControls& controls,
                StatusPanels& status, DialogService& dialogs)
        : render_(render), m_(menus), c_(controls), status_(status), dialogs_(dialogs) {}

    // `mode` is one of kFillPoints .. kFillText. Text fill has no inversion.
    void Fill(int16_t mode);
    // `meth` is one of kMethEqual .. kMethInvert.
    void Method(uint8_t meth);
    // Asks for the tolerance, proposing the current one; a cancel changes nothing.
    void Tolerance();
    // `index` 0, 1, 2: the presets 1-1-1, 2-2-2, 3-3-3.
    void Preset(size_t index);

  private:
    void ShowMethod();

    RenderState& render_;
    const WindowMenus& m_;
    const WindowControls& c_;
    StatusPanels& status_;
    DialogService& dialogs_;
};

}  // namespace glimmet
