#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glimmet {

// The platform's number conversions whose exact results decide what the fields, the colour pick and
// the transfer message do. None of them reads the C or C++ locale: the decimal point is always '.'
// unless a caller passes its own separators to ParseLocaleNumber.

// The lenient reader: the number at the start of `text`, the rest ignored. Blanks (space, tab, line
// feed, carriage return) are skipped wherever they stand. Then an optional sign, digits, at most one
// '.', and an exponent (E or D in either case, optional sign, digits), read as far as they go.
// "&H" or "&O" (either case) at the start reads a hexadecimal or octal integer instead. No number
// at the start gives 0. An exponent beyond the range of a double gives an infinity or 0.
//
// "&H"/"&O" values keep the classic widths: a value that fits 16 bits is a 16-bit two's complement
// pattern (&HFFFF = -1, &H8000 = -32768), one that fits 32 bits a 32-bit pattern (&HFFFFFFFF = -1,
// &H10000 = 65536). The classic platform fails on anything longer; here a longer value is returned
// as its plain magnitude, which every caller then finds out of range for its integer.
double Val(std::string_view text);

// Floating point to integer: nearest, halves to the even neighbour (42.5 -> 42, 43.5 -> 44), the
// range checked after rounding (32767.5 overflows, -32768.5 gives -32768). nullopt stands for the
// platform's overflow; NaN and infinities overflow too.
std::optional<int16_t> RoundToInt16(double value);
std::optional<uint8_t> RoundToUInt8(double value);

// The platform's Str of a single-precision value: a blank before zero and positive values, '-'
// before negative ones; at most 7 significant digits, trailing zeros dropped, no point for whole
// values, and no zero before the point (0.5 -> " .5", -0.5 -> "-.5"). E notation, as "1E+07" or
// "1.234568E-05", when the decimal exponent is 7 or more or below -4, so 1234567 stays
// " 1234567", 1E7 is " 1E+07", 0.0001 is " .0001" and 0.00001 is " 1E-05". Negative zero is " 0".
// NaN and infinities, which the callers never produce, come out as " nan", " inf" and "-inf".
std::string Str(float value);

// Str of an integer: " 255", " 0", "-3".
std::string Str(int32_t value);

// A text "&H" (either case) followed by one or more hexadecimal digits and nothing else, read with
// the same widths as Val ("&HFF" -> 255, "&HFFFF" -> -1). nullopt for any other text and for values
// beyond 32 bits.
std::optional<int32_t> HexToInt32(std::string_view text);

// The whole UTF-8 `text` read as a number by a locale's decimal separator and digit grouping: blanks
// around the number, an optional '+' or '-', digits with group separators between digits of the
// whole part, at most one decimal separator, and an optional exponent (E or e, optional sign,
// digits). Any other character, or no digit at all, gives nullopt. The separators are UTF-8 texts
// because some locales group with a no-break space; an empty separator is never matched.
std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimalSep,
                                        std::string_view groupSep);

}  // namespace glimmet
