// Fuzz target: picture loading, every format, through DecodePicture, the function that
// LoadPictureFile hands a file's bytes to. Checks the loader's promises: a picture is Format_RGB32
// within the size bound, a refusal has no picture and a reason, and the same bytes give the same
// pixels twice (pixels from uninitialised memory would differ, or show under valgrind, as every
// pixel is read).
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "picture/PictureLoader.h"

// Small enough for quick runs, large enough for every variant a fuzzer builds.
constexpr int64_t kMaxPixels = int64_t{1} << 18;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmet;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PictureLoad load = DecodePicture(bytes, kMaxPixels);
    if (load.error != PictureLoadError::None) {
        if (!load.image.isNull() || (!load.damage && load.detail.isEmpty())) std::abort();
        return 0;
    }
    const QImage& image = load.image;
    if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
    if (int64_t{image.width()} * image.height() > kMaxPixels) std::abort();
    const PictureLoad again = DecodePicture(bytes, kMaxPixels);
    if (again.image != image) std::abort();
    uint64_t sum = 0;  // a branch on every pixel, for valgrind
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i) sum = sum * 31 + image.constBits()[i];
    static volatile int odd = 0;
    if (sum & 1) odd = odd + 1;
    return 0;
}
