#include "platform/BitmapWriter.h"

#include <QImageWriter>
#include <QSaveFile>

#include "platform/OpaqueOnBlack.h"

namespace glimmet {

bool SaveBitmap(const QImage& image, const QString& path, QString* error) {
    QSaveFile file(path);
    // A file that may be replaced in a folder where no new file may be made is still replaced, written
    // in place; everywhere else a temporary file is renamed over it, so no partial file is left.
    file.setDirectWriteFallback(true);
    const auto fail = [&](const QString& reason) {
        if (error != nullptr) *error = reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    // Qt writes 24 bits per pixel for an opaque 32-bit image.
    QImageWriter writer(&file, "bmp");
    if (!writer.write(OpaqueOnBlack(image))) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

}  // namespace glimmet
