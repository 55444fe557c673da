#include "pixels/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "pixels/ColourConversion.h"

namespace glimmet {

namespace {

struct Source {
    std::span<const uint8_t> data;
    size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count) {
    Source& source = *static_cast<Source*>(gif->UserData);
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), source.data.size() - source.at);
    std::memcpy(out, source.data.data() + source.at, n);
    source.at += n;
    return static_cast<int>(n);
}

struct CloseGif {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

PictureLoad Refusal(int error, int64_t width, int64_t height) {
    const char* const text = GifErrorString(error);
    std::string words = text != nullptr ? text : "";
    PictureFault fault = PictureFault::DecoderRefused;
    switch (error) {
        case D_GIF_ERR_NOT_ENOUGH_MEM:
            return PictureLoad::OutOfMemory(width, height);
        case D_GIF_ERR_NO_SCRN_DSCR:
            fault = PictureFault::HeaderCut;
            break;
        case D_GIF_ERR_READ_FAILED:
        case D_GIF_ERR_NO_IMAG_DSCR:
            fault = PictureFault::FrameCut;
            break;
        case D_GIF_ERR_EOF_TOO_SOON:
            fault = PictureFault::DataStopsEarly;
            break;
        case D_GIF_ERR_IMAGE_DEFECT:
        case D_GIF_ERR_DATA_TOO_BIG:
            fault = PictureFault::CorruptData;
            break;
        default:
            break;
    }
    return PictureLoad::Failed(PictureLoadError::Damaged, {fault}, std::move(words));
}

uint32_t Rgb(const GifColorType& c) {
    return Argb(c.Red, c.Green, c.Blue);
}

// The rows of a frame in the order they are stored: interlaced frames store every eighth row from
// row 0, every eighth from row 4, every fourth from row 2, then every second from row 1.
std::vector<int> StoredRowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    constexpr std::array<std::pair<int, int>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : kPasses)
        for (int y = start; y < height; y += step) rows.push_back(y);
    return rows;
}

// The first frame, whose descriptor giflib has just read, onto the logical screen.
PictureLoad DecodeFrame(GifFileType* gif, int transparent, int64_t maxPixels) {
    const GifImageDesc& frame = gif->Image;
    const int64_t width = gif->SWidth > 0 ? gif->SWidth : int64_t{frame.Left} + frame.Width;
    const int64_t height = gif->SHeight > 0 ? gif->SHeight : int64_t{frame.Top} + frame.Height;
    if (width <= 0 || height <= 0) return PictureLoad::Damaged(PictureFault::BadSize, width, height);
    // The frame is decoded whole, also where the screen cuts it: it counts against the bound too.
    if (frame.Width > 0 && frame.Height > 0 && !PictureLoad::Fits(frame.Width, frame.Height, maxPixels))
        return PictureLoad::TooLarge(frame.Width, frame.Height);
    PictureLoad load = PictureLoad::Canvas(width, height, maxPixels);
    if (load.image.IsNull()) return load;
    load.image.SetHasAlpha(transparent >= 0);

    const ColorMapObject* table = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    const int colours = table ? table->ColorCount : 0;
    uint32_t background = 0xFF000000u;
    if (transparent >= 0) {
        background = 0;
    } else if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        background = Rgb(gif->SColorMap->Colors[gif->SBackGroundColor]);
    }
    load.image.Fill(background);

    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    for (const int y : StoredRowOrder(frame.Width > 0 ? frame.Height : 0, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return Refusal(gif->Error, width, height);
        const int64_t row = int64_t{frame.Top} + y;
        uint32_t* out = row < height ? load.image.Row(row) : nullptr;
        for (int x = 0; x < frame.Width; ++x) {
            const int index = line[static_cast<size_t>(x)];
            uint32_t pixel = 0;
            if (index != transparent) {
                if (index >= colours)
                    return PictureLoad::Damaged(PictureFault::ColourIndexOutside, index, colours);
                pixel = Rgb(table->Colors[index]);
            }
            const int64_t column = int64_t{frame.Left} + x;
            if (out && column < width) out[column] = pixel;
        }
    }
    return load;
}

}  // namespace

PictureLoad GifDecoder::Decode(std::span<const uint8_t> data, int64_t maxPixels) {
    Source source{data};
    int error = 0;
    const std::unique_ptr<GifFileType, CloseGif> gif(DGifOpen(&source, ReadBytes, &error));
    if (!gif) return Refusal(error, 0, 0);
    int transparent = -1;  // from the graphic control extension before the frame
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return Refusal(gif->Error, 0, 0);
        if (type == TERMINATE_RECORD_TYPE) return PictureLoad::Damaged(PictureFault::NoFrame);
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return Refusal(gif->Error, 0, 0);
            return DecodeFrame(gif.get(), transparent, maxPixels);
        }
        if (type != EXTENSION_RECORD_TYPE) continue;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) return Refusal(gif->Error, 0, 0);
        // The block's first byte is its length: flags, delay (2 bytes), transparent colour.
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
            transparent = (block[1] & 1) ? block[4] : -1;
        while (block)
            if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) return Refusal(gif->Error, 0, 0);
    }
}

}  // namespace glimmet
