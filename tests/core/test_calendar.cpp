#include "astro/calendar.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace dawnrule {
namespace {

struct NormalizeCase {
    const char* name;
    long double x;
    long double expected;
};

class Normalize360Test : public testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalize360Test, BringsIntoOneTurn)
{
    const NormalizeCase& c = GetParam();
    EXPECT_EQ(Normalize360(c.x), c.expected) << "x = " << static_cast<double>(c.x);
}

// Halves of a turn round to the even number of turns: 540/360 = 1.5 gives 2 turns, then
// one turn is added back; -180/360 = -0.5 gives 0.
INSTANTIATE_TEST_SUITE_P(Calendar, Normalize360Test, testing::Values(
    NormalizeCase{"Minus30", -30, 330},
    NormalizeCase{"HalfTurnAndOne", 540, 180},
    NormalizeCase{"MinusHalfTurn", -180, 180},
    NormalizeCase{"FullTurn", 360, 0},
    NormalizeCase{"TwoTurnsAndAHalfDegree", 720.5L, 0.5L},
    NormalizeCase{"HalfTurn", 180, 180},
    NormalizeCase{"Zero", 0, 0},
    NormalizeCase{"ManyTurnsBack", -3600 - 45, 315},
    NormalizeCase{"MoonMeanMotionOverACentury", 481267.88134236L + 218.3164591L,
                  481267.88134236L + 218.3164591L - 1337 * 360}),
    [](const testing::TestParamInfo<NormalizeCase>& info) { return std::string(info.param.name); });

TEST(Normalize360, TinyNegativeStaysBelowAFullTurn)
{
    // -1e-30 + 360 rounds to 360 itself; the result must stay inside [0, 360).
    const long double r = Normalize360(-1e-30L);
    EXPECT_LT(r, 360.0L);
    EXPECT_GT(r, 359.9999999L);
}

TEST(Normalize360, HugeAndNonFiniteInputsReturn)
{
    // Beyond the 64-bit turn count the reduction must still end (no endless "add 360").
    const long double huge = Normalize360(-1e30L);
    EXPECT_GE(huge, 0.0L);
    EXPECT_LT(huge, 360.0L);
    EXPECT_EQ(huge, std::fmod(std::fmod(-1e30L, 360.0L) + 360.0L, 360.0L));
    EXPECT_TRUE(std::isnan(Normalize360(-std::numeric_limits<long double>::infinity())));
    EXPECT_TRUE(std::isnan(Normalize360(std::numeric_limits<long double>::quiet_NaN())));
}

struct ArcTanCase {
    const char* name;
    long double y, x;
    long double expectedDegrees;
};

class ArcTanYXDegTest : public testing::TestWithParam<ArcTanCase> {};

TEST_P(ArcTanYXDegTest, CoversMinus90To270)
{
    const ArcTanCase& c = GetParam();
    EXPECT_NEAR(ArcTanYXDeg(c.y, c.x), c.expectedDegrees, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Calendar, ArcTanYXDegTest, testing::Values(
    ArcTanCase{"SecondQuadrant", 1, -1, 135},
    ArcTanCase{"ThirdQuadrant", -1, -1, 225},
    ArcTanCase{"FourthQuadrantNotNormalised", -1, 1, -45},
    ArcTanCase{"FirstQuadrant", 1, 1, 45},
    ArcTanCase{"OnNegativeXAxis", 0, -2, 180},
    ArcTanCase{"XZeroGivesTheLimit", 1, 0, 90}),
    [](const testing::TestParamInfo<ArcTanCase>& info) { return std::string(info.param.name); });

TEST(DegreeTrigonometry, WorksInDegreesAfterNormalising)
{
    constexpr long double kTolerance = 1e-17L;
    EXPECT_NEAR(SinDeg(30), 0.5L, kTolerance);
    EXPECT_NEAR(SinDeg(390), 0.5L, kTolerance);
    EXPECT_NEAR(SinDeg(-330), 0.5L, kTolerance);
    EXPECT_NEAR(CosDeg(-60), 0.5L, kTolerance);
    EXPECT_NEAR(CosDeg(180), -1.0L, kTolerance);
    EXPECT_NEAR(TanDeg(45), 1.0L, kTolerance);
    EXPECT_NEAR(TanDeg(-45), -1.0L, kTolerance);
    EXPECT_NEAR(ArcSinDeg(0.5L), 30.0L, 1e-16L);
    EXPECT_NEAR(ArcSinDeg(-0.5L), -30.0L, 1e-16L);
    EXPECT_NEAR(ArcCosRad(0.5L), Pi / 3, kTolerance);
    EXPECT_NEAR(ArcCosRad(-1), Pi, kTolerance);
    EXPECT_NEAR(RadiansToDegrees(DegreesToRadians(123.456L)), 123.456L, 1e-16L);
    EXPECT_NEAR(TangentRad(Pi / 4), 1.0L, kTolerance);
}

TEST(DegreeTrigonometry, ArcSinAtTheEndsOfItsDomainGivesTheLimit)
{
    // x / sqrt(1 - x^2) is infinite at |x| = 1; the arctangent then gives ±90 degrees.
    EXPECT_NEAR(ArcSinDeg(1), 90.0L, 1e-16L);
    EXPECT_NEAR(ArcSinDeg(-1), -90.0L, 1e-16L);
    EXPECT_NEAR(ArcCosRad(1), 0.0L, 1e-18L);
}

struct JulianDayCase {
    const char* name;
    int year, month, day;
    long double expected;
};

class JulianDayOfDateTest : public testing::TestWithParam<JulianDayCase> {};

TEST_P(JulianDayOfDateTest, MatchesPublishedDayNumbers)
{
    const JulianDayCase& c = GetParam();
    EXPECT_EQ(JulianDayOfDate(c.year, c.month, c.day), c.expected);
}

// Julian day numbers from Meeus, Astronomical Algorithms, ch. 7, and the 1582 change.
INSTANTIATE_TEST_SUITE_P(Calendar, JulianDayOfDateTest, testing::Values(
    JulianDayCase{"Y2000", 2000, 1, 1, 2451544.5L},
    JulianDayCase{"LastJulianDay", 1582, 10, 4, 2299159.5L},
    JulianDayCase{"FirstGregorianDay", 1582, 10, 15, 2299160.5L},
    JulianDayCase{"Y1999", 1999, 1, 1, 2451179.5L},
    JulianDayCase{"January1987", 1987, 1, 27, 2446822.5L},
    JulianDayCase{"June1988", 1988, 6, 19, 2447331.5L},
    JulianDayCase{"Y1900", 1900, 1, 1, 2415020.5L},
    JulianDayCase{"Y1600", 1600, 1, 1, 2305447.5L},
    JulianDayCase{"EndOf1600", 1600, 12, 31, 2305812.5L},
    JulianDayCase{"JulianCalendar837", 837, 4, 10, 2026871.5L},
    JulianDayCase{"JulianCalendar333", 333, 1, 27, 1842712.5L}),
    [](const testing::TestParamInfo<JulianDayCase>& info) { return std::string(info.param.name); });

TEST(JulianDay, DateTimeConversions)
{
    EXPECT_EQ(JulianDayFromDateTime(0), 2415018.5L);
    EXPECT_EQ(JulianDayOffset, 2415018.5L);
    EXPECT_EQ(DateTimeOfCalendarDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(DateTimeOfCalendarDate(1899, 12, 30), 0.0);
    EXPECT_EQ(DateTimeFromJulianDay(2451545.25L), 36526.75);
    EXPECT_EQ(JulianDayFromDateTime(36526.75), 2451545.25L);
}

TEST(JulianDay, LeapDaysFollowEachCalendar)
{
    // 1500 is a leap year only in the Julian calendar, in force then; 2000 in both.
    EXPECT_EQ(JulianDayOfDate(1500, 3, 1) - JulianDayOfDate(1500, 2, 29), 1.0L);
    EXPECT_EQ(JulianDayOfDate(2000, 3, 1) - JulianDayOfDate(2000, 2, 29), 1.0L);
    EXPECT_EQ(JulianDayOfDate(1600, 3, 1) - JulianDayOfDate(1600, 2, 29), 1.0L);
    EXPECT_EQ(JulianDayJulianCalendar(1900, 3, 1) - JulianDayJulianCalendar(1900, 2, 29), 1.0L);
    EXPECT_EQ(JulianDayGregorianCalendar(1900, 3, 1) - JulianDayGregorianCalendar(1900, 2, 28), 1.0L);
}

TEST(JulianDay, TheTwoCalendarsTenDaysApartIn1582)
{
    EXPECT_EQ(JulianDayJulianCalendar(1582, 10, 5), JulianDayGregorianCalendar(1582, 10, 15));
    EXPECT_EQ(JulianDayGregorianCalendar(2000, 1, 1), JulianDayJulianCalendar(1999, 12, 19));
}

TEST(JulianDay, MixedTakesAnyChangeDate)
{
    // The British change of 1752: 2 September (Julian) was followed by 14 September.
    constexpr long double kBritishChange = 2361221.5L;
    EXPECT_EQ(JulianDayMixed(1752, 9, 2, kBritishChange), 2361220.5L);
    EXPECT_EQ(JulianDayMixed(1752, 9, 14, kBritishChange), 2361221.5L);
    EXPECT_THROW(JulianDayMixed(1752, 9, 10, kBritishChange), ConvertError);
    EXPECT_EQ(JulianDayMixed(1582, 10, 10, kBritishChange), JulianDayJulianCalendar(1582, 10, 10));
}

struct BadDateCase {
    const char* name;
    int year, month, day;
    const char* message;
};

class BadDateTest : public testing::TestWithParam<BadDateCase> {};

TEST_P(BadDateTest, RaisesTheFirstFailingCheck)
{
    const BadDateCase& c = GetParam();
    try {
        JulianDayOfDate(c.year, c.month, c.day);
        FAIL() << "no error for " << c.year << "-" << c.month << "-" << c.day;
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_THROW(DateTimeOfCalendarDate(c.year, c.month, c.day), ConvertError);
}

INSTANTIATE_TEST_SUITE_P(Calendar, BadDateTest, testing::Values(
    BadDateCase{"InTheGapMiddle", 1582, 10, 10, "Date invalid due to calendar change"},
    BadDateCase{"InTheGapFirst", 1582, 10, 5, "Date invalid due to calendar change"},
    BadDateCase{"InTheGapLast", 1582, 10, 14, "Date invalid due to calendar change"},
    BadDateCase{"NoLeapDayIn1900", 1900, 2, 29, "Invalid day"},
    BadDateCase{"NoLeapDayIn2001", 2001, 2, 29, "Invalid day"},
    BadDateCase{"April31", 2005, 4, 31, "Invalid day"},
    BadDateCase{"Day0", 2005, 1, 0, "Invalid day"},
    BadDateCase{"Day32", 2005, 1, 32, "Invalid day"},
    BadDateCase{"Month0", 2005, 0, 1, "Invalid month"},
    BadDateCase{"Month13", 2005, 13, 1, "Invalid month"},
    BadDateCase{"Year0", 0, 1, 1, "Invalid year"},
    BadDateCase{"Year10000", 10000, 1, 1, "Invalid year"},
    BadDateCase{"YearCheckedBeforeMonth", 0, 13, 40, "Invalid year"},
    BadDateCase{"MonthCheckedBeforeDay", 2000, 13, 40, "Invalid month"}),
    [](const testing::TestParamInfo<BadDateCase>& info) { return std::string(info.param.name); });

TEST(JulianDay, CalendarLimitsAreAccepted)
{
    EXPECT_NO_THROW(JulianDayOfDate(1, 1, 1));
    EXPECT_NO_THROW(JulianDayOfDate(9999, 12, 31));
    EXPECT_EQ(JulianDayOfDate(1, 1, 1), 1721423.5L); // 1 January AD 1, Julian calendar
}

} // namespace
} // namespace dawnrule
