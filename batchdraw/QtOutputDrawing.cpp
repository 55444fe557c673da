#include "batchdraw/QtOutputDrawing.h"

#include <QImage>

#include "batchdraw/QtOutputPicture.h"
#include "picture/LargePagedImage.h"
#include "picture/OutputFont.h"

namespace glimmet {

QtOutputDrawing::QtOutputDrawing() : glyphs_(OutputFont()) {}

std::unique_ptr<OutputPicture> QtOutputDrawing::Make(int32_t width, int32_t height) {
    QImage image = LargePagedImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(Qt::black);
    return std::make_unique<QtOutputPicture>(std::move(image), glyphs_);
}

}  // namespace glimmet
