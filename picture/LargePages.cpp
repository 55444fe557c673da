#include "picture/LargePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace glimmet {

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;

uintptr_t RoundUp(uintptr_t value) {
    return (value + kLargePage - 1) & ~(kLargePage - 1);
}

struct Mapping {
    void* start;
    size_t length;
};

void Unmap(void* mapping) {
    const auto* m = static_cast<Mapping*>(mapping);
    ::munmap(m->start, m->length);
    delete m;
}

}  // namespace

QImage LargePagedImage(int width, int height, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = (qsizetype{width} * depth + 31) / 32 * 4;
    const auto size = static_cast<uintptr_t>(bytesPerLine) * static_cast<uintptr_t>(height);
    if (width <= 0 || height <= 0 || depth <= 0 || size < kLargePage) return {width, height, format};
    // Mapped with room to start on a large page's border; the rest on either side is given back.
    const uintptr_t length = RoundUp(size);
    void* mapped =
        ::mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return {width, height, format};
    const auto base = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t head = RoundUp(base) - base;
    auto* pixels = static_cast<uchar*>(mapped) + head;
    if (head > 0) ::munmap(mapped, head);
    ::munmap(pixels + length, kLargePage - head);
    ::madvise(pixels, length, MADV_HUGEPAGE);
    QImage image(pixels, width, height, bytesPerLine, format, Unmap, new Mapping{pixels, length});
    if (image.isNull()) Unmap(new Mapping{pixels, length});
    return image;
}

void AdviseLargePages(void* data, size_t size) {
    const auto at = reinterpret_cast<uintptr_t>(data);
    const uintptr_t head = RoundUp(at) - at;
    if (size <= head) return;
    const uintptr_t whole = (size - head) & ~(kLargePage - 1);
    if (whole > 0) ::madvise(static_cast<char*>(data) + head, whole, MADV_HUGEPAGE);
}

}  // namespace glimmet
