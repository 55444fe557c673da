#pragma once

#include "widgets/ShapeRect.h"

namespace glimmet {

// The shape `sel` as the mouse handlers see it.
class SelectionShape {
  public:
    virtual ~SelectionShape() = default;
    virtual ShapeRect Geometry() const = 0;
    virtual void SetGeometry(const ShapeRect& geometry) = 0;
};

}  // namespace glimmet
