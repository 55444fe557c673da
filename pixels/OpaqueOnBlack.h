#pragma once

#include <cstdint>

#include "pixels/PixelImage.h"

namespace glimmet {

// Transparent and translucent pixels composed over black, as they show on a black picture box: a
// colour premultiplied by its alpha, rounded as Qt rounds it, so that a picture reads the same
// whether the window or the batch command opened it.

// An 8-bit 0xAARRGGBB pixel, made opaque.
constexpr uint32_t OpaqueOnBlack(uint32_t pixel) {
    const uint32_t alpha = pixel >> 24;
    uint32_t redBlue = (pixel & 0xFF00FFu) * alpha;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    uint32_t green = ((pixel >> 8) & 0xFFu) * alpha;
    green = (green + ((green >> 8) & 0xFFu) + 0x80u) & 0xFF00u;
    return 0xFF000000u | redBlue | green;
}

// A 16-bit channel premultiplied by a 16-bit alpha, then rounded to the nearest 8-bit value.
constexpr uint32_t OpaqueChannel16(uint32_t channel, uint32_t alpha) {
    if (alpha != 0xFFFFu) {
        const uint32_t product = channel * alpha;
        channel = (product + (product >> 16) + 0x8000u) >> 16;
    }
    return (channel + 128) / 257;
}

// Every pixel of `image` made opaque in its own memory, when it carries alpha.
void MakeOpaqueOnBlack(PixelImage& image);

}  // namespace glimmet
