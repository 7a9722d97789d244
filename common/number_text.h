#pragma once

#include <cstdint>

#include <string>
#include <string_view>

namespace dawnrule {

// Number texts as the program reads and writes them: "." as decimal separator always.

// Whole number with optional sign and surrounding spaces. Throws ConvertError
// "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

// Decimal number with optional sign, fraction, exponent and surrounding spaces.
// Throws ConvertError "'%s' is not a valid floating point value".
double StrToFloat(std::string_view text);

// A coordinate in signed degrees (north and east positive): StrToFloat, then a latitude
// must lie within -90..90 and a longitude within -180..180. Beyond, throws ConvertError
// "'%s' is not a valid latitude" ("... longitude"), quoting the text as given.
inline constexpr double kLatitudeLimit = 90;
inline constexpr double kLongitudeLimit = 180;
double StrToLatitude(std::string_view text);
double StrToLongitude(std::string_view text);

// The value of a numeric field's text: StrToFloat, except that an empty or blank
// text is 0.
double FieldValue(std::string_view text);

// Shortest decimal form that reads back (StrToFloat) as the same double: -5, -3.5,
// 0.25, 1.7976931348623157e+308. Zero, also -0, is "0".
std::string FloatToStr(double value);

// Nearest value with two decimals (values beyond 1e15 have none left and stay).
double RoundToCents(double value);

// What a numeric field can hold: two decimals, at most 99999.99 either way (the five
// integer digits that can be typed). A value beyond that becomes the nearest one the
// field holds, and NaN becomes 0, so a field never holds inf or NaN and everything a
// field's value is written as reads back as the same value.
inline constexpr double kFieldLimit = 99999.99;
double FieldHeldValue(double value);

// Fixed form with at least `intDigits` integer digits and exactly `decimals`
// decimals, halves rounded away from zero: (-74, 2, 2) gives "-74.00", (5.5, 2, 2)
// "05.50", (-5, 1, 1) "-5.0", (5.5, 1, 0) "6".
std::string FormatFixed(double value, int intDigits, int decimals);

// a / b rounded down (toward minus infinity), for days and minutes of instants before
// 1970 and bands south of the equator. b must be positive.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace dawnrule
