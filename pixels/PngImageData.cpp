#include "pixels/PngImageData.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "pixels/ByteReader.h"

namespace glimmet {

namespace {

constexpr uint32_t kIhdr = 0x49484452u, kPlte = 0x504C5445u, kIdat = 0x49444154u, kIend = 0x49454E44u;

struct Header {
    uint32_t width = 0, height = 0;
    uint32_t depth = 0, colourType = 0, interlace = 0;
    uint32_t paletteEntries = 0;
    uint32_t Channels() const { return colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1; }
};

// The rows of one pass of the image data (the whole picture when it is not interlaced).
struct Pass {
    uint64_t columns = 0;  // pixels a row
    uint64_t bytes = 0;    // bytes a row, after its filter byte
    uint32_t rows = 0;
};

std::vector<Pass> Passes(const Header& h) {
    struct Grid {
        uint32_t x0, y0, dx, dy;
    };
    static constexpr Grid kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                      {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    static constexpr Grid kWhole[] = {{0, 0, 1, 1}};
    std::vector<Pass> passes;
    for (const Grid& g : h.interlace ? std::span<const Grid>(kAdam7) : std::span<const Grid>(kWhole)) {
        Pass p;
        p.columns = h.width > g.x0 ? (uint64_t{h.width} - g.x0 + g.dx - 1) / g.dx : 0;
        p.rows = h.height > g.y0 ? (h.height - g.y0 + g.dy - 1) / g.dy : 0;
        p.bytes = (p.columns * h.Channels() * h.depth + 7) / 8;
        if (p.columns > 0 && p.rows > 0) passes.push_back(p);
    }
    return passes;
}

uint32_t Paeth(uint32_t a, uint32_t b, uint32_t c) {
    const int32_t p = static_cast<int32_t>(a + b - c);
    const int32_t pa = std::abs(p - static_cast<int32_t>(a)), pb = std::abs(p - static_cast<int32_t>(b)),
                  pc = std::abs(p - static_cast<int32_t>(c));
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// `row`: a filter byte, then `pass.bytes` bytes; `previous` the pass's row before it, unfiltered
// (zeros for the first). Palette rows are unfiltered in place and their indices checked.
PictureDamage CheckRow(const Header& h, const Pass& pass, uint8_t* row, const uint8_t* previous) {
    const uint8_t filter = row[0];
    if (filter > 4) return PictureDamage{PictureFault::CorruptData};
    if (h.colourType != 3) return {};
    uint8_t* x = row + 1;
    for (uint64_t i = 0; i < pass.bytes; ++i) {  // a palette pixel's filter unit is one byte
        const uint32_t a = i > 0 ? x[i - 1] : 0, b = previous[i], c = i > 0 ? previous[i - 1] : 0;
        const uint32_t predicted = filter == 1   ? a
                                   : filter == 2 ? b
                                   : filter == 3 ? (a + b) / 2
                                   : filter == 4 ? Paeth(a, b, c)
                                                 : 0;
        x[i] = static_cast<uint8_t>(x[i] + predicted);
    }
    const uint32_t perByte = 8 / h.depth, mask = (1u << h.depth) - 1;
    for (uint64_t i = 0; i < pass.columns; ++i) {
        const uint32_t shift = 8 - h.depth * (1 + static_cast<uint32_t>(i % perByte));
        const uint32_t index = (x[i / perByte] >> shift) & mask;
        if (index >= h.paletteEntries)
            return PictureDamage{PictureFault::ColourIndexOutside, index, h.paletteEntries};
    }
    return {};
}

// Inflates the image data a row at a time.
class Inflater {
  public:
    Inflater() { ok_ = inflateInit(&stream_) == Z_OK; }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Fills `out` from the chunks' data; the fault when the data ends early or is corrupt.
    PictureDamage Fill(std::span<uint8_t> out, std::vector<std::span<const uint8_t>>& chunks) {
        stream_.next_out = out.data();
        stream_.avail_out = static_cast<uInt>(out.size());
        while (stream_.avail_out > 0) {
            if (!ok_) return PictureDamage{PictureFault::CorruptData};
            if (stream_.avail_in == 0 && !NextChunk(chunks))
                return PictureDamage{PictureFault::DataStopsEarly};
            const int status = inflate(&stream_, Z_NO_FLUSH);
            if (status == Z_STREAM_END && stream_.avail_out > 0)
                return PictureDamage{PictureFault::DataStopsEarly};
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) ok_ = false;
            ended_ = status == Z_STREAM_END;
        }
        return {};
    }

    // After the last row: the stream must end there, its checksum matching, with no data after it.
    PictureDamage Finish(std::vector<std::span<const uint8_t>>& chunks) {
        uint8_t extra = 0;
        while (ok_ && !ended_) {
            if (stream_.avail_in == 0 && !NextChunk(chunks))
                return PictureDamage{PictureFault::CompressedDataCut};
            stream_.next_out = &extra;
            stream_.avail_out = 1;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            if (stream_.avail_out == 0) return PictureDamage{PictureFault::DataBeyondPicture};
            if (status == Z_STREAM_END)
                ended_ = true;
            else if (status != Z_OK && status != Z_BUF_ERROR)
                ok_ = false;
        }
        if (!ok_) return PictureDamage{PictureFault::CorruptData};
        if (stream_.avail_in > 0 || NextChunk(chunks)) return PictureDamage{PictureFault::DataBeyondPicture};
        return {};
    }

  private:
    bool NextChunk(std::vector<std::span<const uint8_t>>& chunks) {
        while (next_ < chunks.size()) {
            const std::span<const uint8_t> chunk = chunks[next_++];
            if (chunk.empty()) continue;
            stream_.next_in = const_cast<Bytef*>(chunk.data());  // zlib's old API; it never writes there
            stream_.avail_in = static_cast<uInt>(chunk.size());
            return true;
        }
        return false;
    }

    z_stream stream_{};
    bool ok_ = false;
    bool ended_ = false;
    size_t next_ = 0;
};

}  // namespace

PictureDamage PngImageData::FindDamage(std::span<const uint8_t> data) {
    const ByteReader bytes(data);
    Header h;
    bool sawHeader = false;
    std::vector<std::span<const uint8_t>> chunks;
    for (uint64_t offset = 8; bytes.Has(offset, 12);) {
        const uint32_t length = bytes.Be32(offset), type = bytes.Be32(offset + 4);
        if (!bytes.Has(offset + 8, uint64_t{length} + 4) || type == kIend) break;
        const uint64_t at = offset + 8;
        // Only the first header counts: it is the one the picture was sized and bounded by, and a
        // second one (which the PNG library refuses later) must not size the rows checked here.
        if (type == kIhdr && length >= 13 && !sawHeader) {
            sawHeader = true;
            h.width = bytes.Be32(at);
            h.height = bytes.Be32(at + 4);
            h.depth = bytes.At(at + 8);
            h.colourType = bytes.At(at + 9);
            h.interlace = bytes.At(at + 12);
        } else if (type == kPlte) {
            h.paletteEntries = length / 3;
        } else if (type == kIdat) {
            chunks.emplace_back(bytes.Data() + at, length);
        }
        offset = at + length + 4;
    }
    if (h.depth == 0 || h.depth > 16) return {};  // the PNG library refuses such a header itself
    Inflater inflater;
    for (const Pass& pass : Passes(h)) {
        std::vector<uint8_t> previous(pass.bytes, 0), row(pass.bytes + 1);
        for (uint32_t y = 0; y < pass.rows; ++y) {
            if (PictureDamage damage = inflater.Fill(row, chunks)) return damage;
            if (PictureDamage damage = CheckRow(h, pass, row.data(), previous.data())) return damage;
            std::copy(row.begin() + 1, row.end(), previous.begin());
        }
    }
    return inflater.Finish(chunks);
}

}  // namespace glimmet
