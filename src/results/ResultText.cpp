#include "results/ResultText.h"

#include <cmath>
#include <limits>

#include "forms/NumberText.h"

namespace {

std::string withSeparator(std::string text, std::string_view separator) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

}  // namespace

double RoundHalfEven(double value, int digits) {
    if (!std::isfinite(value)) return value;
    const double scale = std::pow(10.0, digits);
    // Far beyond any load: every double there is (nearly) whole, and 2*lower+1
    // below must stay exact.
    if (std::fabs(value) * scale >= 2251799813685248.0) return value;
    const double lower = std::floor(value * scale);
    // value * scale may itself be rounded (then lower can be one too high, and
    // the answer is lower all the same). Place value against the midpoint
    // (lower + 0.5) / scale exactly: fma forms 2*scale*value - (2*lower + 1)
    // with a single rounding, which keeps the sign and a true zero.
    const double side = std::fma(2.0 * scale, value, -(2.0 * lower + 1.0));
    double whole = lower;
    if (side > 0.0 || (side == 0.0 && std::fmod(lower, 2.0) != 0.0)) whole = lower + 1.0;
    return whole / scale;
}

std::string GeneralText(double value, std::string_view decimalSeparator) {
    return withSeparator(NumberText(value), decimalSeparator);
}

std::string GeneralText32(float value, std::string_view decimalSeparator) {
    return withSeparator(NumberText32(value), decimalSeparator);
}

std::string FixedText(double value) {
    std::string text = NumberText(value);
    if (text.front() != '-') text.insert(text.begin(), ' ');
    return text;
}

std::string LoadCellText(double load, std::string_view decimalSeparator) {
    return GeneralText(RoundHalfEven(load, 1), decimalSeparator);
}

std::string MeanLoadCellText(double meanLoad, std::string_view decimalSeparator) {
    constexpr double largestSingle = static_cast<double>(std::numeric_limits<float>::max());
    if (std::fabs(meanLoad) > largestSingle) return LoadCellText(meanLoad, decimalSeparator);
    const double rounded = RoundHalfEven(static_cast<double>(static_cast<float>(meanLoad)), 1);
    return GeneralText32(ToSingle(rounded), decimalSeparator);
}

double CutToTenth(double value) { return std::floor(value * 10.0) / 10.0; }

int CarriageColumns(int combinationIndex) {
    if (combinationIndex >= 0 && combinationIndex <= 3) return combinationIndex + 1;
    if (combinationIndex >= 4 && combinationIndex <= 7) return 2 * (combinationIndex - 3);
    return 0;
}
