// The caption number text of the progress bar.
#include "controls/format_real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace dawnrule {
namespace {

struct FormatCase {
    const char* what;
    double value;
    int width;
    int decimals;
    const char* text;
};

class FormatRealTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatRealTable, Text)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatReal(c.value, c.width, c.decimals), c.text) << c.what;
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Fixed, FormatRealTable, ::testing::Values(
    FormatCase{"no decimals, no point", 12, 0, 0, "12"},
    FormatCase{"the bar's default caption number", 0, 2, 2, "0.00"},
    FormatCase{"decimals padded with zeros", 45, 2, 2, "45.00"},
    FormatCase{"rounded to the decimals", 3.14159, 0, 3, "3.142"},
    FormatCase{"right-aligned in the field", 3.14159, 8, 3, "   3.142"},
    FormatCase{"longer text is not cut", 12345.5, 3, 1, "12345.5"},
    FormatCase{"exact half away from zero", 2.5, 0, 0, "3"},
    FormatCase{"exact half below zero", -2.5, 0, 0, "-3"},
    FormatCase{"exact half of the last decimal", 0.125, 0, 2, "0.13"},
    FormatCase{"exact half, odd neighbour below", 0.375, 0, 2, "0.38"},
    FormatCase{"first half up", 0.5, 0, 0, "1"},
    FormatCase{"a half below zero", -0.5, 0, 0, "-1"},
    FormatCase{"a half carries into a new digit", 9.5, 0, 0, "10"},
    FormatCase{"a half carries below zero", -99.5, 0, 0, "-100"},
    FormatCase{"a half of one decimal", 0.25, 0, 1, "0.3"},
    FormatCase{"binary value just below a half", 2.675, 0, 2, "2.67"},
    FormatCase{"rounding carries into the whole part", 9.96, 0, 1, "10.0"},
    FormatCase{"a negative value that rounds to zero has no sign", -0.001, 0, 2, "0.00"},
    FormatCase{"negative zero has no sign", -0.0, 0, 1, "0.0"},
    FormatCase{"a negative value keeps its sign", -7.25, 7, 1, "   -7.3"},
    FormatCase{"large whole number", 1e20, 0, 0, "100000000000000000000"},
    FormatCase{"negative decimals count as none", 7.6, 0, -3, "8"},
    FormatCase{"infinity", kInf, 5, 2, "  inf"},
    FormatCase{"minus infinity", -kInf, 0, 0, "-inf"}));

INSTANTIATE_TEST_SUITE_P(Exponent, FormatRealTable, ::testing::Values(
    FormatCase{"default form", 12, 100, 100, "1.20000000000000E+0001"},
    FormatCase{"default form, negative, small", -0.00125, 100, 100, "-1.25000000000000E-0003"},
    FormatCase{"default form of zero", 0, 100, 100, "0.00000000000000E+0000"},
    FormatCase{"three-digit exponent", 1e300, 100, 100, "1.00000000000000E+0300"},
    FormatCase{"default form keeps 15 digits", 1.0 / 3, 100, 100, "3.33333333333333E-0001"},
    FormatCase{"digits fill the field", 12, 10, 100, "1.20E+0001"},
    FormatCase{"the sign takes a digit's place", -12, 10, 100, "-1.2E+0001"},
    FormatCase{"at least one decimal, longer than the field", 12, 5, 100, "1.2E+0001"},
    FormatCase{"at most 17 digits, then right-aligned", 12, 30, 100,
               "      1.2000000000000000E+0001"},
    FormatCase{"rounded to the digits that fit", 2.0 / 3, 11, 100, "6.667E-0001"}));

TEST(FormatReal, AnyDecimalsUpTo255)
{
    const std::string text = FormatReal(1, 0, 255);
    ASSERT_EQ(text.size(), 257u);
    EXPECT_EQ(text.substr(0, 2), "1.");
    EXPECT_EQ(text.find_first_not_of('0', 2), std::string::npos);
    // A tiny exact half far down the digits still rounds away from zero.
    EXPECT_EQ(FormatReal(std::ldexp(1.0, -30), 0, 29), "0.00000000093132257461547851563");
}

TEST(FormatReal, NotANumber)
{
    const std::string text = FormatReal(std::nan(""), 6, 2);
    EXPECT_EQ(text.size(), 6u);
    EXPECT_NE(text.find("nan"), std::string::npos);
}

} // namespace
} // namespace dawnrule
