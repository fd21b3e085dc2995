#include "forms/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(NumberText, ReadsLeadingNumberAndTellsNumeric) {
    // Beyond a double reads as malformed; below the smallest, as zero.
    const std::string huge(400, '9'), tiny = "0." + std::string(400, '0') + "1";
    const std::string largest = "179769313486231" + std::string(294, '0');
    const double big = 1.79769313486231e308;
    using Cases = std::vector<std::pair<std::string, double>>;
    const Cases numeric = {{"-3.5", -3.5}, {".5", 0.5}, {"-.5", -0.5}, {"12.", 12},
                           {"007", 7},     {tiny, 0},   {largest, big}};
    const Cases notNumeric = {{"", 0},        {"-", 0},   {"-.", 0},     {"..5", 0}, {"+5", 0},  {" 1", 0},
                              {"1.2.3", 1.2}, {"1e5", 1}, {"12abc", 12}, {"1-2", 1}, {"1,5", 1}, {huge, 0}};
    for (const bool expected : {true, false}) {
        for (const auto& [text, value] : expected ? numeric : notNumeric) {
            EXPECT_EQ(LeadingNumber(text), value) << text.substr(0, 40);
            EXPECT_EQ(IsNumeric(text), expected) << text.substr(0, 40);
        }
    }
    for (const char* text : {"-0", "-.0", "-0abc"}) EXPECT_FALSE(std::signbit(LeadingNumber(text))) << text;
}

TEST(NumberText, WritesShortestPositionalTextAndNarrowsSaturating) {
    const std::pair<double, std::string> wide[] = {{12.500000000000002, "12.5"},
                                                   {40.0 / 3, "13.3333333333333"},
                                                   {0.1f, "0.100000001490116"},
                                                   {-0.0, "0"},
                                                   {999999999999999.4, "999999999999999"},
                                                   {9999999999999999.0, "1" + std::string(16, '0')},
                                                   {-1e21, "-1" + std::string(21, '0')},
                                                   {1.5e-10, "0.00000000015"}};
    for (const auto& [value, text] : wide) EXPECT_EQ(NumberText(value), text);
    const std::pair<float, std::string> narrow[] = {
        {0.1f, "0.1"}, {3.1415927f, "3.141593"}, {-0.0f, "0"}, {123456789.0f, "123456800"}, {1e-6f, "0.000001"}};
    for (const auto& [value, text] : narrow) EXPECT_EQ(NumberText32(value), text);
    EXPECT_EQ(NumberText32(ToSingle(LeadingNumber("56.3"))), "56.3");
    // Narrowing to 32 bits rounds to nearest, halves to even, and saturates.
    const float fmax = std::numeric_limits<float>::max();
    const double inf = std::numeric_limits<double>::infinity(), above = fmax * 1.0000001;
    const std::pair<double, float> cases[] = {{-0.1, -0.1f}, {1e300, fmax}, {-inf, -fmax}, {above, fmax}, {1e-50, 0}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(ToSingle(value), expected) << value;
    EXPECT_EQ(ToSingle(16777217.0), 16777216.0f);
    EXPECT_EQ(ToSingle(16777219.0), 16777220.0f);
}

// Every text the program writes passes the numeric test and reads back as the
// value it shows, however large or small.
TEST(NumberText, WrittenTextReadsBackAsItsValue) {
    constexpr auto dmax = std::numeric_limits<double>::max();
    for (double v : {1e300, -1e-300, 1.0 / 3.0, 5e-324, dmax, -dmax, 1.0 / 0.0, 1.7976931348623155e308, -0.0}) {
        const std::string text = NumberText(v);
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(text.find_first_of("eE+"), std::string::npos);
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(NumberText(LeadingNumber(text)), text);
    }
    for (float v : {std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(), 7e30f}) {
        const std::string text = NumberText32(v);
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(NumberText32(ToSingle(LeadingNumber(text))), text);
    }
}

}  // namespace
