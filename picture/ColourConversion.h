#pragma once

#include <QRgb>
#include <cstdint>

namespace glimmet {

// The engine keeps colours as 0x00BBGGRR (red in the lowest byte); Qt's QRgb is 0xAARRGGBB.
// Only the low 24 bits of an engine colour carry the colour: the highest byte is dropped, so the
// complement that the invert comparison makes draws as the inverse colour.

// An engine colour as an opaque QRgb.
constexpr QRgb EngineToQRgb(uint32_t colour) {
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// A QRgb as an engine colour; the alpha is ignored and the highest byte is always 0.
constexpr int32_t QRgbToEngine(QRgb pixel) {
    return static_cast<int32_t>(((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu));
}

}  // namespace glimmet
