#include "pixels/BmpHeader.h"

#include <algorithm>
#include <bit>

#include "pixels/ColourConversion.h"

namespace glimmet {

namespace {

constexpr uint64_t kFileHeader = 14;
constexpr uint64_t kMaskOffset = kFileHeader + 40;  // colour masks follow the 40-byte header's fields

bool KnownInfoSize(uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool ValidLayout(uint32_t bits, uint32_t compression, uint32_t infoSize) {
    switch (compression) {
        case BmpHeader::kRgb:
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case BmpHeader::kRle8:
            return bits == 8;
        case BmpHeader::kRle4:
            return bits == 4;
        case BmpHeader::kBitFields:
        case BmpHeader::kAlphaBitFields:
            // OS/2's compression 3 is a Huffman code, not colour masks.
            return (bits == 16 || bits == 32) && infoSize != 64;
        default:
            return false;
    }
}

// A mask must be one run of bits inside the pixel.
bool ContiguousWithin(uint32_t mask, uint32_t bits) {
    if (bits < 32 && (mask >> bits) != 0) return false;
    if (mask == 0) return true;
    const uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

bool AlphaMaskGiven(uint32_t compression, uint32_t infoSize) {
    return compression == BmpHeader::kAlphaBitFields || infoSize >= 56;
}

// Where the headers and the colour masks end. Masks given with compression 3 or 6 follow the
// 40-byte header's fields, inside a longer header or after a 40-byte one.
uint64_t MasksEnd(const BmpHeader& h, uint32_t infoSize) {
    const uint64_t headerEnd = kFileHeader + infoSize;
    const bool given = h.compression == BmpHeader::kBitFields || h.compression == BmpHeader::kAlphaBitFields;
    if (!given || (h.bitsPerPixel != 16 && h.bitsPerPixel != 32)) return headerEnd;
    return std::max(headerEnd, kMaskOffset + (AlphaMaskGiven(h.compression, infoSize) ? 16 : 12));
}

BmpHeader::Channel ChannelOf(uint32_t mask) {
    if (mask == 0) return {};
    return {static_cast<uint32_t>(std::countr_zero(mask)), static_cast<uint32_t>(std::popcount(mask))};
}

}  // namespace

PictureDamage BmpHeader::Read(const ByteReader& bytes, BmpHeader* header) {
    BmpHeader& h = *header;
    if (!bytes.Has(0, kFileHeader + 4)) return {PictureFault::HeaderCut};
    h.pixelOffset = bytes.Le32(10);
    const uint32_t infoSize = bytes.Le32(kFileHeader);
    if (!KnownInfoSize(infoSize)) return {PictureFault::UnknownHeader, infoSize};
    // The fields read below; the rest of the header is covered by the colour table's check.
    if (!bytes.Has(kFileHeader, std::min(infoSize, 40u))) return {PictureFault::HeaderCut};

    uint32_t coloursUsed = 0;
    if (infoSize == 12) {  // the oldest header: unsigned 16-bit sizes, no compression
        h.width = bytes.Le16(18);
        h.height = bytes.Le16(20);
        h.bitsPerPixel = bytes.Le16(24);
    } else {
        h.width = static_cast<int32_t>(bytes.Le32(18));
        h.height = static_cast<int32_t>(bytes.Le32(22));
        h.bitsPerPixel = bytes.Le16(28);
        h.compression = bytes.Le32(30);
        coloursUsed = bytes.Le32(46);
    }
    if (h.width <= 0 || h.height == 0) return {PictureFault::BadSize, h.width, h.height};
    const uint32_t planes = bytes.Le16(infoSize == 12 ? 22 : 26);
    if (planes != 1) return {PictureFault::BadPlanes, planes};
    h.topDown = h.height < 0;
    if (h.topDown) h.height = -h.height;
    if (!ValidLayout(h.bitsPerPixel, h.compression, infoSize))
        return {PictureFault::UnsupportedLayout, h.bitsPerPixel, h.compression};

    // Where the colour masks and the colour table end: the pixel data must start after them.
    const uint64_t masksEnd = MasksEnd(h, infoSize);
    uint32_t entries = 0;
    const uint64_t entrySize = infoSize == 12 ? 3 : 4;
    if (h.bitsPerPixel <= 8) {
        // The table holds as many colours as the pixels can name unless the header says fewer.
        const uint32_t most = 1u << h.bitsPerPixel;
        if (coloursUsed > most) return {PictureFault::ColourTableTooLarge, coloursUsed, most};
        entries = coloursUsed != 0 ? coloursUsed : most;
    }
    const uint64_t tableEnd = masksEnd + entries * entrySize;
    if (h.pixelOffset < tableEnd)
        return {PictureFault::PixelDataInsideHeader, static_cast<int64_t>(h.pixelOffset),
                static_cast<int64_t>(tableEnd)};
    if (!bytes.Has(0, tableEnd)) return {PictureFault::HeaderCut};
    if (const PictureDamage damage = h.ReadMasks(bytes, infoSize)) return damage;
    h.palette.resize(entries);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint64_t at = masksEnd + i * entrySize;
        h.palette[i] = Argb(bytes.At(at + 2), bytes.At(at + 1), bytes.At(at));
    }
    if (!bytes.Has(h.pixelOffset, 0)) return {PictureFault::PixelDataOutside};
    return {};
}

// 16 and 32 bits per pixel. Compression 0 means the fixed layouts (5-5-5 and 8-8-8); masks given
// with compression 3 or 6 must each be one run of bits, apart from the others. An alpha mask counts
// from the 56-byte header on, also with compression 0, as bitmaps with transparency are written so.
// The masks lie within the file: MasksEnd was checked.
PictureDamage BmpHeader::ReadMasks(const ByteReader& bytes, uint32_t infoSize) {
    if (bitsPerPixel != 16 && bitsPerPixel != 32) return {};
    const bool given = compression == kBitFields || compression == kAlphaBitFields;
    uint32_t r = bitsPerPixel == 16 ? 0x7C00u : 0xFF0000u;
    uint32_t g = bitsPerPixel == 16 ? 0x03E0u : 0x00FF00u;
    uint32_t b = bitsPerPixel == 16 ? 0x001Fu : 0x0000FFu;
    uint32_t a = 0;
    if (given) {
        r = bytes.Le32(kMaskOffset);
        g = bytes.Le32(kMaskOffset + 4);
        b = bytes.Le32(kMaskOffset + 8);
    }
    // With the fixed layouts only 32-bit pixels have room for alpha.
    if (AlphaMaskGiven(compression, infoSize) && (given || bitsPerPixel == 32))
        a = bytes.Le32(kMaskOffset + 12);
    const bool apart = (r & g) == 0 && (r & b) == 0 && (g & b) == 0 && (a & (r | g | b)) == 0;
    const bool runs = ContiguousWithin(r, bitsPerPixel) && ContiguousWithin(g, bitsPerPixel) &&
                      ContiguousWithin(b, bitsPerPixel) && ContiguousWithin(a, bitsPerPixel);
    if ((r | g | b) == 0 || !apart || !runs) return {PictureFault::BadColourMasks};
    red = ChannelOf(r);
    green = ChannelOf(g);
    blue = ChannelOf(b);
    alpha = ChannelOf(a);
    return {};
}

}  // namespace glimmet
