#include "params/FieldRules.h"

#include <gtest/gtest.h>

namespace glimmet {
namespace {

// nullopt in `kept` stands for a rejected text: "1" written back and the value 1.
struct FieldCase {
    const char* text;
    std::optional<int16_t> kept;
};

void ExpectOutcome(const FieldOutcome& outcome, const FieldCase& c) {
    SCOPED_TRACE(c.text);
    if (c.kept) {
        EXPECT_EQ(outcome.replacement, std::nullopt);
        EXPECT_EQ(outcome.value, *c.kept);
    } else {
        EXPECT_EQ(outcome.replacement, "1");
        EXPECT_EQ(outcome.value, 1);
    }
}

TEST(FieldRules, Step) {
    const FieldCase cases[] = {
        {"", {}},    {"0", {}},   {"00", {}},  {"0.0", {}}, {"-3", {}},   {"05", 5},        {"1.0", 1},
        {"1.5", 2},  {"2.5", 2},  {"3.5", 4},  {"12a", {}}, {"a12", {}},  {"+3", {}},       {" 3", {}},
        {"3 ", {}},  {"1 2", 12}, {"1a2", 1},  {"1,5", 1},  {"1e2", 100}, {"32767", 32767}, {"40000", {}},
        {"1e5", {}}, {"0.4", {}}, {"0.5", {}}, {"9", 9},    {"909", 909},
    };
    for (const auto& c : cases) ExpectOutcome(StepTextRule(c.text), c);
}

TEST(FieldRules, Zoom) {
    const FieldCase dotDecimal[] = {
        {"0", {}},   {"05", 5},   {"2.5", 2},   {"3.5", 4},       {" 3", {}},
        {"1a2", {}}, {"1 2", {}}, {"1e2", 100}, {"32767", 32767}, {"40000", {}},
        {"1e5", {}}, {"0.4", 0},  {"1,5", 15},  {"9", 9},         {"909", 909},
    };
    for (const auto& c : dotDecimal) ExpectOutcome(ZoomTextRule(c.text, ".", ","), c);
    const FieldCase commaDecimal[] = {{"1,5", 2}, {"2,5", 2}, {"1.5", {}}, {"1\u00A0000", 1000}};
    for (const auto& c : commaDecimal) ExpectOutcome(ZoomTextRule(c.text, ",", "\u00A0"), c);
}

TEST(FieldRules, Colour) {
    const struct {
        const char* text;
        uint8_t component;
    } cases[] = {
        {"", 0},        {"abc", 0},    {"-", 0},      {"12abc", 12}, {"127.5", 128},
        {"128.5", 128}, {"&HFF", 255}, {" 255", 255}, {"-0.4", 0},   {"255.5", 7},
        {"256", 7},     {"-1", 7},     {"&HFFFF", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColourTextRule(c.text, 7), c.component);
    }
}

}  // namespace
}  // namespace glimmet
