#include "results/ResultText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(ResultText, RoundGoesToTheEvenDigitOnTrueHalvesOnly) {
    struct Case {
        double value;
        int digits;
        double rounded;
    };
    const Case cases[] = {
        {2.25, 1, 2.2},         {2.75, 1, 2.8},         {-2.25, 1, -2.2}, {-2.75, 1, -2.8},
        {1234.25, 1, 1234.2},   {1234.75, 1, 1234.8},   {0.04, 1, 0.0},   {0.0500001, 1, 0.1},
        {0.15, 1, 0.1},  // held as 0.1499999...
        {0.05, 1, 0.1},  // held as 0.0500000...03
        {2.2500000001, 1, 2.3}, {2.2499999999, 1, 2.2}, {12.0, 1, 12.0},  {99999.95, 1, 99999.9},
        {2.5, 0, 2.0},          {3.5, 0, 4.0},          {-2.5, 0, -2.0},  {0.125, 2, 0.12},
        {1e300, 1, 1e300},      {-1e-300, 1, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value, c.digits), c.rounded) << c.value << " to " << c.digits;
    }
}

TEST(ResultText, CellsShowRoundedLoadsInTheLocaleForm) {
    struct Case {
        double load;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {1234.25, ".", "1234.2"}, {1234.75, ".", "1234.8"},
        {1234.75, ",", "1234,8"}, {0.04, ".", "0"},
        {-0.04, ".", "0"},        {12.0, ",", "12"},
        {-37.26, ",", "-37,3"},   {1e15 + 0.5, ".", "1000000000000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadCellText(c.load, c.separator), c.text) << c.load;
}

TEST(ResultText, MeanLoadsAreWrittenAs32BitValues) {
    struct Case {
        double mean;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {1007.9368, ".", "1007.9"},
        {0.1, ".", "0.1"},  // 0.1f widened would show 0.100000001490116 in 64 bits
        {static_cast<double>(0.1f), ",", "0,1"},
        {2.25, ".", "2.2"},
        {123456.78, ".", "123456.8"},
        {12345678.25, ".", "12345680"},  // 7 significant digits
        {1e39, ".", "1000000000000000000000000000000000000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(MeanLoadCellText(c.mean, c.separator), c.text) << c.mean;
}

TEST(ResultText, GeneralAndFixedForms) {
    EXPECT_EQ(GeneralText(1234.5, ","), "1234,5");
    EXPECT_EQ(GeneralText(-0.0, "."), "0");
    EXPECT_EQ(GeneralText(2.5, "."), "2.5");
    EXPECT_EQ(GeneralText32(2120.0f, ","), "2120");
    EXPECT_EQ(GeneralText32(1479.4f, ","), "1479,4");

    const std::pair<double, const char*> fixed[] = {
        {42.4, " 42.4"}, {56.0, " 56"}, {0.0, " 0"}, {-1.5, "-1.5"}, {11.38, " 11.38"}};
    for (const auto& [value, text] : fixed) EXPECT_EQ(FixedText(value), text) << value;
}

TEST(ResultText, SafetyFactorIsCutNotRounded) {
    const std::pair<double, double> cases[] = {{2.96, 2.9},    {3.0, 3.0}, {18.75, 18.7},       {0.09, 0.0},
                                               {1.99999, 1.9}, {7.0, 7.0}, {300000.0, 300000.0}};
    for (const auto& [value, cut] : cases) EXPECT_EQ(CutToTenth(value), cut) << value;
    EXPECT_EQ(GeneralText(CutToTenth(2.96), "."), "2.9");
    EXPECT_EQ(GeneralText(CutToTenth(3.0), "."), "3");
}

TEST(ResultText, ColumnsFollowTheCombination) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 2},
                                         {5, 4}, {6, 6}, {7, 8}, {8, 0}, {-1, 0}};
    for (const auto& [combination, columns] : cases) EXPECT_EQ(CarriageColumns(combination), columns) << combination;
}

}  // namespace
