#pragma once

#include <cstdint>
#include <string>

#include "render/RenderState.h"

namespace glimmet {

// Everything the window remembers during a run; nothing of it is kept between runs.
// `render` holds what a running walk reads live (col, Xst, Yst, ZOOM, METH, FillMode and the page
// path of the export); a walk holds it by reference, so changes made during the walk reach it.
struct WindowState {
    RenderState render;
    // Reference colour components as last taken from the three colour fields.
    uint8_t ColRed = 0;
    uint8_t ColGreen = 0;
    uint8_t ColBlue = 255;
    // The last file name taken from the file dialog: a picture opened or saved, or a page chosen.
    // Walks never write to it: they append to render.PagePath, which only a page file the export
    // could open takes, so a transfer in the page fill mode never appends to a picture file.
    std::string FilePath;
    int16_t Dragging = 0;  // 0 false, -1 true: a left-button drag of the selection is under way
    int16_t MouseX = 0;    // last pointer position over the source picture, in its pixels
    int16_t MouseY = 0;
};

}  // namespace glimmet
