#include "pixels/OpaqueOnBlack.h"

namespace glimmet {

void MakeOpaqueOnBlack(PixelImage& image) {
    if (image.IsNull() || !image.HasAlpha()) return;
    for (int32_t y = 0; y < image.Height(); ++y) {
        uint32_t* row = image.Row(y);
        for (int32_t x = 0; x < image.Width(); ++x) row[x] = OpaqueOnBlack(row[x]);
    }
    image.SetHasAlpha(false);
}

}  // namespace glimmet
