#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace glimmet {

// A decoded picture without any toolkit: 32-bit pixels 0xAARRGGBB in native order, rows of
// `BytesPerLine()` bytes one after the other. The window hands the same memory to Qt as a
// Format_RGB32 (or Format_ARGB32) image without a copy, so the layout is Qt's: rows padded to whole
// 32-bit words, which 32-bit pixels always are. Move-only: the pixels have one owner.
class PixelImage {
  public:
    PixelImage() = default;

    // `width` x `height` pixels (both at least 1), undefined until written, from large pages when
    // they take at least one; null when the memory cannot be had.
    static PixelImage Make(int32_t width, int32_t height);

    bool IsNull() const { return memory_ == nullptr; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    ptrdiff_t BytesPerLine() const { return ptrdiff_t{width_} * 4; }
    size_t SizeInBytes() const { return static_cast<size_t>(BytesPerLine()) * static_cast<size_t>(height_); }
    uint8_t* Bits() { return memory_ ? memory_->bits : nullptr; }
    const uint8_t* Bits() const { return memory_ ? memory_->bits : nullptr; }
    uint32_t* Row(int64_t y) { return reinterpret_cast<uint32_t*>(Bits() + y * BytesPerLine()); }
    const uint32_t* Row(int64_t y) const {
        return reinterpret_cast<const uint32_t*>(Bits() + y * BytesPerLine());
    }
    uint32_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
    void Fill(uint32_t pixel);

    // Whether the alpha byte carries transparency; without it every pixel's alpha is 0xFF.
    bool HasAlpha() const { return hasAlpha_; }
    void SetHasAlpha(bool hasAlpha) { hasAlpha_ = hasAlpha; }

    // Gives the pixels up to a new owner, which calls Free(owner) when done with them; the image is
    // null afterwards. The pixels stay where Bits() said they were.
    void* Release();
    static void Free(void* owner);

  private:
    struct Memory {
        uint8_t* bits = nullptr;
        size_t mappedLength = 0;  // 0: from the allocator
        ~Memory();
    };
    std::unique_ptr<Memory> memory_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool hasAlpha_ = false;
};

}  // namespace glimmet
