#include "astro/sun_moon.h"

#include "astro/nutation.h"
#include "astro/vsop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace dawnrule {
namespace {

constexpr long double kArcsec = 1.0L / 3600;

TEST(MoonPosition, MeeusExample47a)
{
    // 12 April 1992 0h: latitude -3.229127, distance 368409.68 km, apparent longitude
    // 133.16727 (Meeus, Astronomical Algorithms, example 47.a).
    const SkyPosition moon = MoonPosition(DateTimeOfCalendarDate(1992, 4, 12));
    EXPECT_NEAR(moon.EclipticLatitude, -3.229127L, 5e-7L);
    EXPECT_NEAR(moon.DistanceKm, 368409.68L, 5e-3L);
    EXPECT_NEAR(moon.EclipticLongitude, 133.16727L, 5e-6L);
    // Same example: right ascension 134.688470, declination 13.768368.
    EXPECT_NEAR(moon.RightAscension, 134.688470L, 5e-6L);
    EXPECT_NEAR(moon.Declination, 13.768368L, 5e-6L);
}

TEST(Nutation, MeeusExample22a)
{
    // 10 April 1987 0h TD: deltaPsi = -3.788", true obliquity 23°26'36.850" from the full
    // IAU 1980 series; the 31 leading terms leave a few thousandths of a second of arc.
    long double deltaPsi, epsilon;
    Nutation(DateTimeOfCalendarDate(1987, 4, 10), deltaPsi, epsilon);
    EXPECT_NEAR(deltaPsi / kArcsec, -3.788L, 0.005L);
    EXPECT_NEAR(epsilon, 23 + 26 / 60.0L + 36.850L * kArcsec, 0.002L * kArcsec);
}

// Nutation centuries away from J2000, where the time terms of the series (S1, C1), of the
// fundamental arguments and of the mean obliquity are large. Reference values from ERFA 2.0
// (the IAU SOFA routines, Debian's python3-erfa): erfa.nut80(2400000.5, mjd) for the
// nutation in longitude, erfa.obl80(2400000.5, mjd) + deps (from nut80) for the true
// obliquity, with mjd = TDateTime + 15018. ERFA sums the full 106-term IAU 1980 series;
// the 31 terms used here differ from it by at most 0.0138" in longitude and 0.0035" in
// obliquity (measured every 37.7 days from 1000 to 3100), hence the tolerances. The dates
// put Omega near 90 or 270 degrees, where the rate of the leading longitude term
// (-0.1742" per century times sin Omega) shows most, and at years 1001 and 3002 near 0 or
// 180, where that of the leading obliquity term (0.0089" per century times cos Omega) does.
struct NutationReference {
    const char* name;
    TDateTime date;
    long double deltaPsiArcsec;
    long double epsilonArcsec;
};

class NutationCenturiesAway : public testing::TestWithParam<NutationReference> {};

TEST_P(NutationCenturiesAway, AgreesWithTheFullIau1980Series)
{
    constexpr long double kDeltaPsiTolerance = 0.015L; // seconds of arc
    constexpr long double kEpsilonTolerance = 0.004L;
    const NutationReference& r = GetParam();
    long double deltaPsi, epsilon;
    Nutation(r.date, deltaPsi, epsilon);
    EXPECT_NEAR(deltaPsi / kArcsec, r.deltaPsiArcsec, kDeltaPsiTolerance);
    EXPECT_NEAR(epsilon / kArcsec, r.epsilonArcsec, kEpsilonTolerance);
}

// Dates on the Gregorian calendar, 0h.
INSTANTIATE_TEST_SUITE_P(SunMoon, NutationCenturiesAway, testing::Values(
    NutationReference{"Year1001_May1", -328231, -1.576784L, 84856.388781L},
    NutationReference{"Year1601_Sep1", -108962, 17.738224L, 84568.214522L},
    NutationReference{"Year1804_Dec1", -34727, 13.791520L, 84476.686489L},
    NutationReference{"Year2204_Dec1", 111370, -15.718205L, 84280.347631L},
    NutationReference{"Year2504_Jun1", 220760, -18.020188L, 84145.197747L},
    NutationReference{"Year3002_Apr1", 402589, 0.119909L, 83905.299717L}),
    [](const testing::TestParamInfo<NutationReference>& info) { return std::string(info.param.name); });

TEST(SunPosition, MeeusExample25b)
{
    // 13 October 1992 0h: apparent longitude 199°54'21.818", right ascension
    // 13h13m30.749s, declination -7°47'01.74" (example 25.b). Meeus sums a shortened Earth
    // series there, 0.27" away in longitude from the full one used here; a wrong sign of
    // the aberration (-20.5") or the nutation (+15.9") would be off by tens of seconds.
    const SkyPosition sun = SunPosition(33890);
    EXPECT_NEAR(sun.EclipticLongitude, 199 + 54 / 60.0L + 21.818L * kArcsec, 0.3L * kArcsec);
    EXPECT_NEAR(sun.RightAscension, (13 + 13 / 60.0L + 30.749L / 3600) * 15, 0.5L * kArcsec);
    EXPECT_NEAR(sun.Declination, -(7 + 47 / 60.0L + 1.74L * kArcsec), 0.5L * kArcsec);
    EXPECT_NEAR(sun.DistanceKm, 0.99760852L * AstronomicalUnitKm, 1.0L);
}

struct PhaseCase {
    const char* name;
    int year, month, day;
    long double expected;
};

class MoonPhaseAngleTest : public testing::TestWithParam<PhaseCase> {};

TEST_P(MoonPhaseAngleTest, MatchesTheWorkedDates)
{
    const PhaseCase& c = GetParam();
    EXPECT_NEAR(MoonPhaseAngle(DateTimeOfCalendarDate(c.year, c.month, c.day)), c.expected, 5e-4L);
}

INSTANTIATE_TEST_SUITE_P(SunMoon, MoonPhaseAngleTest, testing::Values(
    PhaseCase{"HoursBeforeFullMoon", 2000, 1, 21, 2.774L},
    PhaseCase{"Waxing", 2000, 1, 14, 96.895L},
    PhaseCase{"Waning", 2000, 1, 28, -86.111L},
    PhaseCase{"LessThanADayBeforeNewMoon", 2000, 1, 6, -171.387L},
    PhaseCase{"FirstQuarter2005", 2005, 11, 9, 90.933L}),
    [](const testing::TestParamInfo<PhaseCase>& info) { return std::string(info.param.name); });

struct ElongationCase {
    const char* name;
    long double psi;
    long double moonKm; // the Sun at 1 au
    long double low, high;
};

class PhaseAngleFromElongationTest : public testing::TestWithParam<ElongationCase> {};

TEST_P(PhaseAngleFromElongationTest, StaysInZeroTo180)
{
    const ElongationCase& c = GetParam();
    const long double i = PhaseAngleFromElongation(c.psi, AstronomicalUnitKm, c.moonKm);
    EXPECT_GE(i, c.low);
    EXPECT_LE(i, c.high);
    EXPECT_LT(i, 180.0L);
}

// At psi = pi the rounded pi gives sin psi = -5e-20: unguarded, a full moon would come
// out as 180 (new). At psi = 0 the quotient is -0 (exact conjunction): new moon.
INSTANTIATE_TEST_SUITE_P(SunMoon, PhaseAngleFromElongationTest, testing::Values(
    ElongationCase{"OppositionIsFull", Pi, 384400, 0, 0},
    ElongationCase{"ConjunctionIsNewJustBelow180", 0, 384400, 179.99999999L, 180},
    ElongationCase{"NearConjunction", 1e-12L, 384400, 179.99999999L, 180},
    ElongationCase{"QuadratureSeenFromEarth", HalfPi, 384400, 89.85L, 89.86L},
    ElongationCase{"SmallElongation", 0.1L, 384400, 174.2L, 174.3L}),
    [](const testing::TestParamInfo<ElongationCase>& info) { return std::string(info.param.name); });

TEST(PhaseAngleFromElongation, ZeroDenominatorGivesARightAngle)
{
    // The Moon's distance equal to the Sun's times cos psi: the quotient's denominator
    // is exactly 0, and the Sun-Moon-Earth angle is exactly 90 degrees.
    const long double psi = 1;
    const long double moonKm = AstronomicalUnitKm * std::cos(psi);
    ASSERT_EQ(moonKm - AstronomicalUnitKm * std::cos(psi), 0.0L);
    EXPECT_EQ(PhaseAngleFromElongation(psi, AstronomicalUnitKm, moonKm), 90.0L);
    // Just either side of it the angle passes continuously through 90.
    EXPECT_NEAR(PhaseAngleFromElongation(psi, AstronomicalUnitKm, moonKm * (1 + 1e-12L)), 90.0L, 1e-8L);
    EXPECT_NEAR(PhaseAngleFromElongation(psi, AstronomicalUnitKm, moonKm * (1 - 1e-12L)), 90.0L, 1e-8L);
}

SkyPosition Sky(long double longitude, long double latitude, long double km)
{
    SkyPosition pos;
    pos.EclipticLongitude = longitude;
    pos.EclipticLatitude = latitude;
    pos.DistanceKm = km;
    return pos;
}

struct SignCase {
    const char* name;
    long double sunLongitude, moonLongitude, moonLatitude;
    long double low, high;
};

class PhaseSignTest : public testing::TestWithParam<SignCase> {};

TEST_P(PhaseSignTest, PositiveUpTo180DegreesEast)
{
    const SignCase& c = GetParam();
    const long double i = PhaseAngleFromPositions(Sky(c.sunLongitude, 0, AstronomicalUnitKm),
                                                  Sky(c.moonLongitude, c.moonLatitude, 384400));
    EXPECT_GE(i, c.low);
    EXPECT_LE(i, c.high);
    EXPECT_GT(i, -180.0L);
    EXPECT_LT(i, 180.0L);
}

INSTANTIATE_TEST_SUITE_P(SunMoon, PhaseSignTest, testing::Values(
    SignCase{"Exactly180EastStaysPositive", 10, 190, 2, 1, 3},
    SignCase{"Exactly180EastOnTheEclipticIsFull", 10, 190, 0, 0, 0},
    SignCase{"JustPast180EastIsNegative", 10, 190.000001L, 2, -3, -1},
    SignCase{"FirstQuarter", 100, 190, 0, 89.8L, 89.9L},
    SignCase{"LastQuarter", 100, 10, 0, -89.9L, -89.8L},
    SignCase{"WaxingAcrossZeroLongitude", 350, 10, 0, 159, 161},
    SignCase{"WaningAcrossZeroLongitude", 10, 350, 0, -161, -159},
    SignCase{"ConjunctionNeverReaches180", 42, 42, 0, 179.9999L, 180}),
    [](const testing::TestParamInfo<SignCase>& info) { return std::string(info.param.name); });

TEST(PhaseAngleFromPositions, RangesOverTwoCenturies)
{
    int waxing = 0;
    int waning = 0;
    // Steps of 29.1 days walk through every phase of the 29.53-day synodic month.
    for (TDateTime date = 0; date < 73000; date += 29.1) { // 1900 to 2099
        const SkyPosition sun = SunPosition(date);
        const SkyPosition moon = MoonPosition(date);
        const long double phase = PhaseAngleFromPositions(sun, moon);
        ASSERT_GT(phase, -180.0L) << date;
        ASSERT_LT(phase, 180.0L) << date;
        ASSERT_EQ(phase >= 0, Normalize360(moon.EclipticLongitude - sun.EclipticLongitude) <= 180) << date;
        for (const SkyPosition& pos : {sun, moon}) {
            ASSERT_GE(pos.EclipticLongitude, 0.0L) << date;
            ASSERT_LT(pos.EclipticLongitude, 360.0L) << date;
            ASSERT_GT(pos.RightAscension, -90.0L) << date;
            ASSERT_LT(pos.RightAscension, 270.0L) << date;
            ASSERT_LE(std::fabs(pos.Declination), 28.8L) << date;
        }
        ASSERT_LE(std::fabs(moon.EclipticLatitude), 5.4L) << date;
        ASSERT_GT(moon.DistanceKm, 356000.0L) << date;
        ASSERT_LT(moon.DistanceKm, 407000.0L) << date;
        (phase >= 0 ? waxing : waning)++;
    }
    EXPECT_GT(waxing, 1000);
    EXPECT_GT(waning, 1000);
}

// Runs the same computations in double and records how far they move from the long
// double results on the worked dates; the bounds are the measured figures rounded up.
TEST(Precision, DoubleStaysCloseToExtendedOnTheWorkedDates)
{
    const auto report = [](const char* what, long double extended, double plain, long double bound) {
        const long double diff = std::fabs(static_cast<long double>(plain) - extended);
        std::printf("  %-28s extended %.15Lf  double-extended %.2Le\n", what, extended, diff);
        EXPECT_LE(diff, bound) << what;
    };

    const auto earthL = generic::HeliocentricPosition<long double>(&MakeVSOP<TVSOPEarth>, 33890);
    const auto earthD = generic::HeliocentricPosition<double>(&MakeVSOP<TVSOPEarth>, 33890);
    report("Earth L 1992-10-13 (deg)", earthL.L, earthD.L, 1e-12L);
    report("Earth B 1992-10-13 (deg)", earthL.B, earthD.B, 1e-15L);
    report("Earth R 1992-10-13 (au)", earthL.R, earthD.R, 1e-14L);

    const TDateTime april1992 = DateTimeOfCalendarDate(1992, 4, 12);
    const auto moonL = generic::MoonPosition<long double>(april1992);
    const auto moonD = generic::MoonPosition<double>(april1992);
    report("Moon longitude 1992-04-12", moonL.EclipticLongitude, moonD.EclipticLongitude, 1e-11L);
    report("Moon latitude 1992-04-12", moonL.EclipticLatitude, moonD.EclipticLatitude, 1e-12L);
    report("Moon distance 1992-04-12 km", moonL.DistanceKm, moonD.DistanceKm, 1e-8L);

    const int dates[][3] = {{2000, 1, 21}, {2000, 1, 14}, {2000, 1, 28}, {2000, 1, 6}, {2005, 11, 9}};
    for (const auto& d : dates) {
        const TDateTime date = DateTimeOfCalendarDate(d[0], d[1], d[2]);
        const std::string what = "Phase " + std::to_string(d[0]) + "-" + std::to_string(d[1]) + "-" +
                                 std::to_string(d[2]);
        report(what.c_str(), generic::MoonPhaseAngle<long double>(date),
               generic::MoonPhaseAngle<double>(date), 1e-10L);
    }
}

} // namespace
} // namespace dawnrule
