#pragma once

namespace glimmet {

// Geometry of the selection rectangle `sel`, in source picture pixels, single precision as the shape
// keeps it. Plain data, free of Qt, so that the mouse handlers' logic can use it too.
struct ShapeRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

}  // namespace glimmet
