#pragma once

#include <cstdint>

namespace glimmet {

// The engine keeps colours as 0x00BBGGRR (red in the lowest byte); a picture's pixels are
// 0xAARRGGBB, as Qt's QRgb is.
// Only the low 24 bits of an engine colour carry the colour: the highest byte is dropped, so the
// complement that the invert comparison makes draws as the inverse colour.

// A pixel of the given channels, as qRgba makes it.
constexpr uint32_t Argb(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha = 255) {
    return ((alpha & 0xFFu) << 24) | ((red & 0xFFu) << 16) | ((green & 0xFFu) << 8) | (blue & 0xFFu);
}

// An engine colour as an opaque QRgb.
constexpr uint32_t EngineToQRgb(uint32_t colour) {
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// A QRgb as an engine colour; the alpha is ignored and the highest byte is always 0.
constexpr int32_t QRgbToEngine(uint32_t pixel) {
    return static_cast<int32_t>(((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu));
}

}  // namespace glimmet
