#include "pixels/BmpDecoder.h"

#include <array>
#include <vector>

#include "pixels/BmpHeader.h"
#include "pixels/ByteReader.h"
#include "pixels/ColourConversion.h"
#include "pixels/RowBands.h"

namespace glimmet {

namespace {

constexpr uint32_t kBlack = 0xFF000000u;

// One colour channel of a 16- or 32-bit pixel widened to 8 bits: narrower channels repeat their
// bits (5-bit 10110 becomes 10110101), wider ones keep their top 8 bits.
class ChannelScale {
  public:
    explicit ChannelScale(BmpHeader::Channel channel)
        : shift_(channel.shift),
          bits_(channel.bits),
          mask_(channel.bits >= 32 ? ~0u : (1u << channel.bits) - 1) {
        if (bits_ == 0 || bits_ > 8) return;
        const int bits = static_cast<int>(bits_);
        for (uint32_t value = 0; value <= mask_; ++value) {
            uint32_t wide = 0;
            for (int at = 8 - bits; at > -bits; at -= bits) wide |= at >= 0 ? value << at : value >> -at;
            table_[value] = static_cast<uint8_t>(wide);
        }
    }
    uint32_t operator()(uint32_t pixel) const {
        const uint32_t value = (pixel >> shift_) & mask_;
        return bits_ > 8 ? value >> (bits_ - 8) : table_[value];
    }

  private:
    uint32_t shift_, bits_, mask_;
    std::array<uint8_t, 256> table_{};
};

// Where row `row` of the file's pixel data goes in the picture.
int ImageRow(const BmpHeader& h, int64_t row) {
    return static_cast<int>(h.topDown ? row : h.height - 1 - row);
}

// The picture's rows as the file orders them.
struct PixelRows {
    PixelImage& image;
    uint32_t* Row(const BmpHeader& h, int64_t row) const { return image.Row(ImageRow(h, row)); }
};

// Rows [first, end) of the file's pixel data, in file order.
PictureDamage DecodeIndexedRows(const ByteReader& bytes, const BmpHeader& h, uint64_t rowBytes,
                                const PixelRows& image, int64_t first, int64_t end) {
    const uint32_t bits = h.bitsPerPixel;
    const uint32_t perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    const int64_t colours = static_cast<int64_t>(h.palette.size());
    for (int64_t row = first; row < end; ++row) {
        const uint8_t* in = bytes.Data() + h.pixelOffset + row * rowBytes;
        uint32_t* out = image.Row(h, row);
        for (int64_t x = 0; x < h.width; ++x) {
            const uint32_t slot = static_cast<uint32_t>(x % perByte);
            const uint32_t index = (in[x / perByte] >> (8 - bits * (slot + 1))) & mask;
            if (index >= colours) return {PictureFault::ColourIndexOutside, index, colours};
            out[x] = h.palette[index];
        }
    }
    return {};
}

// Rows [first, end) of the file's pixel data, in file order; `table` maps every 16-bit pixel.
void DecodeDirectRows(const ByteReader& bytes, const BmpHeader& h, uint64_t rowBytes,
                      const std::vector<uint32_t>& table, const PixelRows& image, int64_t first,
                      int64_t end) {
    const ChannelScale red(h.red), green(h.green), blue(h.blue), alpha(h.alpha);
    const bool opaque = h.alpha.bits == 0;
    for (int64_t row = first; row < end; ++row) {
        const uint8_t* in = bytes.Data() + h.pixelOffset + row * rowBytes;
        uint32_t* out = image.Row(h, row);
        for (int64_t x = 0; x < h.width; ++x) {
            if (h.bitsPerPixel == 24) {
                const uint8_t* p = in + 3 * x;
                out[x] = Argb(p[2], p[1], p[0]);
            } else if (h.bitsPerPixel == 16) {
                out[x] = table[in[2 * x] | (in[2 * x + 1] << 8)];
            } else {
                const uint8_t* q = in + 4 * x;
                const uint32_t p = q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<uint32_t>(q[3]) << 24);
                out[x] = Argb(red(p), green(p), blue(p), opaque ? 255 : alpha(p));
            }
        }
    }
}

// An RLE4 or RLE8 stream from the pixel offset. Runs and jumps must stay inside their row and the
// picture; the stream ends at its end-of-bitmap marker or at the end of its last row.
PictureDamage DecodeRle(const ByteReader& bytes, const BmpHeader& h, PixelImage& image) {
    const bool fourBit = h.compression == BmpHeader::kRle4;
    const int64_t colours = static_cast<int64_t>(h.palette.size());
    uint64_t offset = h.pixelOffset;
    int64_t x = 0;
    int64_t row = 0;
    // Pixel `i` of a run whose byte (RLE8) or byte pair of nibbles (RLE4) is `code`.
    const auto put = [&](int64_t i, uint32_t code) -> PictureDamage {
        const uint32_t index = fourBit ? (i % 2 == 0 ? code >> 4 : code & 0x0F) : code;
        if (index >= colours) return {PictureFault::ColourIndexOutside, index, colours};
        image.Row(ImageRow(h, row))[x] = h.palette[index];
        ++x;
        return {};
    };
    for (;;) {
        if (!bytes.Has(offset, 2)) return {PictureFault::CompressedDataCut};
        const int64_t at = static_cast<int64_t>(offset);
        const uint32_t count = bytes.At(offset);
        const uint32_t code = bytes.At(offset + 1);
        offset += 2;
        if (count != 0) {  // an encoded run
            if (x + count > h.width) return {PictureFault::RunOutside, at};
            for (uint32_t i = 0; i < count; ++i)
                if (const PictureDamage damage = put(i, code)) return damage;
        } else if (code == 0) {  // end of line
            x = 0;
            if (++row == h.height) return {};
        } else if (code == 1) {  // end of bitmap
            return {};
        } else if (code == 2) {  // jump right and down
            if (!bytes.Has(offset, 2)) return {PictureFault::CompressedDataCut};
            x += bytes.At(offset);
            row += bytes.At(offset + 1);
            offset += 2;
            if (x > h.width || row >= h.height) return {PictureFault::RunOutside, at};
        } else {  // an absolute run of `code` pixels, padded to a 16-bit boundary
            const uint64_t length = fourBit ? (code + 1) / 2 : code;
            if (!bytes.Has(offset, length)) return {PictureFault::CompressedDataCut};
            if (x + code > h.width) return {PictureFault::RunOutside, at};
            for (uint32_t i = 0; i < code; ++i)
                if (const PictureDamage damage = put(i, bytes.At(offset + (fourBit ? i / 2 : i))))
                    return damage;
            offset += length + (length & 1);
        }
    }
}

}  // namespace

PictureLoad BmpDecoder::Decode(std::span<const uint8_t> data, int64_t maxPixels) {
    const ByteReader bytes(data);
    BmpHeader h;
    if (const PictureDamage damage = BmpHeader::Read(bytes, &h))
        return PictureLoad::Failed(PictureLoadError::Damaged, damage);
    if (!PictureLoad::Fits(h.width, h.height, maxPixels)) return PictureLoad::TooLarge(h.width, h.height);

    const bool rle = h.compression == BmpHeader::kRle8 || h.compression == BmpHeader::kRle4;
    const uint64_t rowBytes = (static_cast<uint64_t>(h.width) * h.bitsPerPixel + 31) / 32 * 4;
    if (!rle) {
        const uint64_t present = bytes.Size() - h.pixelOffset;
        const uint64_t needed = rowBytes * static_cast<uint64_t>(h.height);
        if (present < needed)
            return PictureLoad::Damaged(PictureFault::PixelDataCut, static_cast<int64_t>(present),
                                        static_cast<int64_t>(needed));
    }
    PictureLoad load = PictureLoad::Canvas(h.width, h.height, maxPixels);
    if (load.image.IsNull()) return load;
    load.image.SetHasAlpha(h.alpha.bits != 0);

    PictureDamage damage;
    if (rle) {
        load.image.Fill(kBlack);
        damage = DecodeRle(bytes, h, load.image);
    } else {
        // 16-bit pixels go through a table of all 65,536 values, made once for every band.
        std::vector<uint32_t> table;
        if (h.bitsPerPixel == 16) {
            const ChannelScale red(h.red), green(h.green), blue(h.blue), alpha(h.alpha);
            const bool opaque = h.alpha.bits == 0;
            table.resize(65536);
            for (uint32_t p = 0; p < 65536; ++p)
                table[p] = Argb(red(p), green(p), blue(p), opaque ? 255 : alpha(p));
        }
        const PixelRows image{load.image};
        damage = RowBands::Run(h.height, load.image.SizeInBytes(),
                               [&](int64_t first, int64_t end) -> PictureDamage {
                                   if (h.bitsPerPixel <= 8)
                                       return DecodeIndexedRows(bytes, h, rowBytes, image, first, end);
                                   DecodeDirectRows(bytes, h, rowBytes, table, image, first, end);
                                   return {};
                               });
    }
    if (damage) return PictureLoad::Failed(PictureLoadError::Damaged, damage);
    return load;
}

}  // namespace glimmet
