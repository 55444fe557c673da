#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

namespace glimmet {

// Bounds-checked reads of a file's bytes; offsets are 64-bit so that sums never wrap. Reads at an
// offset are valid only after Has() said the bytes are there.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data.data()), size_(data.size()) {}

    uint64_t Size() const { return size_; }
    const uint8_t* Data() const { return data_; }
    bool Has(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }
    uint8_t At(uint64_t offset) const { return data_[offset]; }
    uint32_t Le16(uint64_t offset) const { return At(offset) | (At(offset + 1) << 8); }
    uint32_t Le32(uint64_t offset) const { return Le16(offset) | (Le16(offset + 2) << 16); }
    uint32_t Be16(uint64_t offset) const { return (At(offset) << 8) | At(offset + 1); }
    uint32_t Be32(uint64_t offset) const { return (Be16(offset) << 16) | Be16(offset + 2); }
    // The offset of the next byte equal to `value` at or after `offset`, or Size().
    uint64_t Find(uint64_t offset, uint8_t value) const {
        if (offset >= size_) return size_;
        return static_cast<uint64_t>(std::find(data_ + offset, data_ + size_, value) - data_);
    }

  private:
    const uint8_t* data_;
    uint64_t size_;
};

}  // namespace glimmet
