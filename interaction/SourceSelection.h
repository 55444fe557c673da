#pragma once

#include "interaction/SelectionDrag.h"
#include "platform/SourcePictureBox.h"

namespace glimmet {

// The selection rectangle of the source picture box as the mouse handlers reshape it.
class SourceSelection final : public SelectionShape {
  public:
    explicit SourceSelection(SourcePictureBox& box) : box_(box) {}

    SelectionGeometry Geometry() const override {
        const ShapeRect& sel = box_.Selection();
        return {sel.Left, sel.Top, sel.Width, sel.Height};
    }
    void SetGeometry(const SelectionGeometry& geometry) override {
        box_.SetSelection({geometry.Left, geometry.Top, geometry.Width, geometry.Height});
    }

  private:
    SourcePictureBox& box_;
};

}  // namespace glimmet
