#include "results/ResultText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(ResultText, RoundsHalvesToEvenAndCutsTheSafetyFactor) {
    // 0.15 is held a little below 0.15 and 0.05 a little above 0.05: only true halves go to even.
    const std::tuple<double, int, double> rounding[] = {
        {2.25, 1, 2.2}, {2.75, 1, 2.8},   {-2.25, 1, -2.2},       {99999.95, 1, 99999.9},
        {0.15, 1, 0.1}, {0.05, 1, 0.1},   {2.2500000001, 1, 2.3}, {2.5, 0, 2.0},
        {3.5, 0, 4.0},  {0.125, 2, 0.12}, {1e300, 1, 1e300},      {-265773384563238.53, 1, -265773384563238.53}};
    for (const auto& [value, digits, rounded] : rounding) EXPECT_EQ(RoundHalfEven(value, digits), rounded) << value;
    const std::pair<double, const char*> cut[] = {{2.96, "2.9"}, {3.0, "3"}, {18.75, "18.7"}, {0.09, "0"}};
    for (const auto& [value, text] : cut) EXPECT_EQ(GeneralText(CutToTenth(value), "."), text) << value;
}

TEST(ResultText, CellTexts) {
    EXPECT_EQ(LoadCellText(1e15 + 0.5, "."), "1000000000000000");
    // Mean loads are written as 32-bit values: 0.1 in 64 bits would read 0.100000001490116.
    const std::pair<double, const char*> means[] = {{0.1, "0,1"}, {2.25, "2,2"}, {12345678.25, "12345680"}};
    for (const auto& [value, text] : means) EXPECT_EQ(MeanLoadCellText(value, ","), text) << value;
}

}  // namespace
