#pragma once

#include "render/MarkCanvas.h"

namespace glimmet {

// Where marks go when no output picture is wanted.
class NullCanvas final : public MarkCanvas {
  public:
    void Point(int32_t, int32_t, uint32_t) override {}
    void Circle(int32_t, int32_t, int32_t, uint32_t) override {}
    void Box(int32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    void Character(int32_t, int32_t, std::string_view, uint32_t) override {}
    bool KeepsMarks() const override { return false; }
};

}  // namespace glimmet
