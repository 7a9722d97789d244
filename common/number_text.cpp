#include "common/number_text.h"

#include "common/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace dawnrule {

namespace {

std::string_view TrimSpaces(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at the start of s.
size_t Digits(std::string_view s)
{
    size_t n = 0;
    while (n < s.size() && IsDigit(s[n]))
        ++n;
    return n;
}

ConvertError FloatError(std::string_view text)
{
    return ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

// StrToFloat(text), which must lie within -limit..limit.
double StrToCoordinate(std::string_view text, double limit, const char* what)
{
    const double value = StrToFloat(text);
    if (!(value >= -limit && value <= limit))
        throw ConvertError("'" + std::string(text) + "' is not a valid " + what);
    return value;
}

} // namespace

double StrToLatitude(std::string_view text)
{
    return StrToCoordinate(text, kLatitudeLimit, "latitude");
}

double StrToLongitude(std::string_view text)
{
    return StrToCoordinate(text, kLongitudeLimit, "longitude");
}

int StrToInt(std::string_view text)
{
    std::string_view s = TrimSpaces(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

double StrToFloat(std::string_view text)
{
    std::string_view s = TrimSpaces(text);
    std::string_view number = s;
    if (!number.empty() && (number.front() == '+' || number.front() == '-'))
        number.remove_prefix(1);
    // Shape check: digits [ "." digits ] [ e [sign] digits ], at least one mantissa digit.
    size_t pos = Digits(number);
    size_t mantissaDigits = pos;
    if (pos < number.size() && number[pos] == '.') {
        const size_t fraction = Digits(number.substr(pos + 1));
        mantissaDigits += fraction;
        pos += 1 + fraction;
    }
    if (mantissaDigits == 0)
        throw FloatError(text);
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        size_t e = pos + 1;
        if (e < number.size() && (number[e] == '+' || number[e] == '-'))
            ++e;
        const size_t expDigits = Digits(number.substr(e));
        if (expDigits == 0)
            throw FloatError(text);
        pos = e + expDigits;
    }
    if (pos != number.size())
        throw FloatError(text);

    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        throw FloatError(text);
    return value;
}

double FieldValue(std::string_view text)
{
    return TrimSpaces(text).empty() ? 0 : StrToFloat(text);
}

std::string FloatToStr(double value)
{
    if (value == 0)
        return "0";  // -0 too
    char text[40];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

double RoundToCents(double value)
{
    // Beyond 1e15 a double has no cents left to round; scaling would only overflow.
    if (!(std::fabs(value) < 1e15))
        return value;
    return std::round(value * 100) / 100;
}

double FieldHeldValue(double value)
{
    if (std::isnan(value))
        return 0;
    return RoundToCents(std::clamp(value, -kFieldLimit, kFieldLimit));
}

std::string FormatFixed(double value, int intDigits, int decimals)
{
    intDigits = std::clamp(intDigits, 1, 18);
    decimals = std::clamp(decimals, 0, 9);
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::round(std::fabs(value) * scale);
    if (!std::isfinite(scaled) || scaled > 9e17)
        return FloatToStr(value);
    const auto units = static_cast<std::int64_t>(scaled);
    const auto whole = units / static_cast<std::int64_t>(scale);
    const auto fraction = units % static_cast<std::int64_t>(scale);
    // Digits padded with zeros to a width.
    const auto padded = [](std::int64_t number, int width) {
        std::string digits = std::to_string(number);
        if (static_cast<int>(digits.size()) < width)
            digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
        return digits;
    };
    std::string text = value < 0 && units != 0 ? "-" : "";
    text += padded(whole, intDigits);
    if (decimals > 0) {
        text += '.';
        text += padded(fraction, decimals);
    }
    return text;
}

} // namespace dawnrule
