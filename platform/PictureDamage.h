#pragma once

#include <cstdint>

namespace glimmet {

// What is wrong with a picture file that cannot be used, as facts; each program words them in its
// own language. `first` and `second` carry the numbers some faults name.
enum class PictureFault {
    None,
    IsAFolder,
    HeaderCut,          // the file ends inside its header
    PixelDataOutside,   // the pixel data is said to start beyond the end of the file
    PixelDataCut,       // the file ends after `first` of `second` bytes of pixel data
    CompressedDataCut,  // the file ends inside its compressed pixel data, before the end marker
    FrameCut,           // the file ends inside its first frame
    NoFrame,            // the file holds no frame
    UnexpectedBlock,    // an unknown block `first` at byte `second`
    NoStartMarker,      // no start-of-image marker
    BadSegment,         // an invalid segment length at byte `first`
    EndMarkerMissing,   // the file ends before its end-of-image marker
    ChunkCut,           // the file ends before its closing IEND chunk
    BadChunk,           // an invalid chunk length at byte `first`
};

struct PictureDamage {
    PictureFault fault = PictureFault::None;
    uint64_t first = 0;
    uint64_t second = 0;
    explicit operator bool() const { return fault != PictureFault::None; }
};

}  // namespace glimmet
