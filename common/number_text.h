#pragma once

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

// The value of a numeric field's text: StrToFloat, except that an empty or blank
// text is 0.
double FieldValue(std::string_view text);

// Shortest decimal form with up to 15 significant digits: -5, -3.5, 0.25.
std::string FloatToStr(double value);

// Fixed form with at least `intDigits` integer digits and exactly `decimals`
// decimals, halves rounded away from zero: (-74, 2, 2) gives "-74.00", (5.5, 2, 2)
// "05.50", (-5, 1, 1) "-5.0", (5.5, 1, 0) "6".
std::string FormatFixed(double value, int intDigits, int decimals);

} // namespace dawnrule
