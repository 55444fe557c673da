#include "picture/BitmapWriter.h"

#include <QImageWriter>

#include "picture/OpaqueImage.h"
#include "picture/PngWriter.h"
#include "picture/SinkDevice.h"

namespace glimmet {

namespace {

ContentWriter Encoder(const QImage& image, BitmapFormat format) {
    return [&image, format](ByteSink& sink) {
        SinkDevice device(sink);
        const QImage opaque = OpaqueImage(image);
        if (opaque.isNull()) return false;
        if (format == BitmapFormat::Png) return PngWriter::Write(opaque, device);
        // Qt writes 24 bits per pixel for an opaque 32-bit image.
        QImageWriter writer(&device, "bmp");
        return writer.write(opaque);
    };
}

}  // namespace

SaveResult SaveBitmap(const QImage& image, const std::string& path, BitmapFormat format) {
    return ReplaceFile(path, Encoder(image, format));
}

SaveResult WriteBitmap(const QImage& image, int fd, BitmapFormat format) {
    return WriteToDescriptor(fd, Encoder(image, format));
}

}  // namespace glimmet
