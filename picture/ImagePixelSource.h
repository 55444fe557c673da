#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

#include "pixels/ColourConversion.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Reads the pixels of a picture as the walk sees them: 0x00BBGGRR, or -1 outside the picture.
// It reads a snapshot taken at construction (a shared copy, or a Format_RGB32 conversion for any
// other format; transparent pixels read as composed over black), so later changes to the caller's
// image are not seen.
class ImagePixelSource final : public PixelSource {
  public:
    explicit ImagePixelSource(const QImage& image);

    int32_t GetPixel(int32_t x, int32_t y) override {
        if (static_cast<uint32_t>(x) >= static_cast<uint32_t>(width_) ||
            static_cast<uint32_t>(y) >= static_cast<uint32_t>(height_))
            return -1;
        return QRgbToEngine(reinterpret_cast<const QRgb*>(bits_ + y * bytesPerLine_)[x]);
    }

  private:
    QImage image_;
    const uchar* bits_ = nullptr;
    ptrdiff_t bytesPerLine_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace glimmet
