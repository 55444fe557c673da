#include "params/NumberRules.h"

#include <gtest/gtest.h>
#include <cmath>

namespace glimmet {
namespace {

TEST(NumberRules, Val) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12},
        {"1 2", 12},
        {"1.5.6", 1.5},
        {"1e2", 100},
        {"&HFF", 255},
        {"abc", 0},
        {"", 0},

        {" \t\r\n-3", -3},

        {"- 3", -3},
        {".5", 0.5},
        {"1.", 1},
        {"1e", 1},

        {"1E-2", 0.01},
        {"2d3", 2000},

        {"e2", 0},
        {"--3", 0},
        {"1a2", 1},

        {"&O17", 15},
        {"&H", 0},

        {"&HF F", 255},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H80000000", -2147483648.0},
        {"&H100000000", 4294967296.0},
        {"&O177777", -1},

        {"1e-400", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(Val(c.text), c.value);
    }
    EXPECT_TRUE(std::isinf(Val("1e400")));
    EXPECT_TRUE(std::isinf(Val("1e99999999999999999999")));
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
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {140, " 140"},
        {0, " 0"},
        {-0.0f, " 0"},
        {0.5f, " .5"},
        {-0.5f, "-.5"},
        {1.25f, " 1.25"},
        {1234567, " 1234567"},
        {1e7f, " 1E+07"},
        {12345678, " 1.234568E+07"},
        {0.0001f, " .0001"},
        {0.00001f, " 1E-05"},
        {-1.5e-5f, "-1.5E-05"},
        {1.0f / 3, " .3333333"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Str(c.value), c.text);
    }
    EXPECT_EQ(Str(int32_t{255}), " 255");
    EXPECT_EQ(Str(int32_t{-3}), "-3");
    EXPECT_EQ(Str(INT32_MIN), "-2147483648");
}

TEST(NumberRules, HexToInt32) {
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"&HFF", 255}, {"&h7f", 127}, {"&HFFFF", -1}, {"&HFFFFFFFF", -1}, {"&H10000", 65536},  {"&H", {}},
        {"FF", {}},    {"&HFG", {}},  {" &HFF", {}},  {"&O17", {}},       {"&H100000000", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HexToInt32(c.text), c.value);
    }
}

TEST(NumberRules, ParseLocaleNumber) {
    const char* nbsp = "\u00A0";
    const struct {
        const char* text;
        const char* decimal;
        const char* group;
        std::optional<double> value;
    } cases[] = {
        {"1,5", ",", nbsp, 1.5},
        {"1,5", ".", ",", 15},
        {" 12 ", ".", ",", 12},
        {"-3", ".", ",", -3},
        {"1e2", ".", ",", 100},
        {"1,234.5", ".", ",", 1234.5},
        {"1\u00A0234,5", ",", nbsp, 1234.5},
        {".5", ".", ",", 0.5},
        {"1a2", ".", ",", {}},
        {"", ".", ",", {}},
        {",5", ".", ",", {}},
        {"1,,5", ".", ",", {}},
        {"1.5,0", ".", ",", {}},
        {"1 2", ".", ",", {}},
        {"1e", ".", ",", {}},
        {"1.5.6", ".", ",", {}},
        {"&HFF", ".", ",", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseLocaleNumber(c.text, c.decimal, c.group), c.value);
    }
}

}  // namespace
}  // namespace glimmet
