#pragma once

#include <QImage>
#include <QString>

#include "platform/PictureDamage.h"

namespace glimmet {

enum class PictureLoadError {
    None,
    CannotOpen,   // the file cannot be read: missing, a folder, no permission, read error
    NotAPicture,  // no image format recognises its content
    Damaged,      // a known format, but truncated or corrupt
};

struct PictureLoad {
    QImage image;  // Format_RGB32 when error is None, null otherwise
    PictureLoadError error = PictureLoadError::None;
    PictureDamage damage;  // what is wrong with the file, when the checks here found it
    QString detail;        // otherwise the system's or the image reader's reason; empty on success
};

// Loads a picture file for the window and the batch command alike. Every format QImageReader reads
// (BMP, JPEG, GIF, PNG, ...), recognised by content rather than by the file name's extension; a
// GIF's first frame; transparent pixels composed over black, as the source picture box shows them.
// Truncated files are refused as Damaged instead of showing their missing part. The messages that
// tell the user are the caller's.
PictureLoad LoadPictureFile(const QString& path);

}  // namespace glimmet
