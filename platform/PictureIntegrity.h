#pragma once

#include <QByteArray>

#include "platform/PictureDamage.h"

namespace glimmet {

// Checks that a picture file holds all of its data. Qt reads truncated BMP, GIF and JPEG files
// without an error (the missing part shows as black, grey or, for RLE8 bitmaps, leftover memory), so
// the structure is walked here before decoding. Only what decoding needs is checked: the file
// declares where its pixel data lies and how long it is, and that much must be present.
class PictureIntegrity {
  public:
    // No fault when `data`, a picture in `format` (QImageReader's name: "bmp", "gif", "jpeg", "png"),
    // is whole; otherwise what is wrong. Other formats are left to their readers and pass.
    static PictureDamage FindDamage(const QByteArray& format, const QByteArray& data);

  private:
    // Uncompressed rows must all be there; an RLE stream must reach its end-of-bitmap marker (or
    // the end of its last row).
    static PictureDamage CheckBmp(const QByteArray& data);
    // The first frame, the one shown: header, colour tables, extensions, image descriptor and the
    // image data's sub-blocks up to their terminator.
    static PictureDamage CheckGif(const QByteArray& data);
    // Marker segments and scans up to the end-of-image marker; bytes after it are ignored, as some
    // writers pad their files.
    static PictureDamage CheckJpeg(const QByteArray& data);
    // Chunks up to IEND; their checksums are left to the reader.
    static PictureDamage CheckPng(const QByteArray& data);
};

}  // namespace glimmet
