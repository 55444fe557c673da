#pragma once

#include "interaction/SelectionDrag.h"
#include "widgets/SourcePictureBox.h"

namespace glimmet {

// The selection rectangle of the source picture box as the mouse handlers reshape it.
class SourceSelection final : public SelectionShape {
  public:
    explicit SourceSelection(SourcePictureBox& box) : box_(box) {}

    ShapeRect Geometry() const override { return box_.Selection(); }
    void SetGeometry(const ShapeRect& geometry) override { box_.SetSelection(geometry); }

  private:
    SourcePictureBox& box_;
};

}  // namespace glimmet
