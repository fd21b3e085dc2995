#include "forms/NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadCase {
    const char* text;
    double value;
    bool numeric;
};

TEST(NumberText, ReadsLeadingNumberAndTellsNumeric) {
    const ReadCase cases[] = {
        {"12", 12, true},     {"-3.5", -3.5, true}, {".5", 0.5, true}, {"12.", 12, true},     {"", 0, false},
        {"-", 0, false},      {".", 0, false},      {"-.", 0, false},  {"1.2.3", 1.2, false}, {"1e5", 1, false},
        {"12abc", 12, false}, {"abc", 0, false},    {"--1", 0, false}, {"1-2", 1, false},     {" 1", 0, false},
        {"-0", 0, true},      {"0.1", 0.1, true},   {"007", 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingNumber(c.text), c.value);
        EXPECT_EQ(IsNumeric(c.text), c.numeric);
    }
}

TEST(NumberText, NumberTooLargeForDoubleIsNotNumeric) {
    const std::string huge(400, '9');
    EXPECT_FALSE(IsNumeric(huge));
    EXPECT_EQ(LeadingNumber(huge), 0.0);
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_TRUE(IsNumeric(tiny));
    EXPECT_EQ(LeadingNumber(tiny), 0.0);
}

TEST(NumberText, WritesShortestPositionalText) {
    const std::pair<double, const char*> cases[] = {
        {12.5, "12.5"},
        {15, "15"},
        {56.3, "56.3"},
        {12.500000000000002, "12.5"},
        {-0.0, "0"},
        {0, "0"},
        {-12.5, "-12.5"},
        {1e20, "100000000000000000000"},
        {1e-7, "0.0000001"},
        {13.333333, "13.333333"},
        {20.000000000000004, "20"},
        {242.70000000000002, "242.7"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(NumberText(value), text);
    }
    EXPECT_EQ(NumberText32(0.1f), "0.1");
    EXPECT_EQ(NumberText32(590.0f), "590");
}

TEST(NumberText, WrittenTextReadsBackAsItsValue) {
    const double values[] = {1e300, -1e-300, 123456789012345678.0, 0.1 + 0.2, 1.0 / 3.0, 5e-324};
    for (double v : values) {
        const std::string text = NumberText(v);
        SCOPED_TRACE(text);
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(NumberText(LeadingNumber(text)), text);
    }
}

TEST(NumberText, NarrowingSaturates) {
    EXPECT_EQ(ToSingle(1e300), std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(-1e300), -std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(0.1), 0.1f);
}

}  // namespace
