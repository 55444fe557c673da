// Fuzz target: picture loading, every format, through DecodePicture, the function that
// LoadPictureFile hands a file's bytes to. Checks the loader's promises: a picture is opaque within
// the size bound, a refusal has no picture and a reason, and the same bytes give the same pixels
// twice (pixels from uninitialised memory would differ, or show under valgrind, as every pixel is
// read).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "pixels/PictureLoader.h"

// Small enough for quick runs, large enough for every variant a fuzzer builds.
constexpr int64_t kMaxPixels = int64_t{1} << 18;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmet;
    const std::span<const uint8_t> bytes(data, size);
    const PictureLoad load = DecodePicture(bytes, kMaxPixels);
    if (load.error != PictureLoadError::None) {
        if (!load.image.IsNull() || (!load.damage && load.detail.empty())) std::abort();
        return 0;
    }
    const PixelImage& image = load.image;
    if (image.IsNull() || image.HasAlpha()) std::abort();
    if (int64_t{image.Width()} * image.Height() > kMaxPixels) std::abort();
    const PictureLoad again = DecodePicture(bytes, kMaxPixels);
    if (again.image.SizeInBytes() != image.SizeInBytes() ||
        std::memcmp(again.image.Bits(), image.Bits(), image.SizeInBytes()) != 0)
        std::abort();
    uint64_t sum = 0;  // a branch on every pixel, for valgrind
    for (int32_t y = 0; y < image.Height(); ++y)
        for (int32_t x = 0; x < image.Width(); ++x) {
            if (image.Pixel(x, y) >> 24 != 0xFF) std::abort();
            sum = sum * 31 + image.Pixel(x, y);
        }
    static volatile int odd = 0;
    if (sum & 1) odd = odd + 1;
    return 0;
}
