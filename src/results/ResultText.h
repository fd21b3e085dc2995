#pragma once

#include <string>
#include <string_view>

// How the result page writes its figures.

// Rounds to `digits` decimal places (0..15). A value exactly halfway between
// two neighbours goes to the one with the even last digit: 2.25 -> 2.2,
// 2.75 -> 2.8, -2.25 -> -2.2. Only true halves count; 0.15, held a little
// below 0.15, goes to 0.1.
double RoundHalfEven(double value, int digits);

// Plain number text with the locale's decimal separator: no thousands
// separator, no trailing zeros, no separator for a whole value; 15
// significant digits, or 7 for a value held in 32 bits. "-0" is written "0".
std::string GeneralText(double value, std::string_view decimalSeparator);
std::string GeneralText32(float value, std::string_view decimalSeparator);

// The ratings: the same digits with a full stop whatever the locale, and a
// leading blank before a value that is not negative (" 42.4").
std::string FixedText(double value);

// A load of the result table, rounded to one decimal.
std::string LoadCellText(double load, std::string_view decimalSeparator);
// A mean load: rounded and written as a 32-bit value while it is one.
std::string MeanLoadCellText(double meanLoad, std::string_view decimalSeparator);

// The static safety factor cut (not rounded) to one decimal: 2.96 -> 2.9.
double CutToTenth(double value);

// The result page's boxes hold, in the page font, every figure below these
// bounds whole: a table cell (65 px, 12-px face) "-9999999.9" with room to
// spare, a figure of the service life frame (241 px, 13-px bold face) 31
// digits. A calculation with a figure at or beyond them is not shown.
inline constexpr double kLargestTableFigure = 1e7;  // N, loads and mean loads
inline constexpr double kLargestLifeFigure = 1e30;  // fs, km, hours

// Carriage columns of the result table for a combination index: 1 to 4 on
// one rail, 2, 4, 6 or 8 on two rails, none for an unknown index.
int CarriageColumns(int combinationIndex);
