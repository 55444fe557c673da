#include "picture/LargePagedImage.h"

namespace glimmet {

QImage ToQImage(PixelImage image) {
    if (image.IsNull()) return {};
    const QImage::Format format = image.HasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const int width = image.Width(), height = image.Height();
    const auto bytesPerLine = static_cast<qsizetype>(image.BytesPerLine());
    uchar* bits = image.Bits();
    void* owner = image.Release();
    QImage wrapped(bits, width, height, bytesPerLine, format, PixelImage::Free, owner);
    if (wrapped.isNull()) PixelImage::Free(owner);
    return wrapped;
}

QImage LargePagedImage(int width, int height, QImage::Format format) {
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) return {width, height, format};
    PixelImage image = PixelImage::Make(width, height);
    image.SetHasAlpha(format == QImage::Format_ARGB32);
    return ToQImage(std::move(image));
}

}  // namespace glimmet
