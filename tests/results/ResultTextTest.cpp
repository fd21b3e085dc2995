#include "results/ResultText.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultText, RoundsHalvesToEvenAndCutsTheSafetyFactor) {
    const struct {
        double value;
        int digits;
        double rounded;
    } rounding[] = {
        {2.25, 1, 2.2},         {2.75, 1, 2.8},    {-2.25, 1, -2.2},
        {99999.95, 1, 99999.9}, {0.15, 1, 0.1},  // held a little below 0.15
        {0.05, 1, 0.1},                          // held a little above 0.05
        {2.2500000001, 1, 2.3}, {2.5, 0, 2.0},     {3.5, 0, 4.0},
        {0.125, 2, 0.12},       {1e300, 1, 1e300},
    };
    for (const auto& c : rounding) EXPECT_EQ(RoundHalfEven(c.value, c.digits), c.rounded) << c.value;
    const std::pair<double, const char*> cut[] = {{2.96, "2.9"}, {3.0, "3"}, {18.75, "18.7"}, {0.09, "0"}};
    for (const auto& [value, text] : cut) EXPECT_EQ(GeneralText(CutToTenth(value), "."), text) << value;
}

TEST(ResultText, CellTexts) {
    const struct {
        double value;
        bool mean;  // a mean load, written as a 32-bit value
        const char *separator, *text;
    } cases[] = {
        {1234.75, false, ",", "1234,8"}, {1e15 + 0.5, false, ".", "1000000000000000"},
        {0.1, true, ",", "0,1"},  // 0.1 in 64 bits would read 0.100000001490116
        {2.25, true, ".", "2.2"},        {12345678.25, true, ".", "12345680"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.mean ? MeanLoadCellText(c.value, c.separator) : LoadCellText(c.value, c.separator), c.text)
            << c.value;
}

}  // namespace
