#include "pixels/DamageWords.h"

#include <string_view>

// Marks a text for Qt's translation tools, which read it from this file; the window translates it
// in the context "PictureFaults", and this library stays free of Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace glimmet {

namespace {

// %1 and %2 are the fault's `first` and `second`, %3 the most pixels read and %4 the longest side.
struct Words {
    PictureFault fault;
    const char* source;
};
constexpr Words kWords[] = {
    {PictureFault::IsAFolder, QT_TRANSLATE_NOOP("PictureFaults", "it is a folder, not a file")},
    {PictureFault::UnknownFormat,
     QT_TRANSLATE_NOOP("PictureFaults", "its first bytes are the signature of none of them")},
    {PictureFault::HeaderCut, QT_TRANSLATE_NOOP("PictureFaults", "the file ends inside its header")},
    {PictureFault::PixelDataOutside,
     QT_TRANSLATE_NOOP("PictureFaults", "the pixel data is said to start beyond the end of the file")},
    {PictureFault::PixelDataCut,
     QT_TRANSLATE_NOOP("PictureFaults", "the file ends after %1 of %2 bytes of pixel data")},
    {PictureFault::CompressedDataCut,
     QT_TRANSLATE_NOOP("PictureFaults",
                       "the file ends inside its compressed pixel data, before the end marker")},
    {PictureFault::FrameCut, QT_TRANSLATE_NOOP("PictureFaults", "the file ends inside its first frame")},
    {PictureFault::NoFrame, QT_TRANSLATE_NOOP("PictureFaults", "the file holds no frame")},
    {PictureFault::UnexpectedBlock, QT_TRANSLATE_NOOP("PictureFaults", "unexpected block %1 at byte %2")},
    {PictureFault::NoStartMarker,
     QT_TRANSLATE_NOOP("PictureFaults", "the file does not start with a start-of-image marker")},
    {PictureFault::BadSegment, QT_TRANSLATE_NOOP("PictureFaults", "invalid segment length at byte %1")},
    {PictureFault::EndMarkerMissing,
     QT_TRANSLATE_NOOP("PictureFaults", "the file ends before its end-of-image marker")},
    {PictureFault::ChunkCut,
     QT_TRANSLATE_NOOP("PictureFaults", "the file ends before its closing IEND chunk")},
    {PictureFault::BadChunk, QT_TRANSLATE_NOOP("PictureFaults", "invalid chunk length at byte %1")},
    {PictureFault::UnknownHeader,
     QT_TRANSLATE_NOOP("PictureFaults", "a bitmap header of %1 bytes, a size no bitmap variant has")},
    {PictureFault::BadSize,
     QT_TRANSLATE_NOOP("PictureFaults", "the header gives the size %1 x %2 pixels, which holds no pixel")},
    {PictureFault::UnsupportedLayout,
     QT_TRANSLATE_NOOP("PictureFaults", "%1 bits per pixel with compression %2 is no bitmap variant")},
    {PictureFault::PixelDataInsideHeader,
     QT_TRANSLATE_NOOP("PictureFaults",
                       "the pixel data is said to start at byte %1, but the header, "
                       "colour masks and colour table end at byte %2")},
    {PictureFault::ColourTableTooLarge,
     QT_TRANSLATE_NOOP("PictureFaults", "a colour table of %1 entries where the pixels can use %2")},
    {PictureFault::BadColourMasks,
     QT_TRANSLATE_NOOP("PictureFaults",
                       "the colour bit masks are all zero, overlap, have gaps or exceed the pixel")},
    {PictureFault::RunOutside,
     QT_TRANSLATE_NOOP("PictureFaults",
                       "the compressed pixel data at byte %1 runs or jumps outside the picture")},
    {PictureFault::ColourIndexOutside,
     QT_TRANSLATE_NOOP("PictureFaults", "colour index %1 beyond the colour table of %2 entries")},
    {PictureFault::DataStopsEarly,
     QT_TRANSLATE_NOOP("PictureFaults", "the compressed pixel data stops before the picture is complete")},
    {PictureFault::CorruptData, QT_TRANSLATE_NOOP("PictureFaults", "the compressed pixel data is corrupt")},
    {PictureFault::DataBeyondPicture,
     QT_TRANSLATE_NOOP("PictureFaults", "the compressed pixel data holds more than the picture")},
    {PictureFault::BadChecksum,
     QT_TRANSLATE_NOOP("PictureFaults", "a part of the file does not match its checksum")},
    {PictureFault::BadPlanes,
     QT_TRANSLATE_NOOP("PictureFaults", "the header gives %1 colour planes where a bitmap has 1")},
    {PictureFault::TooManyScans,
     QT_TRANSLATE_NOOP("PictureFaults",
                       "it has more than %1 progressive scans, beyond the limit of %1 scans that are read")},
    {PictureFault::DecoderRefused, QT_TRANSLATE_NOOP("PictureFaults", "the format's decoder refuses it")},
    {PictureFault::TooLarge,
     QT_TRANSLATE_NOOP("PictureFaults", "it is %1 x %2 pixels; at most %3 pixels (%4 x %4) in all are read")},
    {PictureFault::OutOfMemory,
     QT_TRANSLATE_NOOP("PictureFaults", "not enough memory to decode its %1 x %2 pixels")},
};
// Running out of memory before the size is known: the window's label says it all, so it has no
// translation of its own and is worded for the batch command only.
constexpr const char* kNoMemoryToRead = "not enough memory to read it";

}  // namespace

const char* DamageSource(const PictureDamage& damage) {
    if (damage.fault == PictureFault::OutOfMemory && damage.first <= 0) return nullptr;
    for (const auto& [fault, source] : kWords) {
        if (fault == damage.fault) return source;
    }
    return nullptr;
}

std::string FillDamageNumbers(std::string_view text, const PictureDamage& damage) {
    std::string filled;
    filled.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] != '%' || next < '1' || next > '4') {
            filled += text[i];
            continue;
        }
        const int64_t numbers[] = {damage.first, damage.second, kMaxPicturePixels, kMaxPictureSide};
        filled += std::to_string(numbers[next - '1']);
        ++i;
    }
    return filled;
}

std::string DamageInEnglish(const PictureDamage& damage) {
    if (damage.fault == PictureFault::OutOfMemory && damage.first <= 0) return kNoMemoryToRead;
    const char* source = DamageSource(damage);
    return source == nullptr ? std::string{} : FillDamageNumbers(source, damage);
}

}  // namespace glimmet
