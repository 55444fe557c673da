#include "pixels/PixelImage.h"

#include <algorithm>
#include <new>

#include "pixels/LargePages.h"

namespace glimmet {

PixelImage::Memory::~Memory() {
    if (mappedLength > 0)
        LargePagedFree(bits, mappedLength);
    else
        ::operator delete(bits);
}

PixelImage PixelImage::Make(int32_t width, int32_t height) {
    PixelImage image;
    if (width <= 0 || height <= 0) return image;
    const size_t size = size_t{4} * static_cast<size_t>(width) * static_cast<size_t>(height);
    auto memory = std::unique_ptr<Memory>(new (std::nothrow) Memory);
    if (!memory) return image;
    if (size >= kLargePageBytes) {
        memory->bits = LargePagedAlloc(size, memory->mappedLength);
    } else {
        memory->bits = static_cast<uint8_t*>(::operator new(size, std::nothrow));
    }
    if (memory->bits == nullptr) return image;
    image.memory_ = std::move(memory);
    image.width_ = width;
    image.height_ = height;
    return image;
}

void PixelImage::Fill(uint32_t pixel) {
    for (int32_t y = 0; y < height_; ++y) std::fill_n(Row(y), width_, pixel);
}

void* PixelImage::Release() {
    width_ = height_ = 0;
    return memory_.release();
}

void PixelImage::Free(void* owner) {
    delete static_cast<Memory*>(owner);
}

}  // namespace glimmet
