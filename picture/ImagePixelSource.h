#pragma once

#include <QImage>
#include <cstdint>

#include "pixels/PixelImageSource.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Reads the pixels of a picture as the walk sees them: 0x00BBGGRR, or -1 outside the picture.
// It reads a snapshot taken at construction (a shared copy, or a Format_RGB32 conversion for any
// other format; transparent pixels read as composed over black), so later changes to the caller's
// image are not seen.
class ImagePixelSource final : public PixelSource {
  public:
    explicit ImagePixelSource(const QImage& image);

    int32_t GetPixel(int32_t x, int32_t y) override { return rows_.GetPixel(x, y); }

  private:
    QImage image_;
    PixelImageSource rows_;  // over image_'s pixels
};

}  // namespace glimmet
