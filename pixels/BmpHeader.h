#pragma once

#include <cstdint>
#include <vector>

#include "pixels/ByteReader.h"
#include "pixels/PictureDamage.h"

namespace glimmet {

// What a bitmap file's headers say, once they were found consistent with each other and with the
// file. The variants read: the 12-byte core header, the 40-byte header and its 52-, 56-, 108- and
// 124-byte successors, and the 64-byte OS/2 header; 1, 4 and 8 bits per pixel with a colour table
// (RLE4 and RLE8 compression for 4 and 8 bits), 16 and 32 bits with default or given colour bit
// masks, and 24 bits; bottom-up and top-down rows.
struct BmpHeader {
    enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

    // One colour channel of a 16- or 32-bit pixel: `bits` bits from bit `shift` up (none: 0 bits).
    struct Channel {
        uint32_t shift = 0;
        uint32_t bits = 0;
    };

    int64_t width = 0;
    int64_t height = 0;  // rows, positive
    bool topDown = false;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = kRgb;
    uint64_t pixelOffset = 0;         // where the pixel data starts in the file
    std::vector<uint32_t> palette;    // 1, 4 and 8 bits: the colour table, opaque colours
    Channel red, green, blue, alpha;  // 16 and 32 bits; alpha.bits == 0: opaque pixels

    // Reads and checks the headers, the colour masks and the colour table of a bitmap file (one that
    // starts with "BM"). No fault when they are consistent; the pixel data is not looked at.
    static PictureDamage Read(const ByteReader& bytes, BmpHeader* header);

  private:
    PictureDamage ReadMasks(const ByteReader& bytes, uint32_t infoSize);
};

}  // namespace glimmet
