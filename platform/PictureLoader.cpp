#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "platform/OpaqueOnBlack.h"
#include "platform/PictureIntegrity.h"

namespace glimmet {

namespace {

PictureLoad Failed(PictureLoadError error, QString detail, PictureDamage damage = {}) {
    PictureLoad load;
    load.error = error;
    load.detail = std::move(detail);
    load.damage = damage;
    return load;
}

}  // namespace

PictureLoad LoadPictureFile(const QString& path) {
    if (QFileInfo(path).isDir()) return Failed(PictureLoadError::CannotOpen, {}, {PictureFault::IsAFolder});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Failed(PictureLoadError::CannotOpen, file.errorString());
    // The format is told from the first bytes, so that a large file of another kind is not read whole.
    QByteArray format;
    QString unknown;
    {
        QImageReader probe(&file);
        probe.setDecideFormatFromContent(true);  // never by the name's extension
        format = probe.format();
        unknown = probe.errorString();
    }
    if (file.error() != QFileDevice::NoError) return Failed(PictureLoadError::CannotOpen, file.errorString());
    if (format.isEmpty()) return Failed(PictureLoadError::NotAPicture, unknown);
    // The integrity check and the decoder both read the whole file: it is read once.
    QByteArray data;
    if (file.seek(0)) data = file.readAll();
    if (file.error() != QFileDevice::NoError) return Failed(PictureLoadError::CannotOpen, file.errorString());
    file.close();

    if (const PictureDamage damage = PictureIntegrity::FindDamage(format, data)) {
        return Failed(PictureLoadError::Damaged, {}, damage);
    }
    QImage image;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        if (!reader.read(&image)) return Failed(PictureLoadError::Damaged, reader.errorString());
    }
    data = QByteArray();  // the encoded bytes go before the conversion allocates its copy

    PictureLoad load;
    load.image = OpaqueOnBlack(image);
    return load;
}

}  // namespace glimmet
