#pragma once

#include <QImage>

#include "batch/OutputDrawing.h"
#include "picture/GlyphCache.h"
#include "picture/RasterCanvas.h"

namespace glimmet {

// One output picture drawn on a QImage by the window's raster canvas and written by its writer.
class QtOutputPicture final : public OutputPicture {
  public:
    // `image`, black and in Format_RGB32, marked with `glyphs`, which must outlive the picture.
    QtOutputPicture(QImage image, GlyphCache& glyphs);

    MarkCanvas& Canvas() override { return canvas_; }
    SaveResult Save(const std::string& path, bool png) override;

  private:
    QImage image_;
    RasterCanvas canvas_;
};

}  // namespace glimmet
