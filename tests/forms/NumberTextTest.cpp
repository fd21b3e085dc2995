#include "forms/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ReadCase {
    std::string text;
    double value;
    bool numeric;
};

TEST(NumberText, ReadsLeadingNumberAndTellsNumeric) {
    const std::string huge(400, '9');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string largest = "179769313486231" + std::string(294, '0');
    const ReadCase cases[] = {
        // Whole numbers.
        {"12", 12, true},
        {"-3.5", -3.5, true},
        {".5", 0.5, true},
        {"-.5", -0.5, true},
        {"12.", 12, true},
        {"007", 7, true},
        {"0.1", 0.1, true},
        {"590", 590, true},
        {"-0", 0, true},
        // No number at all.
        {"", 0, false},
        {"-", 0, false},
        {".", 0, false},
        {"-.", 0, false},
        {"..5", 0, false},
        {"abc", 0, false},
        {"--1", 0, false},
        {"+5", 0, false},
        {" 1", 0, false},
        // A number followed by more text reads as the number.
        {"1.2.3", 1.2, false},
        {"12..", 12, false},
        {"1e5", 1, false},
        {"1E5", 1, false},
        {"2.5e-3", 2.5, false},
        {"12abc", 12, false},
        {"1-2", 1, false},
        {"1,5", 1, false},
        {"3 ", 3, false},
        {"-.5.", -0.5, false},
        // Beyond the range of a double: unreadable, as if malformed.
        {huge, 0, false},
        {"-" + huge, 0, false},
        {huge + ".5", 0, false},
        // Below the smallest double: reads as zero, still a number.
        {tiny, 0, true},
        // The largest doubles read fine.
        {largest, 1.79769313486231e308, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(LeadingNumber(c.text), c.value);
        EXPECT_EQ(IsNumeric(c.text), c.numeric);
    }
}

TEST(NumberText, MinusZeroReadsAsPlainZero) {
    for (const char* text : {"-0", "-0.0", "-.0", "-0abc"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(std::signbit(LeadingNumber(text)));
    }
}

TEST(NumberText, WritesShortestPositionalText) {
    const std::pair<double, const char*> cases[] = {
        {12.5, "12.5"},
        {15, "15"},
        {56.3, "56.3"},
        {12.500000000000002, "12.5"},
        {13.333333, "13.333333"},
        {40.0 / 3.0, "13.3333333333333"},
        {-0.0, "0"},
        {0, "0"},
        {-12.5, "-12.5"},
        {0.1 + 0.2, "0.3"},
        {20.000000000000004, "20"},
        {242.70000000000002, "242.7"},
        {0.1f, "0.100000001490116"},  // a 32-bit value widened keeps its digits
        {999999999999999.4, "999999999999999"},
        {9999999999999999.0, "10000000000000000"},
        {0.000123456789012345678, "0.000123456789012346"},
        {1e20, "100000000000000000000"},
        {-1e21, "-1000000000000000000000"},
        {1e-7, "0.0000001"},
        {1.5e-10, "0.00000000015"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(NumberText(value), text);
    }
}

TEST(NumberText, Writes32BitValuesWithSevenDigits) {
    const std::pair<float, const char*> cases[] = {
        {0.1f, "0.1"},
        {590.0f, "590"},
        {236.0f, "236"},
        {3.1415927f, "3.141593"},
        {1.0f / 3.0f, "0.3333333"},
        {-0.0f, "0"},
        {123456789.0f, "123456800"},
        {1e-6f, "0.000001"},
        {std::numeric_limits<float>::max(), "340282300000000000000000000000000000000"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(NumberText32(value), text);
    }
    // An entry stored in a 32-bit field and written back shows as typed.
    EXPECT_EQ(NumberText32(ToSingle(LeadingNumber("0.1"))), "0.1");
    EXPECT_EQ(NumberText32(ToSingle(LeadingNumber("56.3"))), "56.3");
}

// Every text the program writes must pass the numeric test and read back as
// the value it shows, however large or small the value.
TEST(NumberText, WrittenTextReadsBackAsItsValue) {
    const double values[] = {
        1e300,
        -1e-300,
        123456789012345678.0,
        0.1 + 0.2,
        1.0 / 3.0,
        5e-324,
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(),
        std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::denorm_min(),
        1.7976931348623155e308,
        -0.0,
    };
    for (double v : values) {
        const std::string text = NumberText(v);
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(text.find_first_of("eE+"), std::string::npos);
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(NumberText(LeadingNumber(text)), text);
    }
    for (float v : {std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(), 1e-30f, 7e30f}) {
        const std::string text = NumberText32(v);
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(NumberText32(ToSingle(LeadingNumber(text))), text);
    }
}

TEST(NumberText, NarrowingRoundsToNearestAndSaturates) {
    const float maxFloat = std::numeric_limits<float>::max();
    const std::pair<double, float> cases[] = {
        {0.1, 0.1f},
        {-0.1, -0.1f},
        {1e300, maxFloat},
        {-1e300, -maxFloat},
        {std::numeric_limits<double>::infinity(), maxFloat},
        {-std::numeric_limits<double>::infinity(), -maxFloat},
        {static_cast<double>(maxFloat) * 1.0000001, maxFloat},
        {1e-50, 0.0f},
        {16777217.0, 16777216.0f},  // halfway: to even
        {16777219.0, 16777220.0f},  // halfway: to even
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ToSingle(value), expected);
    }
    EXPECT_EQ(static_cast<double>(ToSingle(0.1)), 0.100000001490116119384765625);
}

}  // namespace
