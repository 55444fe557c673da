#include "picture/ImagePixelSource.h"

#include "picture/OpaqueImage.h"

namespace glimmet {

// constBits never detaches the shared copy; a null image has no rows, so every read is outside.
ImagePixelSource::ImagePixelSource(const QImage& image)
    : image_(OpaqueImage(image)),
      rows_(image_.constBits(), image_.bytesPerLine(), image_.width(), image_.height()) {}

}  // namespace glimmet
