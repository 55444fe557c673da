#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels/ColourConversion.h"
#include "pixels/PixelImage.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Reads a decoded picture's pixels as the walk sees them: 0x00BBGGRR, or -1 outside the picture.
// The pixels are the caller's and must outlive the source; their alpha, if any, is ignored.
class PixelImageSource final : public PixelSource {
  public:
    explicit PixelImageSource(const PixelImage& image)
        : PixelImageSource(image.Bits(), image.BytesPerLine(), image.Width(), image.Height()) {}
    // Rows of 32-bit 0xAARRGGBB pixels at `bits`, `bytesPerLine` apart.
    PixelImageSource(const uint8_t* bits, ptrdiff_t bytesPerLine, int32_t width, int32_t height)
        : bits_(bits), bytesPerLine_(bytesPerLine), width_(width), height_(height) {}

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
