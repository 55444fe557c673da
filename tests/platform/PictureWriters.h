#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace glimmet::test {

// Writers of picture files, legal and broken, for the tests and the fuzzing corpus. Qt writes no GIF
// and no variant bitmaps, and its JPEG writer no CMYK, so the tests make their own.

using Grid = std::vector<std::vector<uint32_t>>;  // rows of palette indices or pixel values

// A bitmap file. Every field is written as given, so that headers may contradict the file.
struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;  // negative: rows top-down
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t infoSize = 40;
    std::vector<uint32_t> masks;          // from byte 54: after a 40-byte header, inside a longer one
    std::vector<QRgb> palette;            // 4 bytes an entry; 3 with the 12-byte header
    std::optional<uint32_t> coloursUsed;  // default: the palette's size
    std::optional<uint32_t> pixelOffset;  // default: where the pixels follow the rest
    QByteArray pixels;
};
QByteArray MakeBmp(const BmpLayout& layout);

// A bitmap of `side` x `side` pixels in a few bytes: an RLE8 stream that ends at once, so every
// pixel is black. Large to decode, small to keep.
QByteArray BlankRle8(int side);

// Uncompressed pixel rows: each value `bits` wide (1, 4, 8 most significant first; 16, 24, 32 little
// endian), rows padded to 4 bytes and stored bottom row first.
QByteArray PackRows(const Grid& grid, int bits);

// The image `grid` shows through `palette`, in Format_RGB32.
QImage Paint(const Grid& grid, const std::vector<QRgb>& palette);

enum class JpegKind { Baseline, Subsampled, Progressive, Grey, Cmyk, Ycck, Arithmetic, Restarts };
// `image` as a JPEG file of `kind`, quality 95, every channel at full resolution except Subsampled
// (the usual 4:2:0). CMYK is written inverted with no black ink, as Adobe writes it; Grey keeps the
// green channel.
QByteArray MakeJpeg(const QImage& image, JpegKind kind);

struct GifFrame {
    int left = 0, top = 0;
    Grid grid;  // palette indices, rows top to bottom
    bool interlaced = false;
    int transparent = -1;       // the transparent colour of a graphic control extension, if any
    std::vector<QRgb> table;    // a local colour table, when not empty
    int codeSize = 2;           // LZW minimum code size
    std::vector<int> lzwCodes;  // the codes as written, when not empty; else the grid's
};
struct GifLayout {
    int width = 0, height = 0;  // the logical screen
    std::vector<QRgb> table;    // the global colour table, when not empty (a power of 2 entries)
    int background = 0;
    std::vector<GifFrame> frames;
};
// LZW data that never grows its code table: a clear code before every pixel keeps every code
// codeSize + 1 bits wide. Valid for every decoder, and simple.
QByteArray MakeGif(const GifLayout& layout);

// A copy of the PNG file `png` with the data of its first chunk of `type` replaced and its CRC
// made right again.
QByteArray WithPngChunk(const QByteArray& png, const char* type, const QByteArray& data);
QByteArray PngChunkData(const QByteArray& png, const char* type);

// `image` in a format Qt writes ("PNG", "BMP").
QByteArray Encoded(const QImage& image, const char* format);

}  // namespace glimmet::test
