#pragma once

#include <string>
#include <string_view>

// Text <-> number conversions of the pages. They never consult the locale:
// "." is the decimal point everywhere, and there is no exponent notation,
// neither read nor written.

// Value of the longest prefix of `text` that forms a decimal number (optional
// leading minus, digits with at most one point, at least one digit). A text
// without such a prefix gives 0. "1.2.3" reads 1.2, "." reads 0, "1e5" reads 1.
// A number too large for a double reads 0, as a malformed text would.
double LeadingNumber(std::string_view text);

// True when the whole text is one decimal number: "12", "-3.5", ".5", "12.".
// Not numeric: "", "-", ".", "1.2.3", "1e5", blanks, and numbers beyond the
// range of a double.
bool IsNumeric(std::string_view text);

// Shortest positional text with at most 15 significant digits: "12.5", "15",
// "0.1". No trailing zeros or point, no exponent, "-0" is written "0".
std::string NumberText(double value);

// The same with at most 7 significant digits, for values held in 32 bits.
std::string NumberText32(float value);

// Narrow to a 32-bit field: nearest float, saturating at the largest finite
// float instead of overflowing to infinity.
float ToSingle(double value);
