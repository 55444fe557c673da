#include "platform/PictureLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <new>
#include <system_error>

#include "platform/BmpDecoder.h"
#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/LargePages.h"
#include "platform/OpaqueOnBlack.h"
#include "platform/PictureIntegrity.h"

namespace glimmet {

namespace {

// The format of the picture that `device` holds, told from its first bytes, or empty with the
// reason in `unknown`. The formats read here are told by their signatures, the rest by Qt.
QByteArray FormatOf(QIODevice* device, QString* unknown) {
    const QByteArray head = device->peek(8);
    if (head.startsWith("BM")) return "bmp";
    if (head.startsWith("\xFF\xD8")) return "jpeg";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "gif";
    if (head.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    QImageReader probe(device);
    probe.setDecideFormatFromContent(true);  // never by the name's extension
    QByteArray format = probe.format();
    *unknown = probe.errorString();
    return format;
}

// Formats left to Qt's readers. Qt refuses pictures above its own allocation limit (128 MiB by
// default) as unreadable; the limit is raised to what `maxPixels` pixels of its widest format
// (64 bits a pixel) take, and the size is checked here first where the reader knows it.
PictureLoad DecodeWithQt(QByteArray& data, const QByteArray& format, int64_t maxPixels) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isEmpty() && !PictureLoad::Fits(size.width(), size.height(), maxPixels))
        return PictureLoad::TooLarge(size.width(), size.height());
    constexpr int64_t kMiB = 1024 * 1024;
    QImageReader::setAllocationLimit(static_cast<int>((maxPixels * 8 + kMiB - 1) / kMiB));
    PictureLoad load;
    if (!reader.read(&load.image) || load.image.isNull()) {
        // Qt does not say why it failed; a picture of that size that cannot be had now means memory
        // ran out.
        if (!size.isEmpty() && QImage(size, QImage::Format_ARGB32).isNull())
            return PictureLoad::OutOfMemory(size.width(), size.height());
        return PictureLoad::Failed(PictureLoadError::Damaged, {}, reader.errorString());
    }
    if (!PictureLoad::Fits(load.image.width(), load.image.height(), maxPixels))
        return PictureLoad::TooLarge(load.image.width(), load.image.height());
    return load;
}

// `data` decoded as `format` (as FormatOf tells it) and made opaque.
PictureLoad DecodeAs(QByteArray data, const QByteArray& format, int64_t maxPixels) {
    try {
        PictureLoad load;
        if (format == "bmp") {
            load = BmpDecoder::Decode(data, maxPixels);
        } else if (const PictureDamage damage = PictureIntegrity::FindDamage(format, data)) {
            // The structure is walked first, so that a cut file is refused before its pixels take memory.
            return PictureLoad::Failed(PictureLoadError::Damaged, damage);
        } else if (format == "jpeg") {
            load = JpegDecoder::Decode(data, maxPixels);
        } else if (format == "gif") {
            load = GifDecoder::Decode(data, maxPixels);
        } else {
            load = DecodeWithQt(data, format, maxPixels);
        }
        if (load.error != PictureLoadError::None) return load;
        data = QByteArray();  // the encoded bytes go before the conversion may allocate
        const QSize size = load.image.size();
        load.image = OpaqueOnBlack(std::move(load.image));
        if (load.image.isNull()) return PictureLoad::OutOfMemory(size.width(), size.height());
        return load;
    } catch (const std::bad_alloc&) {
        return PictureLoad::OutOfMemory(0, 0);
    }
}

}  // namespace

PictureLoad DecodePicture(QByteArray data, int64_t maxPixels) {
    QString unknown;
    QByteArray format;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        format = FormatOf(&buffer, &unknown);
    }
    if (format.isEmpty()) return PictureLoad::Failed(PictureLoadError::NotAPicture, {}, unknown);
    return DecodeAs(std::move(data), format, maxPixels);
}

PictureLoad LoadPictureFile(const QString& path) {
    return LoadPictureFile(QFile::encodeName(path).toStdString());
}

PictureLoad LoadPictureFile(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return PictureLoad::Failed(PictureLoadError::CannotOpen, {PictureFault::IsAFolder});
    // Opened by the name's bytes, which a QString cannot hold when they are not UTF-8.
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return PictureLoad::Failed(PictureLoadError::CannotOpen, {},
                                   QString::fromStdString(std::generic_category().message(errno)));
    QFile file;
    const auto cannotRead = [&file] {
        return PictureLoad::Failed(PictureLoadError::CannotOpen, {}, file.errorString());
    };
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannotRead();
    }
    // The format is told from the first bytes, so that a large file of another kind is not read whole.
    QString unknown;
    const QByteArray format = FormatOf(&file, &unknown);
    if (file.error() != QFileDevice::NoError) return cannotRead();
    if (format.isEmpty()) return PictureLoad::Failed(PictureLoadError::NotAPicture, {}, unknown);
    QByteArray data;
    try {
        if (!file.isSequential() && !file.seek(0)) return cannotRead();
        // A file's bytes are read into memory taken whole beforehand, in large pages where they fit.
        const qint64 size = file.isSequential() ? 0 : file.size();
        if (size > 0) {
            data = QByteArray(static_cast<qsizetype>(size), Qt::Uninitialized);
            AdviseLargePages(data.data(), static_cast<size_t>(size));
            data.resize(static_cast<qsizetype>(std::max<qint64>(0, file.read(data.data(), size))));
        }
        data += file.readAll();  // what a growing file or a stream holds beyond
    } catch (const std::bad_alloc&) {
        return PictureLoad::OutOfMemory(0, 0);
    }
    if (file.error() != QFileDevice::NoError) return cannotRead();
    file.close();
    // The format already told decides the decoder; it is not probed a second time.
    return DecodeAs(std::move(data), format, kMaxPicturePixels);
}

}  // namespace glimmet
