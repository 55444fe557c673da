#include "render/CodePoints.h"

namespace glimmet {

std::vector<std::string_view> SplitCodePoints(const std::string& text) {
    std::vector<std::string_view> points;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80           ? 1
                        : (lead >> 5) == 0x6  ? 2
                        : (lead >> 4) == 0xE  ? 3
                        : (lead >> 3) == 0x1E ? 4
                                              : 1;
        if (i + length > text.size()) length = 1;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        points.emplace_back(text.data() + i, length);
        i += length;
    }
    return points;
}

}  // namespace glimmet
