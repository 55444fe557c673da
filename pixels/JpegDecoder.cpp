#include "pixels/JpegDecoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "pixels/ColourConversion.h"

namespace glimmet {

namespace {

// An arithmetic decoder that meets a marker supplies zero bytes until its scan is done, as the
// standard asks, since encoders leave out the zero bytes that end a scan; so a scan cut short, or
// a frame said to be taller than its scans, decodes without a warning. Valid files need a few of
// those zeros, more for large even areas (libjpeg-turbo's encoder left out 7 for 1024 x 1024 of
// one colour, 14 for 2000 x 2000 mostly of one colour, 19 for 8192 x 8192). A file is refused
// when its pixels change once this many zeros and then other data stand before every marker that
// ends entropy-coded data, that is, when its last blocks were made of the zeros.
int64_t ArithmeticZeros(int64_t pixels) {
    return 8 + pixels / (int64_t{1} << 18);
}
constexpr int kArithmeticProbe = 8;  // data bytes 0xFF (written FF 00) after those zeros

// `data`, a JPEG whose structure PictureIntegrity found whole, with the bytes above before every
// marker that ends a scan's or a restart interval's entropy-coded data.
std::vector<uint8_t> WithScanEndsPadded(std::span<const uint8_t> data, int64_t zeros) {
    const uint8_t* bytes = data.data();
    const size_t size = data.size();
    std::vector<uint8_t> padded;
    padded.reserve(size + size / 8);
    const auto pad = [&padded, zeros] {
        padded.insert(padded.end(), static_cast<size_t>(zeros), 0);
        for (int i = 0; i < kArithmeticProbe; ++i) padded.insert(padded.end(), {0xFF, 0x00});
    };
    bool inScan = false;
    size_t i = 0;
    while (i < size) {
        if (bytes[i] != 0xFF || i + 1 >= size) {
            padded.push_back(bytes[i++]);
            continue;
        }
        const uint8_t marker = bytes[i + 1];
        if (marker == 0xFF) {  // a fill byte before a marker
            padded.push_back(bytes[i++]);
            continue;
        }
        const bool restart = (marker & 0xF8) == 0xD0;
        if (inScan && marker != 0x00) {
            pad();
            inScan = restart;
        }
        const bool segment = !inScan && marker != 0x00 && marker != 0x01 && marker != 0xD8 &&
                             marker != 0xD9 && !restart && i + 3 < size;
        const size_t length =
            std::min<size_t>(segment ? 2 + ((bytes[i + 2] << 8) | bytes[i + 3]) : 2, size - i);
        padded.insert(padded.end(), bytes + i, bytes + i + length);
        i += length;
        if (segment && marker == 0xDA) inScan = true;
    }
    return padded;
}

// A progressive file of thousands of tiny scans would keep the decoder busy for minutes; real files
// have about ten. The same bound as libjpeg-turbo's own TurboJPEG interface.
constexpr int kMostScans = 500;
constexpr int kTooManyScans = -1;  // the trap's code for that, beside libjpeg's message codes

// libjpeg reports errors through a callback that must not return: it jumps back to the setjmp of
// the call in progress. The calls that can jump (JpegSession's members) hold no C++ object that
// needs destroying.
struct Trap {
    jpeg_error_mgr manager;  // first, as libjpeg hands it back as its error manager
    std::jmp_buf jump;
    int code = 0;
    char text[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void Throw(j_common_ptr info) {
    Trap* trap = reinterpret_cast<Trap*>(info->err);
    trap->code = info->err->msg_code;
    info->err->format_message(info, trap->text);
    std::longjmp(trap->jump, 1);
}

// Warnings (level -1) are errors, except a newer JFIF revision, which damages nothing. Trace
// messages are dropped.
void Emit(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code != JWRN_JFIF_MAJOR) Throw(info);
}

void WatchScans(j_common_ptr info) {
    if (!info->is_decompressor || reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMostScans)
        return;
    Trap* trap = reinterpret_cast<Trap*>(info->err);
    trap->code = kTooManyScans;
    std::longjmp(trap->jump, 1);
}

class JpegSession {
  public:
    explicit JpegSession(std::span<const uint8_t> data) : data_(data) {
        info_.err = jpeg_std_error(&trap_.manager);
        trap_.manager.error_exit = Throw;
        trap_.manager.emit_message = Emit;
        progress_.progress_monitor = WatchScans;
    }
    ~JpegSession() { jpeg_destroy_decompress(&info_); }
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    // The header up to the first scan, and the output colours chosen; false when refused.
    bool ReadHeader() {
        if (setjmp(trap_.jump)) return false;
        jpeg_create_decompress(&info_);
        info_.progress = &progress_;
        jpeg_mem_src(&info_, data_.data(), static_cast<unsigned long>(data_.size()));
        jpeg_read_header(&info_, TRUE);
        cmyk_ = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
        // Straight into the pixels' memory order (0xAARRGGBB words), alpha 0xFF.
        const J_COLOR_SPACE rgb32 = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
        info_.out_color_space = cmyk_ ? JCS_CMYK : rgb32;
        return true;
    }
    int64_t Width() const { return info_.image_width; }
    bool Arithmetic() const { return info_.arith_code != 0; }
    int64_t Height() const { return info_.image_height; }
    bool Cmyk() const { return cmyk_; }

    // Every row into `image` (Width() x Height()), up to the end-of-image marker. CMYK rows pass
    // through `cmykRow` (4 bytes a pixel). False when refused.
    bool ReadPixels(PixelImage& image, uint8_t* cmykRow) {
        if (setjmp(trap_.jump)) return false;
        jpeg_start_decompress(&info_);
        while (info_.output_scanline < info_.output_height) {
            uint32_t* line = image.Row(info_.output_scanline);
            JSAMPROW row = cmyk_ ? cmykRow : reinterpret_cast<JSAMPROW>(line);
            if (jpeg_read_scanlines(&info_, &row, 1) != 1) ERREXIT(&info_, JERR_INPUT_EOF);
            if (cmyk_) CmykToRgb(cmykRow, line);
        }
        jpeg_finish_decompress(&info_);
        return true;
    }

    // Whether the rows decoded from here are those of `image`, each decoded into `row` (Width()
    // pixels); false when one differs or the decoder refuses.
    bool ReadsAs(const PixelImage& image, uint32_t* row, uint8_t* cmykRow) {
        if (setjmp(trap_.jump)) return false;
        jpeg_start_decompress(&info_);
        bool same = info_.output_width == static_cast<JDIMENSION>(image.Width()) &&
                    info_.output_height == static_cast<JDIMENSION>(image.Height());
        while (same && info_.output_scanline < info_.output_height) {
            const JDIMENSION y = info_.output_scanline;
            JSAMPROW line = cmyk_ ? cmykRow : reinterpret_cast<JSAMPROW>(row);
            if (jpeg_read_scanlines(&info_, &line, 1) != 1) return false;
            if (cmyk_) CmykToRgb(cmykRow, row);
            same = std::memcmp(row, image.Row(y), info_.output_width * sizeof(uint32_t)) == 0;
        }
        return same;
    }

    PictureLoad Refusal() const {
        const std::string words = trap_.text;
        switch (trap_.code) {
            case kTooManyScans:
                return PictureLoad::Failed(PictureLoadError::TooLarge,
                                           {PictureFault::TooManyScans, kMostScans});
            case JERR_OUT_OF_MEMORY:
                return PictureLoad::OutOfMemory(Width(), Height());
            case JERR_IMAGE_TOO_BIG:  // beyond JPEG's own bound of 65,500 a side
                return PictureLoad::TooLarge(Width(), Height());
            case JWRN_JPEG_EOF:
            case JERR_INPUT_EOF:
            case JERR_INPUT_EMPTY:
                return Refused(PictureFault::CompressedDataCut, words);
            case JWRN_HIT_MARKER:
                return Refused(PictureFault::DataStopsEarly, words);
            case JWRN_HUFF_BAD_CODE:
            case JWRN_ARITH_BAD_CODE:
            case JWRN_EXTRANEOUS_DATA:
            case JWRN_MUST_RESYNC:
            case JWRN_NOT_SEQUENTIAL:
            case JWRN_BOGUS_PROGRESSION:
            case JWRN_BOGUS_ICC:
                return Refused(PictureFault::CorruptData, words);
            default:
                return Refused(PictureFault::DecoderRefused, words);
        }
    }

  private:
    static PictureLoad Refused(PictureFault fault, const std::string& words) {
        return PictureLoad::Failed(PictureLoadError::Damaged, {fault}, words);
    }

    // Adobe's CMYK is stored inverted: a byte is 255 minus the ink, so each colour is its byte
    // scaled by the black byte.
    void CmykToRgb(const uint8_t* in, uint32_t* out) const {
        for (JDIMENSION x = 0; x < info_.output_width; ++x, in += 4)
            out[x] = Argb(in[3] * in[0] / 255, in[3] * in[1] / 255, in[3] * in[2] / 255);
    }

    std::span<const uint8_t> data_;
    Trap trap_;
    jpeg_progress_mgr progress_{};
    jpeg_decompress_struct info_{};
    bool cmyk_ = false;
};

}  // namespace

PictureLoad JpegDecoder::Decode(std::span<const uint8_t> data, int64_t maxPixels) {
    JpegSession session(data);
    if (!session.ReadHeader()) return session.Refusal();
    PictureLoad load = PictureLoad::Canvas(session.Width(), session.Height(), maxPixels);
    if (load.image.IsNull()) return load;
    std::vector<uint8_t> cmykRow(session.Cmyk() ? static_cast<size_t>(session.Width()) * 4 : 0);
    if (!session.ReadPixels(load.image, cmykRow.data())) return session.Refusal();
    if (session.Arithmetic()) {
        const std::vector<uint8_t> padded =
            WithScanEndsPadded(data, ArithmeticZeros(session.Width() * session.Height()));
        JpegSession probe(padded);
        std::vector<uint32_t> row(static_cast<size_t>(session.Width()));
        if (!probe.ReadHeader() || !probe.ReadsAs(load.image, row.data(), cmykRow.data()))
            return PictureLoad::Damaged(PictureFault::DataStopsEarly);
    }
    return load;
}

}  // namespace glimmet
