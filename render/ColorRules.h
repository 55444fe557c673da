#pragma once

#include <cstdint>
#include <string>

namespace glimmet {

// Colour values are 32-bit signed 0x00BBGGRR: red in the lowest byte, blue in the third.
// A pixel read outside a drawing surface is -1; the invert comparison produces negative values.
constexpr int32_t RGB(int32_t r, int32_t g, int32_t b) {
    return r + 256 * g + 65536 * b;
}

// Comparison codes of METH.
enum : uint8_t { kMethEqual = 1, kMethNotEqual = 2, kMethGreater = 3, kMethLesser = 4, kMethInvert = 5 };

// Splits a colour into two upper-case hexadecimal digits per component.
// Steps: 1. hexadecimal text of the 32-bit value (two's complement for negatives, no leading zeros);
// 2. pad with "0" on the left to 6 characters; 3. red = characters 5-6, green = 3-4, blue = 1-2.
// For an 8-digit text (negative values) the same positions are taken, so -1 gives FF, FF, FF.
void ColorToHex(int32_t colour, std::string& red, std::string& green, std::string& blue);

// The same split written straight into six characters red-green-blue (the page's colour text).
void ColorToHexText(int32_t colour, char out[6]);

// True when sample passes comparison `meth` against `reference`. Codes 3 and 4 compare the whole
// signed values; code 5 replaces sample by its complement and always passes; other codes never pass.
// With a tolerance above 0, codes 1 and 2 take two colours as equal when each of red, green and blue
// differs by at most that much; -1 (outside the picture) then equals nothing.
bool ColorsWithin(int32_t a, int32_t b, uint8_t tolerance);

inline bool ColorMatches(int32_t& sample, int32_t reference, uint8_t meth, uint8_t tolerance = 0) {
    switch (meth) {
        case kMethEqual:
            return tolerance == 0 ? sample == reference : ColorsWithin(sample, reference, tolerance);
        case kMethNotEqual:
            return tolerance == 0 ? sample != reference : !ColorsWithin(sample, reference, tolerance);
        case kMethGreater:
            return sample > reference;
        case kMethLesser:
            return sample < reference;
        case kMethInvert:
            sample = ~sample;
            return true;
        default:
            return false;
    }
}

}  // namespace glimmet
