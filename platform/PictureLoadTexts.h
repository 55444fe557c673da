#pragma once

#include <QString>
#include <cstdint>

namespace glimmet {

// What the picture loader says is wrong with a file, for the `detail` of a failed load. Callers put
// it into their own messages; the system's own reasons (QFile, QImageReader) pass through unchanged.
namespace picture_texts {

inline QString IsAFolder() {
    return QStringLiteral("it is a folder, not a file");
}
inline QString HeaderCut() {
    return QStringLiteral("the file ends inside its header");
}
inline QString PixelDataOutside() {
    return QStringLiteral("the pixel data is said to start beyond the end of the file");
}
inline QString PixelDataCut(uint64_t present, uint64_t needed) {
    return QStringLiteral("file ends after %1 of %2 bytes of pixel data").arg(present).arg(needed);
}
inline QString CompressedDataCut() {
    return QStringLiteral("the file ends inside its compressed pixel data, before the end marker");
}
inline QString FrameCut() {
    return QStringLiteral("the file ends inside its first frame");
}
inline QString NoFrame() {
    return QStringLiteral("the file holds no frame");
}
inline QString UnexpectedBlock(uint8_t block, uint64_t offset) {
    return QStringLiteral("unexpected block 0x%1 at byte %2").arg(block, 2, 16, QLatin1Char('0')).arg(offset);
}
inline QString NoStartMarker() {
    return QStringLiteral("the file does not start with a start-of-image marker");
}
inline QString BadSegment(uint64_t offset) {
    return QStringLiteral("invalid segment length at byte %1").arg(offset);
}
inline QString EndMarkerMissing() {
    return QStringLiteral("the file ends before its end-of-image marker");
}
inline QString ChunkCut() {
    return QStringLiteral("the file ends before its closing IEND chunk");
}
inline QString BadChunk(uint64_t offset) {
    return QStringLiteral("invalid chunk length at byte %1").arg(offset);
}

}  // namespace picture_texts
}  // namespace glimmet
