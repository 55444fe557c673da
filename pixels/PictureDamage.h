#pragma once

#include <cstdint>

namespace glimmet {

// Pictures up to as many pixels as a square of this side has (16,384 x 16,384, 1 GiB decoded) are
// read; larger ones are refused before anything is decoded.
inline constexpr int64_t kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = kMaxPictureSide * kMaxPictureSide;

// What is wrong with a picture file that cannot be used, as facts; each program words them in its
// own language. `first` and `second` carry the numbers some faults name.
enum class PictureFault {
    None,
    IsAFolder,
    UnknownFormat,          // the first bytes are the signature of no format read
    HeaderCut,              // the file ends inside its header or colour table
    PixelDataOutside,       // the pixel data is said to start beyond the end of the file
    PixelDataCut,           // the file ends after `first` of `second` bytes of pixel data
    CompressedDataCut,      // the file ends inside its compressed pixel data, before the end marker
    FrameCut,               // the file ends inside its first frame
    NoFrame,                // the file holds no frame
    UnexpectedBlock,        // an unknown block `first` at byte `second`
    NoStartMarker,          // no start-of-image marker
    BadSegment,             // an invalid segment length at byte `first`
    EndMarkerMissing,       // the file ends before its end-of-image marker
    ChunkCut,               // the file ends before its closing IEND chunk
    BadChunk,               // an invalid chunk length at byte `first`
    UnknownHeader,          // a bitmap header of `first` bytes, a size no bitmap variant has
    BadSize,                // the header gives the size `first` x `second`, which holds no pixel
    UnsupportedLayout,      // `first` bits per pixel with compression `second`: no bitmap variant
    PixelDataInsideHeader,  // the pixel data is said to start at byte `first`, before the header,
                            // its colour masks and its colour table end at byte `second`
    ColourTableTooLarge,    // a colour table of `first` entries where the pixels can use `second`
    BadColourMasks,         // the colour bit masks are all zero, overlap, have gaps or exceed the pixel
    RunOutside,             // compressed pixel data at byte `first` runs or jumps outside the picture
    ColourIndexOutside,     // colour index `first` in a picture whose colour table has `second` entries
    DataStopsEarly,         // the compressed pixel data stops before the picture is complete
    DataBeyondPicture,      // the compressed pixel data holds more than the picture
    BadChecksum,            // a part of the file does not match its checksum
    BadPlanes,              // the header gives `first` colour planes where a bitmap has 1
    CorruptData,            // the compressed pixel data is corrupt
    TooManyScans,           // a progressive picture of more than `first` scans, the limit read
    DecoderRefused,         // the format's decoder refuses the file; its reason is the load's detail
    TooLarge,               // the picture is `first` x `second` pixels, more than is read
    OutOfMemory,            // not enough memory to decode the picture of `first` x `second` pixels
};

struct PictureDamage {
    PictureFault fault = PictureFault::None;
    int64_t first = 0;
    int64_t second = 0;
    explicit operator bool() const { return fault != PictureFault::None; }
};

}  // namespace glimmet
