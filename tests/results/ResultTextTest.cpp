#include "results/ResultText.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultText, RoundGoesToTheEvenDigitOnTrueHalvesOnly) {
    struct Case {
        double value;
        int digits;
        double rounded;
    };
    const Case cases[] = {
        {2.25, 1, 2.2},         {2.75, 1, 2.8}, {-2.25, 1, -2.2},       {-2.75, 1, -2.8}, {1234.25, 1, 1234.2},
        {1234.75, 1, 1234.8},   {0.04, 1, 0.0}, {99999.95, 1, 99999.9}, {0.15, 1, 0.1},  // held a little below 0.15
        {0.05, 1, 0.1},                                                                  // held a little above 0.05
        {2.2500000001, 1, 2.3}, {2.5, 0, 2.0},  {3.5, 0, 4.0},          {0.125, 2, 0.12}, {1e300, 1, 1e300},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value, c.digits), c.rounded) << c.value << ", " << c.digits;
}

TEST(ResultText, CellTexts) {
    struct Case {
        double value;
        bool mean;  // a mean load, written as a 32-bit value
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {1234.75, false, ",", "1234,8"},
        {-0.04, false, ".", "0"},
        {12.0, false, ",", "12"},
        {-37.26, false, ",", "-37,3"},
        {1e15 + 0.5, false, ".", "1000000000000000"},
        {1007.9368, true, ".", "1007.9"},
        {0.1, true, ",", "0,1"},  // 0.1 in 64 bits would read 0.100000001490116
        {2.25, true, ".", "2.2"},
        {12345678.25, true, ".", "12345680"},
        {1e39, true, ".", "1000000000000000000000000000000000000000"},
    };
    for (const Case& c : cases) {
        const std::string text = c.mean ? MeanLoadCellText(c.value, c.separator) : LoadCellText(c.value, c.separator);
        EXPECT_EQ(text, c.text) << c.value;
    }
}

TEST(ResultText, RatingsSafetyFactorAndColumns) {
    const std::pair<double, const char*> fixed[] = {{42.4, " 42.4"}, {56.0, " 56"}, {0.0, " 0"}, {-1.5, "-1.5"}};
    for (const auto& [value, text] : fixed) EXPECT_EQ(FixedText(value), text) << value;
    EXPECT_EQ(GeneralText32(1479.4f, ","), "1479,4");

    const std::pair<double, const char*> cut[] = {{2.96, "2.9"}, {3.0, "3"}, {18.75, "18.7"}, {0.09, "0"}};
    for (const auto& [value, text] : cut) EXPECT_EQ(GeneralText(CutToTenth(value), "."), text) << value;

    const int columns[] = {1, 2, 3, 4, 2, 4, 6, 8, 0};
    for (int combination = 0; combination <= 8; ++combination)
        EXPECT_EQ(CarriageColumns(combination), columns[combination]) << combination;
    EXPECT_EQ(CarriageColumns(-1), 0);
}

}  // namespace
