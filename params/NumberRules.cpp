#include "params/NumberRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace glimmet {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keeps a huge exponent from overflowing while it is read. It must stay beyond any double even after
// the digits before the first significant one are counted in ("." and 100,000 zeros, "1e999999"
// is still an infinity), so it is far larger than any text.
constexpr int64_t kExponentLimit = 1'000'000'000'000'000;

// Value of a digit in `radix`, or -1.
int DigitValue(char c, int radix) {
    int value = -1;
    if (IsDigit(c)) {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value < radix ? value : -1;
}

// The decimal number made of its parts, without the C locale (from_chars is locale-free).
// Beyond the range of a double it gives an infinity or 0, as the magnitude says.
double ComposeDecimal(bool negative, std::string_view whole, std::string_view fraction, int64_t exponent) {
    std::string text(whole.empty() ? std::string_view("0") : whole);
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    text += 'e';
    text += std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Decimal magnitude of the first non-zero digit decides between overflow and underflow.
        const size_t firstWhole = whole.find_first_not_of('0');
        const int64_t magnitude = firstWhole != std::string_view::npos
                                      ? static_cast<int64_t>(whole.size() - firstWhole)
                                      : -static_cast<int64_t>(fraction.find_first_not_of('0'));
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

// Reads an exponent's digits from `pos`, saturating; returns false when there is no digit.
bool ReadExponentDigits(std::string_view s, size_t& pos, int64_t& exponent) {
    const size_t start = pos;
    exponent = 0;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        exponent = std::min(exponent * 10 + (s[pos] - '0'), kExponentLimit);
    }
    return pos > start;
}

// "&H" and "&O" integers keep the classic 16- and 32-bit widths (see Val in the header).
double FoldClassicWidth(double value) {
    if (value <= 0xFFFF) return value >= 0x8000 ? value - 65536.0 : value;
    if (value <= 0xFFFFFFFFu) return value >= 0x80000000u ? value - 4294967296.0 : value;
    return value;
}

// Digits of `radix` from `pos` as far as they go; nullopt when there is none.
std::optional<double> ReadRadixDigits(std::string_view s, size_t& pos, int radix) {
    const size_t start = pos;
    double value = 0.0;
    for (int digit = 0; pos < s.size() && (digit = DigitValue(s[pos], radix)) >= 0; ++pos) {
        value = value * radix + digit;
    }
    if (pos == start) return std::nullopt;
    return value;
}

// Radix of an "&H" or "&O" prefix at the start of `s`, or 0.
int RadixPrefix(std::string_view s) {
    if (s.size() < 2 || s[0] != '&') return 0;
    if (s[1] == 'H' || s[1] == 'h') return 16;
    if (s[1] == 'O' || s[1] == 'o') return 8;
    return 0;
}

double ReadDecimalPrefix(std::string_view s) {
    size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    const size_t wholeStart = pos;
    while (pos < s.size() && IsDigit(s[pos])) ++pos;
    const std::string_view whole = s.substr(wholeStart, pos - wholeStart);
    std::string_view fraction;
    if (pos < s.size() && s[pos] == '.') {
        const size_t fractionStart = ++pos;
        while (pos < s.size() && IsDigit(s[pos])) ++pos;
        fraction = s.substr(fractionStart, pos - fractionStart);
    }
    if (whole.empty() && fraction.empty()) return 0.0;
    int64_t exponent = 0;
    if (pos < s.size() && std::string_view("EeDd").find(s[pos]) != std::string_view::npos) {
        size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < s.size() && (s[exponentPos] == '+' || s[exponentPos] == '-')) {
            exponentNegative = s[exponentPos++] == '-';
        }
        // A letter without digits ends the number before it ("1e" reads as 1).
        if (!ReadExponentDigits(s, exponentPos, exponent)) exponent = 0;
        if (exponentNegative) exponent = -exponent;
    }
    return ComposeDecimal(negative, whole, fraction, exponent);
}

double RoundHalfEven(double value) {
    double rounded = std::floor(value);
    const double rest = value - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    return rounded;
}

template <typename Int>
std::optional<Int> RoundInto(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

bool StartsWith(std::string_view s, size_t pos, std::string_view part) {
    return !part.empty() && s.substr(pos, part.size()) == part;
}

}  // namespace

double Val(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    if (const int radix = RadixPrefix(compact)) {
        size_t pos = 2;
        const std::optional<double> value = ReadRadixDigits(compact, pos, radix);
        return value ? FoldClassicWidth(*value) : 0.0;
    }
    return ReadDecimalPrefix(compact);
}

std::optional<int16_t> RoundToInt16(double value) {
    return RoundInto<int16_t>(value);
}
std::optional<uint8_t> RoundToUInt8(double value) {
    return RoundInto<uint8_t>(value);
}

std::string Str(float value) {
    if (value == 0.0f) return " 0";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
    std::string digits(buffer, end);
    const bool negative = digits.front() == '-';
    if (negative) digits.erase(0, 1);
    if (digits.starts_with("0.")) digits.erase(0, 1);
    if (const size_t e = digits.find('e'); e != std::string::npos) digits[e] = 'E';
    return (negative ? "-" : " ") + digits;
}

std::string Str(int32_t value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return (value < 0 ? "" : " ") + std::string(buffer, end);
}

std::optional<int32_t> HexToInt32(std::string_view text) {
    if (RadixPrefix(text) != 16) return std::nullopt;
    size_t pos = 2;
    const std::optional<double> value = ReadRadixDigits(text, pos, 16);
    if (!value || pos != text.size() || *value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<int32_t>(FoldClassicWidth(*value));
}

std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimalSep,
                                        std::string_view groupSep) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    // Group separators are dropped; each must stand between two digits of the whole part.
    std::string whole;
    while (pos < text.size()) {
        if (IsDigit(text[pos])) {
            whole += text[pos++];
        } else if (!whole.empty() && !StartsWith(text, pos, decimalSep) && StartsWith(text, pos, groupSep) &&
                   pos + groupSep.size() < text.size() && IsDigit(text[pos + groupSep.size()])) {
            pos += groupSep.size();
        } else {
            break;
        }
    }
    std::string_view fraction;
    if (StartsWith(text, pos, decimalSep)) {
        pos += decimalSep.size();
        const size_t fractionStart = pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        fraction = text.substr(fractionStart, pos - fractionStart);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            exponentNegative = text[pos++] == '-';
        if (!ReadExponentDigits(text, pos, exponent)) return std::nullopt;
        if (exponentNegative) exponent = -exponent;
    }
    if (pos != text.size()) return std::nullopt;
    return ComposeDecimal(negative, whole, fraction, exponent);
}

}  // namespace glimmet
