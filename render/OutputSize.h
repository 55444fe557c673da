#pragma once

#include <cmath>
#include <cstdint>

namespace glimmet {

// The output picture's size. The transfer command sets it in twips from the selection and the zoom
// (width before height, the 10 and 20 being twips, products in double precision stored as single);
// a picture box of that size has round(twips / twips-per-pixel) pixels inside, its border drawn
// outside them. At 15 twips per pixel a selection w × h at zoom z gives (w·z + 1) × (h·z + 1)
// pixels: exactly the grid with both its ends. The window and the batch command share this rule so
// that both render the same picture.
struct OutputTwips {
    float width = 0;
    float height = 0;
};

inline OutputTwips OutputSizeTwips(float selectionWidth, float selectionHeight, int16_t zoom,
                                   float twipsPerPixelX, float twipsPerPixelY) {
    return {static_cast<float>(static_cast<double>(twipsPerPixelX) * selectionWidth * zoom + 10),
            static_cast<float>(static_cast<double>(twipsPerPixelY) * selectionHeight * zoom + 20)};
}

// Inner pixels of a box `twips` wide; a negative size gives 0.
inline int64_t TwipsToPixels(float twips, float twipsPerPixel) {
    const double pixels = std::nearbyint(static_cast<double>(twips) / twipsPerPixel);
    return pixels > 0 ? static_cast<int64_t>(pixels) : 0;
}

// The largest output picture either program draws: 16384 pixels a side and 64 Mi pixels in all
// (256 MB at 4 bytes a pixel), far beyond what a screen shows and still safe to allocate.
inline constexpr int64_t kMaxOutputSide = 16384;
inline constexpr int64_t kMaxOutputPixels = int64_t{64} * 1024 * 1024;
inline bool OutputSizeAllowed(int64_t width, int64_t height) {
    return width <= kMaxOutputSide && height <= kMaxOutputSide && width * height <= kMaxOutputPixels;
}

// Twips per pixel at the usual 96 pixels per inch; the batch command renders as on such a screen.
inline constexpr float kStandardTwipsPerPixel = 15.0f;

}  // namespace glimmet
