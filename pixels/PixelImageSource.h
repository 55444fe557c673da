#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels/ColourConversion.h"
#include "pixels/PixelImage.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Reads a decoded picture's pixels as the walk sees them: 0x00BBGGRR, or -1 outside the picture.
// The picture is the caller's and must outlive the source; its alpha, if any, is ignored.
class PixelImageSource final : public PixelSource {
  public:
    explicit PixelImageSource(const PixelImage& image)
        : bits_(image.Bits()),
          bytesPerLine_(image.BytesPerLine()),
          width_(image.Width()),
          height_(image.Height()) {}

    int32_t GetPixel(int32_t x, int32_t y) override {
        if (static_cast<uint32_t>(x) >= static_cast<uint32_t>(width_) ||
            static_cast<uint32_t>(y) >= static_cast<uint32_t>(height_))
            return -1;
        return QRgbToEngine(reinterpret_cast<const uint32_t*>(bits_ + y * bytesPerLine_)[x]);
    }

  private:
    const uint8_t* bits_;
    ptrdiff_t bytesPerLine_;
    int32_t width_;
    int32_t height_;
};

}  // namespace glimmet
