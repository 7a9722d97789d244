#include "controls/format_real.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dawnrule {

namespace {

constexpr int kNotGiven = 100;
constexpr int kDefaultExponentDecimals = 14;  // 15 significant digits
constexpr int kMaxExponentDecimals = 16;      // 17 significant digits: every double
constexpr int kExponentDigits = 4;
// One digit, ".", "E", the exponent's sign and digits: the exponent form of a
// non-negative value without its decimals.
constexpr int kExponentFrame = 4 + kExponentDigits;

std::string Printf(const char* format, int precision, double value)
{
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    return text;
}

std::string RightAligned(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

// Adds one unit of the last digit to the magnitude of a fixed-point text.
void IncrementLastDigit(std::string& text)
{
    for (size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.')
            continue;
        if (text[i] == '-') {
            text.insert(i + 1, 1, '1');
            return;
        }
        if (text[i] != '9') {
            ++text[i];
            return;
        }
        text[i] = '0';
    }
    text.insert(0, 1, '1');
}

// Fixed point with `decimals` digits, halves away from zero. printf rounds the exact
// binary value, which only leaves its exact halves to settle: such a value is a
// multiple of 2^-(decimals + 1), so its exact decimal form has at most decimals + 1
// digits after the point, and printing that many shows it exactly.
std::string Fixed(double value, int decimals)
{
    std::string text;
    const double scaled = std::ldexp(value, decimals + 1);
    if (std::isfinite(scaled) && scaled == std::trunc(scaled)) {
        text = Printf("%.*f", decimals + 1, value);
        const bool half = text.back() == '5';
        text.pop_back();
        if (decimals == 0)
            text.pop_back();  // the point
        if (half)
            IncrementLastDigit(text);
    } else {
        text = Printf("%.*f", decimals, value);
    }
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// d.ddddE+dddd with `decimals` digits after the point; C's own form has at least two
// exponent digits, widened here to four.
std::string Exponent(double value, int decimals)
{
    std::string text = Printf("%.*E", decimals, value);
    const size_t e = text.find('E');
    if (e == std::string::npos)
        return text;  // inf or nan
    const size_t digits = text.size() - (e + 2);
    if (digits < static_cast<size_t>(kExponentDigits))
        text.insert(e + 2, static_cast<size_t>(kExponentDigits) - digits, '0');
    return text;
}

} // namespace

std::string FormatReal(double value, int width, int decimals)
{
    if (!std::isfinite(value))
        return RightAligned(Printf("%.*f", 0, value), width);
    if (decimals != kNotGiven)
        return RightAligned(Fixed(value, std::max(decimals, 0)), width);
    if (width == kNotGiven)
        return Exponent(value, kDefaultExponentDecimals);
    const int sign = std::signbit(value) ? 1 : 0;
    const int fitting = std::clamp(width - kExponentFrame - sign, 1, kMaxExponentDecimals);
    return RightAligned(Exponent(value, fitting), width);
}

} // namespace dawnrule
