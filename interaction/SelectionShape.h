#pragma once

namespace glimmet {

// The selection rectangle `sel` in source picture pixels, single precision as the shape keeps it.
struct SelectionGeometry {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// The shape `sel` as the mouse handlers see it.
class SelectionShape {
  public:
    virtual ~SelectionShape() = default;
    virtual SelectionGeometry Geometry() const = 0;
    virtual void SetGeometry(const SelectionGeometry& geometry) = 0;
};

}  // namespace glimmet
