#include "tests/platform/PictureWriters.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <QBuffer>
#include <cstdlib>
#include <cstring>

namespace glimmet::test {

namespace {

void PutLe16(QByteArray& out, uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& out, uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

void PutBe32(QByteArray& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t Be32At(const QByteArray& bytes, qsizetype at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

void PutColours(QByteArray& out, const std::vector<QRgb>& colours, int entrySize) {
    for (const QRgb c : colours) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        if (entrySize == 4) out.append('\0');
    }
}

void PutRgb(QByteArray& out, const std::vector<QRgb>& colours) {
    for (const QRgb c : colours) {
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
}

uint32_t Crc32(const QByteArray& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The offset of the first chunk of `type` in a PNG file, or -1.
qsizetype FindChunk(const QByteArray& png, const char* type) {
    for (qsizetype at = 8; at + 12 <= png.size(); at += 12 + Be32At(png, at)) {
        if (png.mid(at + 4, 4) == type) return at;
    }
    return -1;
}

QByteArray LzwData(const GifFrame& frame, const Grid& rows) {
    const int clear = 1 << frame.codeSize;
    std::vector<int> codes = frame.lzwCodes;
    if (codes.empty()) {
        for (const auto& row : rows) {
            for (const uint32_t index : row) {
                codes.push_back(clear);
                codes.push_back(static_cast<int>(index));
            }
        }
        codes.push_back(clear + 1);
    }
    QByteArray packed;
    uint32_t bits = 0;
    int count = 0;
    for (const int code : codes) {
        bits |= static_cast<uint32_t>(code) << count;
        count += frame.codeSize + 1;
        while (count >= 8) {
            packed.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) packed.append(static_cast<char>(bits & 0xFF));
    QByteArray blocks(1, static_cast<char>(frame.codeSize));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray part = packed.mid(at, 255);
        blocks.append(static_cast<char>(part.size()));
        blocks.append(part);
    }
    blocks.append('\0');
    return blocks;
}

// The packed-field bits of a colour table of `entries` (a power of 2, at least 2).
int TableBits(size_t entries) {
    int bits = 0;
    while ((2u << bits) < entries) ++bits;
    return bits;
}

}  // namespace

QByteArray MakeBmp(const BmpLayout& s) {
    const int entrySize = s.infoSize == 12 ? 3 : 4;
    QByteArray info;
    PutLe32(info, s.infoSize);
    if (s.infoSize == 12) {
        PutLe16(info, static_cast<uint32_t>(s.width));
        PutLe16(info, static_cast<uint32_t>(s.height));
        PutLe16(info, 1);
        PutLe16(info, s.bits);
    } else {
        PutLe32(info, static_cast<uint32_t>(s.width));
        PutLe32(info, static_cast<uint32_t>(s.height));
        PutLe16(info, 1);
        PutLe16(info, s.bits);
        PutLe32(info, s.compression);
        PutLe32(info, static_cast<uint32_t>(s.pixels.size()));
        PutLe32(info, 2835);
        PutLe32(info, 2835);
        PutLe32(info, s.coloursUsed.value_or(static_cast<uint32_t>(s.palette.size())));
        PutLe32(info, 0);
    }
    for (const uint32_t mask : s.masks) PutLe32(info, mask);
    while (info.size() < static_cast<qsizetype>(s.infoSize)) info.append('\0');
    PutColours(info, s.palette, entrySize);
    const uint32_t offset = s.pixelOffset.value_or(14 + static_cast<uint32_t>(info.size()));
    QByteArray bmp("BM");
    PutLe32(bmp, 14 + static_cast<uint32_t>(info.size() + s.pixels.size()));
    PutLe32(bmp, 0);
    PutLe32(bmp, offset);
    bmp.append(info);
    bmp.append(s.pixels);
    return bmp;
}

QByteArray BlankRle8(int side) {
    BmpLayout s;
    s.width = s.height = side;
    s.bits = 8;
    s.compression = 1;
    s.palette = {0xFF000000u};
    s.pixels = QByteArray("\0\1", 2);
    return MakeBmp(s);
}

QByteArray PackRows(const Grid& grid, int bits) {
    QByteArray out;
    for (auto row = grid.rbegin(); row != grid.rend(); ++row) {
        QByteArray line;
        uint32_t pending = 0;
        int used = 0;
        for (const uint32_t value : *row) {
            if (bits >= 8) {
                for (int byte = 0; byte < bits / 8; ++byte)
                    line.append(static_cast<char>(value >> (8 * byte)));
                continue;
            }
            pending = (pending << bits) | value;
            used += bits;
            if (used == 8) {
                line.append(static_cast<char>(pending));
                pending = 0;
                used = 0;
            }
        }
        if (used > 0) line.append(static_cast<char>(pending << (8 - used)));
        while (line.size() % 4 != 0) line.append('\0');
        out.append(line);
    }
    return out;
}

QImage Paint(const Grid& grid, const std::vector<QRgb>& palette) {
    QImage image(static_cast<int>(grid.front().size()), static_cast<int>(grid.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, palette[grid[y][x]]);
    return image;
}

QByteArray MakeJpeg(const QImage& image, JpegKind kind) {
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    const bool grey = kind == JpegKind::Grey;
    const bool cmyk = kind == JpegKind::Cmyk || kind == JpegKind::Ycck;
    c.image_width = static_cast<JDIMENSION>(image.width());
    c.image_height = static_cast<JDIMENSION>(image.height());
    c.input_components = grey ? 1 : cmyk ? 4 : 3;
    c.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    if (kind == JpegKind::Ycck) jpeg_set_colorspace(&c, JCS_YCCK);
    if (kind == JpegKind::Progressive) jpeg_simple_progression(&c);
    for (int i = 0; i < c.num_components && kind != JpegKind::Subsampled; ++i)
        c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    if (kind == JpegKind::Arithmetic) c.arith_code = TRUE;
    if (kind == JpegKind::Restarts) c.restart_interval = 1;
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(image.width()) * 4);
    for (int y = 0; y < image.height(); ++y) {
        JSAMPLE* p = row.data();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (grey) {
                *p++ = static_cast<JSAMPLE>(qGreen(pixel));
                continue;
            }
            *p++ = static_cast<JSAMPLE>(qRed(pixel));
            *p++ = static_cast<JSAMPLE>(qGreen(pixel));
            *p++ = static_cast<JSAMPLE>(qBlue(pixel));
            if (cmyk) *p++ = 255;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    const QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&c);
    std::free(out);
    return bytes;
}

QByteArray MakeGif(const GifLayout& layout) {
    QByteArray gif("GIF89a");
    PutLe16(gif, static_cast<uint32_t>(layout.width));
    PutLe16(gif, static_cast<uint32_t>(layout.height));
    const bool global = !layout.table.empty();
    gif.append(static_cast<char>(global ? 0x80 | TableBits(layout.table.size()) : 0));
    gif.append(static_cast<char>(layout.background));
    gif.append('\0');
    PutRgb(gif, layout.table);
    for (const GifFrame& f : layout.frames) {
        const int transparent = f.transparent >= 0 ? 1 : 0;
        gif.append(QByteArray("\x21\xF9\x04", 3));
        gif.append(static_cast<char>(transparent));
        gif.append(QByteArray("\x0A\x00", 2));  // 0.1 s
        gif.append(static_cast<char>(transparent ? f.transparent : 0));
        gif.append('\0');
        gif.append(',');
        PutLe16(gif, static_cast<uint32_t>(f.left));
        PutLe16(gif, static_cast<uint32_t>(f.top));
        PutLe16(gif, static_cast<uint32_t>(f.grid.empty() ? 0 : f.grid.front().size()));
        PutLe16(gif, static_cast<uint32_t>(f.grid.size()));
        const bool local = !f.table.empty();
        gif.append(
            static_cast<char>((local ? 0x80 | TableBits(f.table.size()) : 0) | (f.interlaced ? 0x40 : 0)));
        PutRgb(gif, f.table);
        Grid stored = f.grid;
        if (f.interlaced) {
            stored.clear();
            const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
            for (const auto& pass : passes)
                for (size_t y = pass[0]; y < f.grid.size(); y += pass[1]) stored.push_back(f.grid[y]);
        }
        gif.append(LzwData(f, stored));
    }
    gif.append(';');
    return gif;
}

QByteArray WithPngChunk(const QByteArray& png, const char* type, const QByteArray& data) {
    const qsizetype at = FindChunk(png, type);
    if (at < 0) return png;
    QByteArray chunk;
    PutBe32(chunk, static_cast<uint32_t>(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    chunk.append(body);
    PutBe32(chunk, Crc32(body));
    return png.left(at) + chunk + png.mid(at + 12 + Be32At(png, at));
}

QByteArray PngChunkData(const QByteArray& png, const char* type) {
    const qsizetype at = FindChunk(png, type);
    return at < 0 ? QByteArray() : png.mid(at + 8, Be32At(png, at));
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace glimmet::test
