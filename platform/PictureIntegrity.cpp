#include "platform/PictureIntegrity.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace glimmet {

namespace {

// Bounds-checked reads of a file's bytes; offsets are 64-bit so that sums never wrap.
class Bytes {
  public:
    explicit Bytes(const QByteArray& data)
        : data_(reinterpret_cast<const uint8_t*>(data.constData())),
          size_(static_cast<uint64_t>(data.size())) {}

    uint64_t Size() const { return size_; }
    bool Has(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }
    uint8_t At(uint64_t offset) const { return data_[offset]; }
    uint32_t Le16(uint64_t offset) const { return At(offset) | (At(offset + 1) << 8); }
    uint32_t Le32(uint64_t offset) const { return Le16(offset) | (Le16(offset + 2) << 16); }
    uint32_t Be16(uint64_t offset) const { return (At(offset) << 8) | At(offset + 1); }
    uint32_t Be32(uint64_t offset) const { return (Be16(offset) << 16) | Be16(offset + 2); }
    // The offset of the next byte equal to `value` at or after `offset`, or Size().
    uint64_t Find(uint64_t offset, uint8_t value) const {
        if (offset >= size_) return size_;
        return static_cast<uint64_t>(std::find(data_ + offset, data_ + size_, value) - data_);
    }

  private:
    const uint8_t* data_;
    uint64_t size_;
};

enum : uint32_t { kBmpRgb = 0, kBmpRle8 = 1, kBmpRle4 = 2, kBmpBitFields = 3, kBmpAlphaBitFields = 6 };

// Walks an RLE4 or RLE8 stream from `offset`. It is complete at its end-of-bitmap marker, or once
// its rows are all ended, whichever comes first.
bool RleStreamComplete(const Bytes& bytes, uint64_t offset, uint64_t rows, bool fourBit) {
    uint64_t row = 0;
    while (bytes.Has(offset, 2)) {
        const uint8_t count = bytes.At(offset);
        const uint8_t code = bytes.At(offset + 1);
        offset += 2;
        if (count != 0) continue;  // an encoded run
        if (code == 0) {           // end of line
            if (++row >= rows) return true;
        } else if (code == 1) {  // end of bitmap
            return true;
        } else if (code == 2) {  // delta: right and down
            if (!bytes.Has(offset, 2)) return false;
            row += bytes.At(offset + 1);
            offset += 2;
            if (row >= rows) return true;
        } else {  // absolute run of `code` pixels, padded to a 16-bit boundary
            const uint64_t length = fourBit ? (code + 1u) / 2u : code;
            if (!bytes.Has(offset, length)) return false;
            offset += length + (length & 1u);
        }
    }
    return false;
}

// Skips GIF data sub-blocks from `offset` up to and including their zero terminator; returns the
// offset after it, or 0 when the file ends first.
uint64_t SkipSubBlocks(const Bytes& bytes, uint64_t offset) {
    while (bytes.Has(offset, 1)) {
        const uint8_t length = bytes.At(offset++);
        if (length == 0) return offset;
        if (!bytes.Has(offset, length)) return 0;
        offset += length;
    }
    return 0;
}

uint64_t GifColourTableSize(uint8_t packed) {
    return (packed & 0x80) ? 3ull << ((packed & 7) + 1) : 0;
}

}  // namespace

PictureDamage PictureIntegrity::FindDamage(const QByteArray& format, const QByteArray& data) {
    if (format == "bmp") return CheckBmp(data);
    if (format == "gif") return CheckGif(data);
    if (format == "jpeg" || format == "jpg") return CheckJpeg(data);
    if (format == "png") return CheckPng(data);
    return {};
}

PictureDamage PictureIntegrity::CheckBmp(const QByteArray& data) {
    const Bytes bytes(data);
    if (!bytes.Has(0, 18)) return PictureDamage{PictureFault::HeaderCut};
    const uint64_t pixelOffset = bytes.Le32(10);
    const uint32_t infoSize = bytes.Le32(14);
    if (infoSize < 12 || !bytes.Has(14, std::min<uint32_t>(infoSize, 40)))
        return PictureDamage{PictureFault::HeaderCut};

    int64_t width = 0;
    int64_t height = 0;
    uint32_t depth = 0;
    uint32_t compression = kBmpRgb;
    if (infoSize == 12) {  // the oldest header: 16-bit sizes, no compression
        width = bytes.Le16(18);
        height = bytes.Le16(20);
        depth = bytes.Le16(24);
    } else if (infoSize >= 16) {
        width = static_cast<int32_t>(bytes.Le32(18));
        height = static_cast<int32_t>(bytes.Le32(22));
        depth = bytes.Le16(28);
        if (infoSize >= 20) compression = bytes.Le32(30);
    } else {
        return {};  // not a header layout anyone writes; the reader refuses it
    }
    const uint64_t rows = static_cast<uint64_t>(std::llabs(height));
    const bool validDepth =
        depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    if (width <= 0 || rows == 0 || !validDepth) return {};  // the reader refuses these itself
    if (!bytes.Has(pixelOffset, 0)) return PictureDamage{PictureFault::PixelDataOutside};

    if (compression == kBmpRle8 || compression == kBmpRle4) {
        if (!RleStreamComplete(bytes, pixelOffset, rows, compression == kBmpRle4))
            return PictureDamage{PictureFault::CompressedDataCut};
        return {};
    }
    if (compression != kBmpRgb && compression != kBmpBitFields && compression != kBmpAlphaBitFields)
        return {};
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * depth + 31) / 32 * 4;
    const uint64_t present = bytes.Size() - pixelOffset;
    const uint64_t needed = rows > std::numeric_limits<uint64_t>::max() / rowBytes
                                ? std::numeric_limits<uint64_t>::max()
                                : rows * rowBytes;
    if (present < needed) return PictureDamage{PictureFault::PixelDataCut, present, needed};
    return {};
}

PictureDamage PictureIntegrity::CheckGif(const QByteArray& data) {
    const Bytes bytes(data);
    // Header (6) and logical screen descriptor (7), then the global colour table.
    if (!bytes.Has(0, 13)) return PictureDamage{PictureFault::HeaderCut};
    uint64_t offset = 13 + GifColourTableSize(bytes.At(10));
    if (!bytes.Has(offset, 0)) return PictureDamage{PictureFault::HeaderCut};
    for (;;) {
        if (!bytes.Has(offset, 1)) return PictureDamage{PictureFault::FrameCut};
        const uint8_t block = bytes.At(offset++);
        if (block == 0x21) {  // extension: a label, then sub-blocks
            if (!bytes.Has(offset, 1)) return PictureDamage{PictureFault::FrameCut};
            offset = SkipSubBlocks(bytes, offset + 1);
            if (offset == 0) return PictureDamage{PictureFault::FrameCut};
        } else if (block == 0x2C) {  // image descriptor (9), local colour table, LZW code size, data
            if (!bytes.Has(offset, 9)) return PictureDamage{PictureFault::FrameCut};
            offset += 9 + GifColourTableSize(bytes.At(offset + 8));
            if (!bytes.Has(offset, 1)) return PictureDamage{PictureFault::FrameCut};
            return SkipSubBlocks(bytes, offset + 1) == 0 ? PictureDamage{PictureFault::FrameCut}
                                                         : PictureDamage{};
        } else if (block == 0x3B) {  // trailer
            return PictureDamage{PictureFault::NoFrame};
        } else {
            return PictureDamage{PictureFault::UnexpectedBlock, block, offset - 1};
        }
    }
}

PictureDamage PictureIntegrity::CheckJpeg(const QByteArray& data) {
    const Bytes bytes(data);
    if (!bytes.Has(0, 2) || bytes.At(0) != 0xFF || bytes.At(1) != 0xD8)
        return PictureDamage{PictureFault::NoStartMarker};
    uint64_t offset = 2;
    for (;;) {
        // The next marker; decoders skip stray bytes and fill bytes before it, and so does this.
        offset = bytes.Find(offset, 0xFF);
        while (bytes.Has(offset, 1) && bytes.At(offset) == 0xFF) ++offset;
        if (!bytes.Has(offset, 1)) return PictureDamage{PictureFault::EndMarkerMissing};
        const uint8_t marker = bytes.At(offset++);
        if (marker == 0xD9) return {};  // end of image
        const bool standalone = marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker & 0xF8) == 0xD0;
        if (standalone) continue;
        if (!bytes.Has(offset, 2)) return PictureDamage{PictureFault::EndMarkerMissing};
        const uint32_t length = bytes.Be16(offset);
        if (length < 2) return PictureDamage{PictureFault::BadSegment, offset};
        if (!bytes.Has(offset, length)) return PictureDamage{PictureFault::EndMarkerMissing};
        offset += length;
        if (marker != 0xDA) continue;
        // Entropy-coded data of a scan: 0xFF appears only as FF 00 (a data byte) or FF D0..D7
        // (restart markers); any other marker ends the scan.
        for (;;) {
            offset = bytes.Find(offset, 0xFF);
            if (!bytes.Has(offset, 2)) return PictureDamage{PictureFault::EndMarkerMissing};
            const uint8_t next = bytes.At(offset + 1);
            if (next == 0x00 || (next & 0xF8) == 0xD0) {
                offset += 2;
            } else if (next == 0xFF) {
                ++offset;
            } else {
                break;
            }
        }
    }
}

PictureDamage PictureIntegrity::CheckPng(const QByteArray& data) {
    const Bytes bytes(data);
    uint64_t offset = 8;  // the signature
    for (;;) {
        if (!bytes.Has(offset, 8)) return PictureDamage{PictureFault::ChunkCut};
        const uint32_t length = bytes.Be32(offset);
        if (length > 0x7FFFFFFFu) return PictureDamage{PictureFault::BadChunk, offset};
        const bool end = bytes.Be32(offset + 4) == 0x49454E44u;  // "IEND"
        if (!bytes.Has(offset + 8, uint64_t{length} + 4)) return PictureDamage{PictureFault::ChunkCut};
        if (end) return {};
        offset += 12 + uint64_t{length};
    }
}

}  // namespace glimmet
