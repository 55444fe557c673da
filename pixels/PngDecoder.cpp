#include "pixels/PngDecoder.h"

#include <spng.h>

#include <memory>
#include <new>
#include <string>

#include "pixels/ColourConversion.h"
#include "pixels/OpaqueOnBlack.h"
#include "pixels/PngImageData.h"

namespace glimmet {

namespace {

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

PictureLoad Refusal(int error, int64_t width, int64_t height) {
    const std::string words = spng_strerror(error);
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

PictureLoad PngDecoder::Decode(std::span<const uint8_t> data, int64_t maxPixels) {
    const std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(0));
    if (!context) return PictureLoad::OutOfMemory(0, 0);
    spng_ctx* png = context.get();
    // Ancillary chunks too: a file whose checksums do not match is damaged, whichever part it is.
    spng_set_crc_action(png, SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    spng_set_png_buffer(png, data.data(), data.size());
    spng_ihdr header{};
    if (const int error = spng_get_ihdr(png, &header)) return Refusal(error, 0, 0);
    const int64_t width = header.width, height = header.height;
    if (!PictureLoad::Fits(width, height, maxPixels)) return PictureLoad::TooLarge(width, height);
    if (const PictureDamage damage = PngImageData::FindDamage(data))
        return PictureLoad::Failed(PictureLoadError::Damaged, damage);
    PictureLoad load = PictureLoad::Canvas(width, height, maxPixels);
    if (load.image.IsNull()) return load;
    // 8-bit pictures decode as RGBA bytes straight into the pixels' memory, 16-bit ones into a
    // buffer of their own; both are then composed over black into the pixels.
    const bool deep = header.bit_depth == 16;
    const int format = deep ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    size_t size = 0;
    int error = spng_decoded_image_size(png, format, &size);
    const size_t expected = load.image.SizeInBytes() * (deep ? 2 : 1);
    if (!error && size != expected) error = SPNG_EINTERNAL;
    std::unique_ptr<uint16_t[]> wide;
    if (!error && deep) {
        wide.reset(new (std::nothrow) uint16_t[size / 2]);
        if (!wide) return PictureLoad::OutOfMemory(width, height);
    }
    void* const target = deep ? static_cast<void*>(wide.get()) : load.image.Bits();
    if (!error) error = spng_decode_image(png, target, size, format, SPNG_DECODE_TRNS);
    // The chunks after the image data up to IEND, so that their checksums are checked as well.
    if (!error) error = spng_decode_chunks(png);
    if (error) return Refusal(error, width, height);
    for (int32_t y = 0; y < load.image.Height(); ++y) {
        uint32_t* row = load.image.Row(y);
        if (deep) {
            const uint16_t* in = wide.get() + size_t{4} * static_cast<size_t>(load.image.Width()) * y;
            for (int32_t x = 0; x < load.image.Width(); ++x, in += 4) {
                row[x] = 0xFF000000u | OpaqueChannel16(in[0], in[3]) << 16 |
                         OpaqueChannel16(in[1], in[3]) << 8 | OpaqueChannel16(in[2], in[3]);
            }
        } else {
            // Each pixel's four bytes are read before their word is written over.
            const auto* in = reinterpret_cast<const uint8_t*>(row);
            for (int32_t x = 0; x < load.image.Width(); ++x, in += 4)
                row[x] = OpaqueOnBlack(Argb(in[0], in[1], in[2], in[3]));
        }
    }
    return load;
}

}  // namespace glimmet
