#include "picture/PictureLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <new>
#include <system_error>

#include "picture/BmpDecoder.h"
#include "picture/GifDecoder.h"
#include "picture/JpegDecoder.h"
#include "picture/LargePages.h"
#include "picture/OpaqueOnBlack.h"
#include "picture/PictureIntegrity.h"
#include "picture/PngDecoder.h"

namespace glimmet {

namespace {

// The format of a picture file told from its first bytes, or empty. Only the formats read by the
// strict decoders here are pictures: other formats (TGA, PPM, ...) went to Qt's readers once,
// which pass damaged data and call a format they lack "damaged"; a file in them is now plainly
// not a picture in a format Glimmet reads.
QByteArray FormatOf(const QByteArray& head) {
    if (head.startsWith("BM")) return "bmp";
    if (head.startsWith("\xFF\xD8")) return "jpeg";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "gif";
    if (head.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    return {};
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
            load = PngDecoder::Decode(data, maxPixels);
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
    const QByteArray format = FormatOf(data.left(8));
    if (format.isEmpty())
        return PictureLoad::Failed(PictureLoadError::NotAPicture, {PictureFault::UnknownFormat});
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
    // The format is told from the first bytes, so that a large file of another kind is not read.
    const QByteArray format = FormatOf(file.peek(8));
    if (file.error() != QFileDevice::NoError) return cannotRead();
    if (format.isEmpty())
        return PictureLoad::Failed(PictureLoadError::NotAPicture, {PictureFault::UnknownFormat});
    // A regular file is mapped, not read: the decoders read its header first and check the size
    // there, so the pages of pixel data are only touched once the picture is known to fit, and they
    // never count on top of the decoded pixels. The mapping lives until the file is closed, after
    // decoding. A stream (a FIFO, a device) is read whole.
    QByteArray data;
    try {
        const qint64 size = file.size();
        uchar* mapped = file.isSequential() || size <= 0 ? nullptr : file.map(0, size);
        if (mapped) {
            data =
                QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(size));
        } else {
            if (!file.isSequential() && !file.seek(0)) return cannotRead();
            data = file.readAll();
            if (file.error() != QFileDevice::NoError) return cannotRead();
        }
    } catch (const std::bad_alloc&) {
        return PictureLoad::OutOfMemory(0, 0);
    }
    // The format already told decides the decoder; it is not probed a second time.
    return DecodeAs(std::move(data), format, kMaxPicturePixels);
}

}  // namespace glimmet
