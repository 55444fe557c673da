#pragma once

#include <cstdint>
#include <string>

#include "pixels/PictureDamage.h"
#include "pixels/PixelImage.h"

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
    PixelImage image;  // opaque when error is None, null otherwise
    PictureLoadError error = PictureLoadError::None;
    PictureDamage damage;  // what is wrong with the file, when the checks here found it
    std::string detail;    // the system's or the decoder's own reason, when there is one

    static PictureLoad Failed(PictureLoadError error, PictureDamage damage, std::string detail = {}) {
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
    // A picture of `width` x `height` for a decoder to fill (its pixels undefined until then), or
    // the refusal: too large beyond `maxPixels`, out of memory when it cannot be had.
    static PictureLoad Canvas(int64_t width, int64_t height, int64_t maxPixels) {
        if (!Fits(width, height, maxPixels)) return TooLarge(width, height);
        PictureLoad load;
        load.image = PixelImage::Make(static_cast<int32_t>(width), static_cast<int32_t>(height));
        if (load.image.IsNull()) return OutOfMemory(width, height);
        return load;
    }
};

}  // namespace glimmet
