#include "picture/PngDecoder.h"

#include <spng.h>

#include <memory>

#include "picture/PngImageData.h"

namespace glimmet {

namespace {

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

PictureLoad Refusal(int error, int64_t width, int64_t height) {
    const QString words = QString::fromUtf8(spng_strerror(error));
    switch (error) {
        case SPNG_EMEM:
            return PictureLoad::OutOfMemory(width, height);
        case SPNG_ECHUNK_CRC:
            return PictureLoad::Failed(PictureLoadError::Damaged, {PictureFault::BadChecksum}, words);
        case SPNG_EIDAT_TOO_SHORT:
            return PictureLoad::Failed(PictureLoadError::Damaged, {PictureFault::DataStopsEarly}, words);
        case SPNG_EIDAT_STREAM:
        case SPNG_EZLIB:
        case SPNG_EFILTER:
            return PictureLoad::Failed(PictureLoadError::Damaged, {PictureFault::CorruptData}, words);
        default:
            return PictureLoad::Failed(PictureLoadError::Damaged, {PictureFault::DecoderRefused}, words);
    }
}

}  // namespace

PictureLoad PngDecoder::Decode(const QByteArray& data, int64_t maxPixels) {
    const std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(0));
    if (!context) return PictureLoad::OutOfMemory(0, 0);
    spng_ctx* png = context.get();
    // Ancillary chunks too: a file whose checksums do not match is damaged, whichever part it is.
    spng_set_crc_action(png, SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    spng_set_png_buffer(png, data.constData(), static_cast<size_t>(data.size()));
    spng_ihdr header{};
    if (const int error = spng_get_ihdr(png, &header)) return Refusal(error, 0, 0);
    const int64_t width = header.width, height = header.height;
    if (!PictureLoad::Fits(width, height, maxPixels)) return PictureLoad::TooLarge(width, height);
    if (const PictureDamage damage = PngImageData::FindDamage(data))
        return PictureLoad::Failed(PictureLoadError::Damaged, damage);
    const bool deep = header.bit_depth == 16;
    PictureLoad load =
        PictureLoad::Canvas(width, height, maxPixels, deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888);
    if (load.image.isNull()) return load;
    const int format = deep ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    size_t size = 0;
    int error = spng_decoded_image_size(png, format, &size);
    // Both formats' rows are whole 32-bit words, so the image's rows follow each other unpadded.
    if (!error && size != static_cast<size_t>(load.image.sizeInBytes())) error = SPNG_EINTERNAL;
    if (!error) error = spng_decode_image(png, load.image.bits(), size, format, SPNG_DECODE_TRNS);
    // The chunks after the image data up to IEND, so that their checksums are checked as well.
    if (!error) error = spng_decode_chunks(png);
    if (error) return Refusal(error, width, height);
    return load;
}

}  // namespace glimmet
