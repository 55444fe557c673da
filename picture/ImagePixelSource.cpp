#include "picture/ImagePixelSource.h"

#include "picture/OpaqueImage.h"

namespace glimmet {

ImagePixelSource::ImagePixelSource(const QImage& image) {
    if (image.isNull()) return;
    image_ = OpaqueImage(image);
    bits_ = image_.constBits();  // constBits never detaches the shared copy
    bytesPerLine_ = image_.bytesPerLine();
    width_ = image_.width();
    height_ = image_.height();
}

}  // namespace glimmet
