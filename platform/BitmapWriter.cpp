#include "platform/BitmapWriter.h"

#include <QImageWriter>

#include "platform/OpaqueOnBlack.h"

namespace glimmet {

namespace {

ContentWriter Encoder(const QImage& image, BitmapFormat format) {
    return [&image, format](QIODevice& device) {
        // Qt writes 24 bits per pixel for an opaque 32-bit image, and PNG's RGB for the same.
        QImageWriter writer(&device, format == BitmapFormat::Png ? "png" : "bmp");
        return writer.write(OpaqueOnBlack(image));
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
