#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

#include "picture/LargePages.h"
#include "picture/PictureDamage.h"

namespace glimmet {

enum class PictureLoadError {
    None,
    CannotOpen,   // the file cannot be read: missing, a folder, no permission, read error
    NotAPicture,  // no image format recognises its content
    Damaged,      // a known format, but truncated, corrupt or contradicting itself
    TooLarge,     // beyond a limit of what is read: more pixels, or more progressive scans
    OutOfMemory,  // not enough memory to decode it
};

struct PictureLoad {
    QImage image;  // Format_RGB32 when error is None, null otherwise
    PictureLoadError error = PictureLoadError::None;
    PictureDamage damage;  // what is wrong with the file, when the checks here found it
    QString detail;        // the system's or the decoder's own reason, when there is one

    static PictureLoad Failed(PictureLoadError error, PictureDamage damage, QString detail = {}) {
        PictureLoad load;
        load.error = error;
        load.damage = damage;
        load.detail = std::move(detail);
        return load;
    }
    static PictureLoad Damaged(PictureFault fault, int64_t first = 0, int64_t second = 0) {
        return Failed(PictureLoadError::Damaged, {fault, first, second});
    }
    static PictureLoad TooLarge(int64_t width, int64_t height) {
        return Failed(PictureLoadError::TooLarge, {PictureFault::TooLarge, width, height});
    }
    static PictureLoad OutOfMemory(int64_t width, int64_t height) {
        return Failed(PictureLoadError::OutOfMemory, {PictureFault::OutOfMemory, width, height});
    }
    // Whether a picture of `width` x `height` pixels, both at least 1, is small enough to be read.
    static bool Fits(int64_t width, int64_t height, int64_t maxPixels) { return width <= maxPixels / height; }
    // A picture of `width` x `height` in `format` for a decoder to fill (its pixels undefined until
    // then), or the refusal: too large beyond `maxPixels`, out of memory when it cannot be had.
    static PictureLoad Canvas(int64_t width, int64_t height, int64_t maxPixels, QImage::Format format) {
        if (!Fits(width, height, maxPixels)) return TooLarge(width, height);
        PictureLoad load;
        load.image = LargePagedImage(static_cast<int>(width), static_cast<int>(height), format);
        if (load.image.isNull()) return OutOfMemory(width, height);
        return load;
    }
};

}  // namespace glimmet
