#pragma once

#include <string>

#include "interaction/DragState.h"
#include "params/ColourComponents.h"
#include "render/RenderState.h"

namespace glimmet {

// Everything the window remembers during a run; nothing of it is kept between runs. Each command
// is given only its own share: the field handlers the colour components, the mouse handlers the drag
// state, the transfer the render state, open and save the file path.
// `render` holds what a running walk reads live (col, Xst, Yst, ZOOM, METH, Tolerance, FillMode and
// the page path of the export); a walk holds it by reference, so changes made during the walk reach it.
struct WindowState : ColourComponents, DragState {
    RenderState render;
    // File names are kept as their bytes, in Qt's file-name encoding.
    // The last file name taken from the file dialog: a picture opened or saved, or a page chosen.
    // Walks never write to it: they append to render.PagePath, which only a page file the export
    // could open takes, so a transfer in the page fill mode never appends to a picture file.
    std::string FilePath;
    // The file whose picture the source picture shows; empty for the start-up picture. Save asks
    // before it replaces this file; no page goes into it.
    std::string PicturePath;
    // The last bitmap Save wrote; no page goes into it either.
    std::string SavedPath;
};

}  // namespace glimmet
