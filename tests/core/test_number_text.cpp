#include "common/cp1252.h"
#include "common/number_text.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dawnrule {
namespace {

TEST(StrToFloat, AcceptsNumbersWithSpacesSignsAndExponents)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"-74", -74}, {"30.41", 30.41}, {"+5.5", 5.5}, {" -3.5 ", -3.5}, {".5", 0.5},
        {"5.", 5}, {"1e3", 1000}, {"-2.5E-1", -0.25}, {"0", 0}, {"-0", 0},
    };
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(StrToFloat(r.text), r.value) << r.text;
}

TEST(StrToFloat, RejectsEverythingElseWithTheUsersText)
{
    for (const char* text : {"", " ", "-", ".", "abc", "1,5", "1.2.3", "--1", "1e", "1e+", "12a",
                             "nan", "inf", "1e999", "0x10", "5 5"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(FieldValue, BlankIsZeroAndGarbageStillAnError)
{
    EXPECT_EQ(FieldValue(""), 0);
    EXPECT_EQ(FieldValue("  \t"), 0);
    EXPECT_EQ(FieldValue(" -86.47 "), -86.47);
    try {
        FieldValue("W88");
        ADD_FAILURE() << "accepted 'W88'";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'W88' is not a valid floating point value");
    }
}

TEST(StrToInt, AcceptsWholeNumbersOnly)
{
    EXPECT_EQ(StrToInt("4"), 4);
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt(" 34 "), 34);
    EXPECT_EQ(StrToInt("+7"), 7);
    for (const char* text : {"", "x", "4.0", "1e2", "99999999999", "- 1", "3a"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(FloatToStr, ShortestDecimalForm)
{
    EXPECT_EQ(FloatToStr(-5), "-5");
    EXPECT_EQ(FloatToStr(-3.5), "-3.5");
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(-86.47), "-86.47");
    EXPECT_EQ(FloatToStr(30.41), "30.41");
    // Shortest, but never shorter than what reads back as the same value.
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(FloatToStr(1.7976931348623157e308), "1.7976931348623157e+308");
    EXPECT_EQ(StrToFloat(FloatToStr(1.7976931348623157e308)), 1.7976931348623157e308);
    EXPECT_EQ(FloatToStr(5e-324), "5e-324");
    EXPECT_EQ(StrToFloat(FloatToStr(5e-324)), 5e-324);
    EXPECT_EQ(FloatToStr(1e307), "1e+307");
}

TEST(FieldHeldValue, TwoDecimalsWithinTheFieldsRange)
{
    const struct {
        double in;
        double held;
    } rows[] = {
        {-88.024, -88.02}, {30.415, 30.42}, {-5, -5}, {5.5, 5.5}, {0.004, 0},
        {99999.99, 99999.99}, {99999.994, 99999.99}, {100000, 99999.99}, {1e307, 99999.99},
        {-1e307, -99999.99}, {1.7976931348623157e308, 99999.99}, {-INFINITY, -99999.99},
        {INFINITY, 99999.99}, {NAN, 0}, {5e-324, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(FieldHeldValue(r.in), r.held) << r.in;
        EXPECT_TRUE(std::isfinite(FieldHeldValue(r.in)));
    }
    // What a field holds is written and read back as itself.
    for (int cents = -9999999; cents <= 9999999; cents += 7919) {
        const double held = FieldHeldValue(cents / 100.0);
        EXPECT_EQ(StrToFloat(FloatToStr(held)), held);
        EXPECT_EQ(FieldHeldValue(held), held);
    }
}

TEST(RoundToCents, HugeValuesStayFinite)
{
    EXPECT_EQ(RoundToCents(1e307), 1e307);
    EXPECT_EQ(RoundToCents(-1e300), -1e300);
    EXPECT_EQ(RoundToCents(1234.565), 1234.57);
    EXPECT_EQ(RoundToCents(1e15), 1e15);
}

TEST(FormatFixed, DisplayForms)
{
    const struct {
        double value;
        int intDigits, decimals;
        const char* text;
    } rows[] = {
        {-74, 2, 2, "-74.00"}, {5.5, 2, 2, "05.50"}, {-0.5, 2, 2, "-00.50"}, {30.41, 2, 2, "30.41"},
        {-156.8, 2, 2, "-156.80"}, {0.004, 2, 2, "00.00"}, {-0.004, 2, 2, "00.00"},
        {-5, 1, 1, "-5.0"}, {5.5, 1, 0, "6"}, {-3.5, 1, 0, "-4"}, {0.125, 1, 2, "0.13"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatFixed(r.value, r.intDigits, r.decimals), r.text) << r.value;
}

TEST(Cp1252, DegreeSignAndHighBytesRoundTrip)
{
    EXPECT_EQ(Cp1252ToUtf8("N\xB0" "30.41"), "N\u00B0" "30.41");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x93\x96"), "\u20AC\u201C\u2013");
    EXPECT_EQ(Utf8ToCp1252("N\u00B0" "30.41,W\u00B0-88.02"), "N\xB0" "30.41,W\xB0-88.02");
    EXPECT_EQ(Utf8ToCp1252("\u02BBEwa"), "?Ewa");  // the Hawaiian okina has no byte
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("\xFF\xC3"), "??");  // broken UTF-8 never crashes
}

}  // namespace
}  // namespace dawnrule
