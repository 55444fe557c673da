#include "batchdraw/QtOutputPicture.h"

#include <unistd.h>

#include "picture/BitmapWriter.h"

namespace glimmet {

QtOutputPicture::QtOutputPicture(QImage image, GlyphCache& glyphs)
    : image_(std::move(image)), canvas_(&image_, glyphs) {}

SaveResult QtOutputPicture::Save(const std::string& path, bool png) {
    const BitmapFormat format = png ? BitmapFormat::Png : BitmapFormat::Bmp;
    return path == "-" ? WriteBitmap(image_, STDOUT_FILENO, format) : SaveBitmap(image_, path, format);
}

}  // namespace glimmet
