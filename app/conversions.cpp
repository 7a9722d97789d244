#include "app/conversions.h"

#include "app/errors.h"

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

// Unicode code points of the bytes 0x80 to 0x9F; 0 marks the five unused bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

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
        return "0";
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
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
    char text[64];
    const char* sign = value < 0 && units != 0 ? "-" : "";
    if (decimals > 0)
        std::snprintf(text, sizeof text, "%s%0*lld.%0*lld", sign, intDigits,
                      static_cast<long long>(whole), decimals, static_cast<long long>(fraction));
    else
        std::snprintf(text, sizeof text, "%s%0*lld", sign, intDigits, static_cast<long long>(whole));
    return text;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F)
            cp = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        size_t len = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = i + len <= utf8.size();
        for (size_t k = 1; valid && k < len; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        char byte = '?';
        const bool unusedHighByte = cp >= 0x80 && cp <= 0x9F && kCp1252High[cp - 0x80] == 0;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF) || unusedHighByte) {
            byte = static_cast<char>(cp);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kCp1252High[k] == cp && cp != 0) {
                    byte = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        out += byte;
    }
    return out;
}

} // namespace dawnrule
