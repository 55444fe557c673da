#include "params/NumberRules.h"

#include <gtest/gtest.h>
#include <cmath>

namespace glimmet {
namespace {

TEST(NumberRules, Val) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},    {"1 2", 12},     {"1.5.6", 1.5}, {"1e2", 100},   {"&HFF", 255},  {"abc", 0},
        {"", 0},          {"- 3", -3},     {".5", 0.5},    {"1.", 1},      {"1e", 1},      {"1E-2", 0.01},
        {"2d3", 2000},    {"1.5d3", 1500}, {"e2", 0},      {"--3", 0},     {"1a2", 1},     {"&O17", 15},
        {"&o17", 15},     {"&H", 0},       {"&HFZ", 15},   {"&HF F", 255}, {"&HFFFF", -1}, {"1e-400", 0},
        {"&O177777", -1}, {"&HA", 10},     {"&Ha", 10},    {"&H9", 9},     {"&Hf", 15},    {"99", 99},
    };
    // Blanks of every kind; "&H" and "&O" keep the classic 16- and 32-bit widths.
    const std::pair<const char*, double> widths[] = {
        {" \t\r\n-3", -3},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H7FFFFFFF", 2147483647.0},
        {"&H80000000", -2147483648.0},
        {"&H100000000", 4294967296.0},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(text), value) << text;
    for (const auto& [text, value] : widths) EXPECT_DOUBLE_EQ(Val(text), value) << text;
    // Out of a double's range, the first significant digit's place decides between infinity and 0.
    EXPECT_TRUE(std::isinf(Val("1e400")));
    EXPECT_TRUE(std::isinf(Val("1e99999999999999999999")));
    EXPECT_TRUE(std::isinf(Val("1." + std::string(500, '0') + "1e400")));
    EXPECT_EQ(Val(std::string(500, '0') + "1e-400"), 0.0);
    EXPECT_TRUE(std::isinf(Val("." + std::string(100000, '0') + "1e999999")));
}

TEST(NumberRules, Rounding) {
    const struct {
        double value;
        std::optional<int16_t> int16;
        std::optional<uint8_t> uint8;
    } cases[] = {
        {42.5, 42, 42},   {43.5, 44, 44},    {-2.5, -2, {}},     {-0.5, 0, 0},
        {255.5, 256, {}}, {254.5, 254, 254}, {32767.5, {}, {}},  {-32768.5, -32768, {}},
        {-32769, {}, {}}, {NAN, {}, {}},     {INFINITY, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt16(c.value), c.int16);
        EXPECT_EQ(RoundToUInt8(c.value), c.uint8);
    }
}

TEST(NumberRules, Str) {
    const std::pair<float, const char*> cases[] = {
        {140, " 140"},    {0, " 0"},        {-0.0f, " 0"},       {0.5f, " .5"},        {-0.5f, "-.5"},
        {1.25f, " 1.25"}, {1e7f, " 1E+07"}, {0.0001f, " .0001"}, {0.00001f, " 1E-05"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(Str(value), text);
    EXPECT_EQ(Str(1234567.0f), " 1234567");
    EXPECT_EQ(Str(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(Str(-1.5e-5f), "-1.5E-05");
    EXPECT_EQ(Str(1.0f / 3), " .3333333");
    EXPECT_EQ(Str(int32_t{255}), " 255");
    EXPECT_EQ(Str(int32_t{0}), " 0");
    EXPECT_EQ(Str(int32_t{-3}), "-3");
    EXPECT_EQ(Str(INT32_MIN), "-2147483648");
}

TEST(NumberRules, HexToInt32) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"&HFF", 255}, {"&h7f", 127}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&H", {}},          {"FF", {}},
        {"&HFG", {}},  {" &HFF", {}}, {"&O17", {}},   {"&HFFFFFFFF", -1}, {"&H100000000", {}},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(HexToInt32(text), value) << text;
    // The reader stops at the end of a view into a longer buffer.
    EXPECT_EQ(HexToInt32(std::string_view("&HFF", 3)), 15);
}

TEST(NumberRules, ParseLocaleNumber) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1,5", 15},   {" 12 ", 12}, {"-3", -3},    {"1e2", 100},        {"1e-2", 0.01}, {".5", 0.5},
        {"1a2", {}},   {"", {}},     {",5", {}},    {"1,,5", {}},        {"1 2", {}},    {"1e", {}},
        {"1.5.6", {}}, {"&HFF", {}}, {"1.5,0", {}}, {"1,234.5", 1234.5},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseLocaleNumber(text, ".", ","), value) << text;
    EXPECT_EQ(ParseLocaleNumber("1,5", ",", "\u00A0"), 1.5);
    EXPECT_EQ(ParseLocaleNumber("1\u00A0234,5", ",", "\u00A0"), 1234.5);
    // Views into longer buffers: nothing past the view's end is read.
    const std::tuple<const char*, size_t, std::optional<double>> views[] = {
        {"-5", 0, {}}, {"123", 2, 12}, {"1,2", 2, {}}, {"1.56", 3, 1.5}, {"1e23", 3, 100},
    };
    for (const auto& [text, length, value] : views) {
        EXPECT_EQ(ParseLocaleNumber(std::string_view(text, length), ".", ","), value) << text;
    }
}

}  // namespace
}  // namespace glimmet
