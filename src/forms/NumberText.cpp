#include "forms/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix that is a decimal number, 0 when none.
struct Prefix {
    std::size_t length = 0;  // characters consumed
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
};

Prefix scanNumber(std::string_view text) {
    Prefix p;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        p.negative = true;
        ++i;
    }
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    p.integerDigits = text.substr(intStart, i - intStart);
    std::size_t end = i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fracStart = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        p.fractionDigits = text.substr(fracStart, i - fracStart);
        if (!p.integerDigits.empty() || !p.fractionDigits.empty()) end = i;
    }
    if (p.integerDigits.empty() && p.fractionDigits.empty()) return Prefix{};
    p.length = end;
    return p;
}

// Parses a scanned prefix; false when the value overflows a double.
bool valueOf(const Prefix& p, double& out) {
    std::string normal;
    normal.reserve(p.integerDigits.size() + p.fractionDigits.size() + 3);
    if (p.negative) normal.push_back('-');
    if (p.integerDigits.empty()) normal.push_back('0');
    normal.append(p.integerDigits);
    if (!p.fractionDigits.empty()) {
        normal.push_back('.');
        normal.append(p.fractionDigits);
    }
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(normal.data(), normal.data() + normal.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either overflow (significant integer digits) or
        // underflow towards zero; only the former is unreadable.
        const auto firstSignificant = p.integerDigits.find_first_not_of('0');
        if (firstSignificant != std::string_view::npos) return false;
        out = 0.0;
        return true;
    }
    if (ec != std::errc() || ptr != normal.data() + normal.size()) return false;
    out = value;
    return true;
}

// Positional text of `value` rounded to `digits` significant digits.
std::string positional(double value, int digits) {
    if (std::isnan(value)) return "0";
    // Rounded to `digits` digits, the largest doubles would be written as a
    // number beyond the range of a double, which no longer reads back; such
    // values (and infinities) are written as the largest number that does.
    const double largest = digits >= 15 ? 1.79769313486231e308 : 1.797693e308;
    if (std::isinf(value) || std::fabs(value) > largest) value = std::copysign(largest, value);
    if (value == 0.0) return "0";

    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));

    bool negative = false;
    if (!sci.empty() && sci.front() == '-') {
        negative = true;
        sci.remove_prefix(1);
    }
    const auto ePos = sci.find('e');
    std::string mantissa;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c)) mantissa.push_back(c);
    int exponent = 0;
    {
        std::string_view e = sci.substr(ePos + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        std::from_chars(e.data(), e.data() + e.size(), exponent);
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    if (mantissa == "0") return "0";

    // mantissa = d1 d2 ... dn, value = 0.d1d2...dn x 10^(exponent + 1)
    const int pointPos = exponent + 1;  // digits before the decimal point
    std::string out;
    if (negative) out.push_back('-');
    const int n = static_cast<int>(mantissa.size());
    if (pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointPos), '0');
        out += mantissa;
    } else if (pointPos >= n) {
        out += mantissa;
        out.append(static_cast<std::size_t>(pointPos - n), '0');
    } else {
        out += mantissa.substr(0, static_cast<std::size_t>(pointPos));
        out.push_back('.');
        out += mantissa.substr(static_cast<std::size_t>(pointPos));
    }
    return out;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const Prefix p = scanNumber(text);
    if (p.length == 0) return 0.0;
    double value = 0.0;
    if (!valueOf(p, value)) return 0.0;
    return value + 0.0;  // "-0" reads as plain 0
}

bool IsNumeric(std::string_view text) {
    const Prefix p = scanNumber(text);
    if (p.length == 0 || p.length != text.size()) return false;
    double value = 0.0;
    return valueOf(p, value);
}

std::string NumberText(double value) { return positional(value, 15); }

std::string NumberText32(float value) { return positional(static_cast<double>(value), 7); }

float ToSingle(double value) {
    if (std::isnan(value)) return 0.0f;
    constexpr double maxFloat = static_cast<double>(std::numeric_limits<float>::max());
    // Anything beyond the largest float would round to it or overflow.
    if (value > maxFloat) return std::numeric_limits<float>::max();
    if (value < -maxFloat) return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}
