#include "render/ColorRules.h"

#include <array>
#include <cstring>

namespace glimmet {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
// The two digits of every byte, so that the page's colours cost a look-up each.
constexpr std::array<char, 512> kBytePairs = [] {
    std::array<char, 512> pairs{};
    for (size_t byte = 0; byte < 256; ++byte) {
        pairs[2 * byte] = kHexDigits[byte >> 4];
        pairs[2 * byte + 1] = kHexDigits[byte & 0xF];
    }
    return pairs;
}();
}  // namespace

void ColorToHexText(int32_t colour, char out[6]) {
    // The text has as many digits as the 32-bit pattern needs, at least 6 (zero padding); character
    // i from the left (i = 1..n) is nibble n - i of the pattern.
    const uint32_t bits = static_cast<uint32_t>(colour);
    if (bits <= 0xFFFFFF) {  // six digits, the byte pairs reversed: every colour of a picture
        std::memcpy(out, &kBytePairs[2 * (bits & 0xFF)], 2);
        std::memcpy(out + 2, &kBytePairs[2 * ((bits >> 8) & 0xFF)], 2);
        std::memcpy(out + 4, &kBytePairs[2 * (bits >> 16)], 2);
        return;
    }
    int digits = 6;
    while (digits < 8 && (bits >> (4 * digits)) != 0) ++digits;
    auto character = [&](int position) { return kHexDigits[(bits >> (4 * (digits - position))) & 0xF]; };
    // Red = characters 5-6, green = 3-4, blue = 1-2.
    out[0] = character(5);
    out[1] = character(6);
    out[2] = character(3);
    out[3] = character(4);
    out[4] = character(1);
    out[5] = character(2);
}

bool ColorsWithin(int32_t a, int32_t b, uint8_t tolerance) {
    if (a < 0 || b < 0) return false;
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = ((a >> shift) & 0xFF) - ((b >> shift) & 0xFF);
        if (difference > tolerance || difference < -tolerance) return false;
    }
    return true;
}

void ColorToHex(int32_t colour, std::string& red, std::string& green, std::string& blue) {
    char text[6];
    ColorToHexText(colour, text);
    red.assign(text, 2);
    green.assign(text + 2, 2);
    blue.assign(text + 4, 2);
}

}  // namespace glimmet
