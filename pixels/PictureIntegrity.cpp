#include "pixels/PictureIntegrity.h"

#include <cstdint>

#include "pixels/ByteReader.h"

namespace glimmet {

namespace {

// Skips GIF data sub-blocks from `offset` up to and including their zero terminator; returns the
// offset after it, or 0 when the file ends first.
uint64_t SkipSubBlocks(const ByteReader& bytes, uint64_t offset) {
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

PictureDamage PictureIntegrity::FindDamage(std::string_view format, std::span<const uint8_t> data) {
    if (format == "gif") return CheckGif(data);
    if (format == "jpeg" || format == "jpg") return CheckJpeg(data);
    if (format == "png") return CheckPng(data);
    return {};
}

PictureDamage PictureIntegrity::CheckGif(std::span<const uint8_t> data) {
    const ByteReader bytes(data);
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
            return PictureDamage{PictureFault::UnexpectedBlock, block, static_cast<int64_t>(offset - 1)};
        }
    }
}

PictureDamage PictureIntegrity::CheckJpeg(std::span<const uint8_t> data) {
    const ByteReader bytes(data);
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
        if (length < 2) return PictureDamage{PictureFault::BadSegment, static_cast<int64_t>(offset)};
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

PictureDamage PictureIntegrity::CheckPng(std::span<const uint8_t> data) {
    const ByteReader bytes(data);
    uint64_t offset = 8;  // the signature
    for (;;) {
        if (!bytes.Has(offset, 8)) return PictureDamage{PictureFault::ChunkCut};
        const uint32_t length = bytes.Be32(offset);
        if (length > 0x7FFFFFFFu) return PictureDamage{PictureFault::BadChunk, static_cast<int64_t>(offset)};
        const bool end = bytes.Be32(offset + 4) == 0x49454E44u;  // "IEND"
        if (!bytes.Has(offset + 8, uint64_t{length} + 4)) return PictureDamage{PictureFault::ChunkCut};
        if (end) return {};
        offset += 12 + uint64_t{length};
    }
}

}  // namespace glimmet
