#include "astro/vsop.h"

#include "astro/vsop87d_earth_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace dawnrule {
namespace {

constexpr TDateTime k13October1992 = 33890;

TEST(VSOPEarth, PublishedCheckFiguresBeforeFK5)
{
    TVSOPEarth earth;
    earth.Date = k13October1992;
    EXPECT_NEAR(earth.Tau(), -0.0072183436L, 5e-11L);
    EXPECT_NEAR(Normalize360(RadiansToDegrees(earth.Longitude())), 19.907297L, 5e-7L);
    EXPECT_NEAR(earth.Radius(), 0.99760852L, 5e-9L);
    // Latitude: a fraction of a second of arc.
    EXPECT_NEAR(RadiansToDegrees(earth.Latitude()) * 3600, -0.744L, 5e-4L);
}

TEST(VSOPEarth, EarthPositionAppliesFK5AndDegrees)
{
    TVSOPEarth earth;
    earth.Date = k13October1992;
    long double l = earth.Longitude();
    long double b = earth.Latitude();
    earth.ToFK5(l, b);

    long double L, B, R;
    EarthPosition(k13October1992, L, B, R);
    EXPECT_EQ(L, Normalize360(RadiansToDegrees(l)));
    EXPECT_EQ(B, RadiansToDegrees(b));
    EXPECT_EQ(R, earth.Radius());
    // The FK5 step moves the longitude by about -0.09" near zero latitude.
    EXPECT_NEAR((L - 19.907297L) * 3600, -0.09L, 0.01L);
}

TEST(VSOPEarth, ToFK5AtJ2000OnTheEcliptic)
{
    // At tau = 0 and L = B = 0: dL = -0.09033", dB = 0.03916" (cos 0 - sin 0).
    TVSOPEarth earth;
    earth.Date = J2000Day + 0.5;
    long double l = 0;
    long double b = 0;
    earth.ToFK5(l, b);
    EXPECT_NEAR(RadiansToDegrees(l) * 3600, -0.09033L, 1e-15L);
    EXPECT_NEAR(RadiansToDegrees(b) * 3600, 0.03916L, 1e-15L);
}

// The FK5 step centuries away from J2000, where its time term matters. Meeus (Astronomical
// Algorithms, 2nd ed., 32.3) describes it as a fixed small rotation between VSOP87's
// dynamical frame and FK5, referred to J2000: the FK5 equinox lies 0.09033" west of the
// dynamical one, and the FK5 ecliptic is tilted against it by 0.03916" x sqrt 2 = 0.05538"
// about the line through the J2000 longitudes 45 and 225 degrees, highest at 315 and lowest
// at 135. On a date those J2000 longitudes lie further east by the general precession in
// longitude, p_A = 5029.0966" T + 1.11113" T^2 (Lieske et al. 1977, T in Julian centuries).
// So a point at J2000 longitude L0, latitude B, moves by dB = 0.05538" cos(L0 + 45) and
// dL = -0.09033" + 0.05538" sin(L0 + 45) tan B. The rounded rates that ToFK5 uses
// (1.397 deg, 0.00031 deg) are 2e-7" from Lieske's here; a time argument in millennia
// instead of centuries would be off by 2e-3", a wrong sign of the T^2 term by 1e-5".
struct FK5Case {
    const char* name;
    int centuries; // from J2000
};

class ToFK5CenturiesAway : public testing::TestWithParam<FK5Case> {};

TEST_P(ToFK5CenturiesAway, TiltFollowsThePrecessedNode)
{
    constexpr long double kEquinoxArcsec = -0.09033L;
    constexpr long double kTiltArcsec = 0.03916L * std::numbers::sqrt2_v<long double>;
    constexpr long double kTolerance = 1e-6L; // seconds of arc
    const long double t = GetParam().centuries;
    const long double precession = (5029.0966L * t + 1.11113L * t * t) / 3600; // degrees
    const long double latitude = DegreesToRadians(30.0L);

    TVSOPEarth earth;
    earth.Date = J2000Day + 0.5 + t * 36525;
    for (const long double j2000Longitude : {45.0L, 135.0L, 225.0L, 315.0L}) {
        const long double longitude = DegreesToRadians(j2000Longitude + precession);
        long double l = longitude;
        long double b = latitude;
        earth.ToFK5(l, b);
        const long double node = DegreesToRadians(j2000Longitude + 45);
        EXPECT_NEAR(RadiansToDegrees(b - latitude) * 3600, kTiltArcsec * std::cos(node), kTolerance)
            << "J2000 longitude " << static_cast<double>(j2000Longitude);
        EXPECT_NEAR(RadiansToDegrees(l - longitude) * 3600,
                    kEquinoxArcsec + kTiltArcsec * std::sin(node) * std::tan(latitude), kTolerance)
            << "J2000 longitude " << static_cast<double>(j2000Longitude);
    }
}

INSTANTIATE_TEST_SUITE_P(VSOPEarth, ToFK5CenturiesAway, testing::Values(
    FK5Case{"Year1600", -4}, FK5Case{"Year1800", -2}, FK5Case{"Year2200", 2}, FK5Case{"Year2500", 5}),
    [](const testing::TestParamInfo<FK5Case>& info) { return std::string(info.param.name); });

enum class Coordinate { Longitude, Latitude, Radius };

VSOPTerm Fetch(const TVSOP& body, Coordinate coordinate, int index, int power)
{
    VSOPTerm term{1, 2, 3}; // the accessor must clear what was there
    switch (coordinate) {
    case Coordinate::Longitude: body.LongitudeTerm(index, power, term); break;
    case Coordinate::Latitude: body.LatitudeTerm(index, power, term); break;
    case Coordinate::Radius: body.RadiusTerm(index, power, term); break;
    }
    return term;
}

struct SeriesCase {
    const char* name;
    Coordinate coordinate;
    int power;
    int terms;
    VSOPTerm first;
};

class EarthSeriesTest : public testing::TestWithParam<SeriesCase> {};

TEST_P(EarthSeriesTest, HasEveryPublishedTerm)
{
    const SeriesCase& c = GetParam();
    const TVSOPEarth earth;
    const VSOPTerm first = Fetch(earth, c.coordinate, 0, c.power);
    EXPECT_EQ(first.A, c.first.A);
    EXPECT_EQ(first.B, c.first.B);
    EXPECT_EQ(first.C, c.first.C);
    for (int i = 0; i < c.terms; ++i)
        ASSERT_NE(Fetch(earth, c.coordinate, i, c.power).A, 0) << "term " << i;
    const VSOPTerm past = Fetch(earth, c.coordinate, c.terms, c.power);
    EXPECT_EQ(past.A, 0);
    EXPECT_EQ(past.B, 0);
    EXPECT_EQ(past.C, 0);
}

// Term counts and first terms of the complete VSOP87 D Earth series (A scaled by 1e8).
INSTANTIATE_TEST_SUITE_P(VSOPEarth, EarthSeriesTest, testing::Values(
    SeriesCase{"L0", Coordinate::Longitude, 0, 559, {175347045.673L, 0, 0}},
    SeriesCase{"L1", Coordinate::Longitude, 1, 341, {628331966747.491L, 0, 0}},
    SeriesCase{"L2", Coordinate::Longitude, 2, 142, {52918.87L, 0, 0}},
    SeriesCase{"L3", Coordinate::Longitude, 3, 22, {289.226L, 5.84384198723L, 6283.0758499914L}},
    SeriesCase{"L4", Coordinate::Longitude, 4, 11, {114.084L, 3.14159265359L, 0}},
    SeriesCase{"L5", Coordinate::Longitude, 5, 5, {0.878L, 3.14159265359L, 0}},
    SeriesCase{"B0", Coordinate::Latitude, 0, 184, {279.62L, 3.19870156017L, 84334.66158130829L}},
    SeriesCase{"B1", Coordinate::Latitude, 1, 99, {9.03L, 3.8972906189L, 5507.5532386674L}},
    SeriesCase{"B2", Coordinate::Latitude, 2, 49, {1.662L, 1.62703209173L, 84334.66158130829L}},
    SeriesCase{"B3", Coordinate::Latitude, 3, 11, {0.011L, 0.23877262399L, 7860.4193924392L}},
    SeriesCase{"B4", Coordinate::Latitude, 4, 5, {0.004L, 0.79662198849L, 6438.4962494256L}},
    SeriesCase{"R0", Coordinate::Radius, 0, 526, {100013988.799L, 0, 0}},
    SeriesCase{"R1", Coordinate::Radius, 1, 292, {103018.608L, 1.10748969588L, 6283.0758499914L}},
    SeriesCase{"R2", Coordinate::Radius, 2, 139, {4359.385L, 5.78455133738L, 6283.0758499914L}},
    SeriesCase{"R3", Coordinate::Radius, 3, 27, {144.595L, 4.27319435148L, 6283.0758499914L}},
    SeriesCase{"R4", Coordinate::Radius, 4, 10, {3.858L, 2.56384387339L, 6283.0758499914L}},
    SeriesCase{"R5", Coordinate::Radius, 5, 3, {0.086L, 1.21579741687L, 6283.0758499914L}}),
    [](const testing::TestParamInfo<SeriesCase>& info) { return std::string(info.param.name); });

struct OutOfRangeCase {
    const char* name;
    Coordinate coordinate;
    int index;
    int power;
};

class OutOfRangeTermTest : public testing::TestWithParam<OutOfRangeCase> {};

TEST_P(OutOfRangeTermTest, GivesTheZeroRecord)
{
    const OutOfRangeCase& c = GetParam();
    const VSOPTerm term = Fetch(TVSOPEarth{}, c.coordinate, c.index, c.power);
    EXPECT_EQ(term.A, 0);
    EXPECT_EQ(term.B, 0);
    EXPECT_EQ(term.C, 0);
}

INSTANTIATE_TEST_SUITE_P(VSOPEarth, OutOfRangeTermTest, testing::Values(
    OutOfRangeCase{"IndexMinus1", Coordinate::Longitude, -1, 0},
    OutOfRangeCase{"IndexEqualToCount", Coordinate::Longitude, 559, 0},
    OutOfRangeCase{"RadiusIndexEqualToCount", Coordinate::Radius, 3, 5},
    OutOfRangeCase{"LatitudePower5", Coordinate::Latitude, 0, 5},
    OutOfRangeCase{"PowerMinus1", Coordinate::Radius, 0, -1},
    OutOfRangeCase{"Power6", Coordinate::Longitude, 0, 6}),
    [](const testing::TestParamInfo<OutOfRangeCase>& info) { return std::string(info.param.name); });

// A body with a handful of longitude terms, each with C = 0 and B = 0 so that a term's
// value is its amplitude. Power 0 has a zero term in the middle; powers 2 to 4 are empty.
class FewTerms : public TVSOP {
public:
    void LongitudeTerm(int index, int power, VSOPTerm& term) const override
    {
        static const std::vector<VSOPTerm> series[6] = {
            {{1e8L, 0, 0}, {2e8L, 0, 0}, {}, {500e8L, 0, 0}},
            {{3e8L, 0, 0}},
            {}, {}, {},
            {{7e8L, 0, 0}}};
        term = VSOPTerm{};
        if (power < 0 || power >= 6)
            return;
        ++fetches[power];
        if (index >= 0 && index < static_cast<int>(series[power].size()))
            term = series[power][static_cast<std::size_t>(index)];
    }
    void LatitudeTerm(int, int, VSOPTerm& term) const override { term = VSOPTerm{}; }
    void RadiusTerm(int, int, VSOPTerm& term) const override { term = VSOPTerm{}; }

    mutable int fetches[6] = {};
};

TEST(SumSeries, StopsAtTheFirstZeroTermAndAppliesHorner)
{
    FewTerms body;
    body.Date = J2000Day + 0.5 + 2 * 365250; // tau = 2
    // S0 = 1 + 2 (the term after the zero one is never read), S1 = 3, S5 = 7:
    // 3 + 3 * 2 + 7 * 2^5.
    EXPECT_NEAR(body.Longitude(), 3 + 3 * 2 + 7 * 32, 1e-15L);
    EXPECT_EQ(body.fetches[0], 3);
    EXPECT_EQ(body.fetches[1], 2);
    EXPECT_EQ(body.fetches[2], 1);
    EXPECT_EQ(body.fetches[5], 2);
    EXPECT_EQ(body.Latitude(), 0);
}

// Records the order of the evaluators' reads and their destruction; can fail on demand.
struct Journal {
    std::string reads;
    int destroyed = 0;
    bool failOnLatitude = false;
};
Journal journal;

class JournalBody : public TVSOP {
public:
    ~JournalBody() override { ++journal.destroyed; }
    void LongitudeTerm(int index, int, VSOPTerm& term) const override { Note('L', index, term); }
    void LatitudeTerm(int index, int, VSOPTerm& term) const override
    {
        if (journal.failOnLatitude)
            throw std::runtime_error("latitude failed");
        Note('B', index, term);
    }
    void RadiusTerm(int index, int, VSOPTerm& term) const override { Note('R', index, term); }

private:
    static void Note(char coordinate, int index, VSOPTerm& term)
    {
        if (index == 0 && (journal.reads.empty() || journal.reads.back() != coordinate))
            journal.reads += coordinate;
        term = VSOPTerm{};
    }
};

TEST(HeliocentricPosition, ReadsRadiusLongitudeLatitudeAndReleases)
{
    journal = Journal{};
    long double L, B, R;
    HeliocentricPosition(&MakeVSOP<JournalBody>, 0, L, B, R);
    EXPECT_EQ(journal.reads, "RLB");
    EXPECT_EQ(journal.destroyed, 1);
}

TEST(HeliocentricPosition, ReleasesTheEvaluatorOnError)
{
    journal = Journal{};
    journal.failOnLatitude = true;
    long double L = 1, B = 2, R = 3;
    EXPECT_THROW(HeliocentricPosition(&MakeVSOP<JournalBody>, 0, L, B, R), std::runtime_error);
    EXPECT_EQ(journal.destroyed, 1);
}

TEST(EarthPosition, LongitudeInOneTurnLatitudeWithinSecondsOfArc)
{
    bool sawNegativeLatitude = false;
    bool sawPositiveLatitude = false;
    for (TDateTime date = 0; date < 73000; date += 97.3) { // 1900 to 2099
        long double L, B, R;
        EarthPosition(date, L, B, R);
        ASSERT_GE(L, 0.0L) << date;
        ASSERT_LT(L, 360.0L) << date;
        ASSERT_LT(std::fabs(B) * 3600, 2.0L) << date;
        ASSERT_GT(R, 0.983L) << date;
        ASSERT_LT(R, 1.017L) << date;
        sawNegativeLatitude |= B < 0;
        sawPositiveLatitude |= B > 0;
    }
    EXPECT_TRUE(sawNegativeLatitude);
    EXPECT_TRUE(sawPositiveLatitude);
}

// The series' own cosine against the C library's cosl, over every term's argument at dates
// from year 1 to 9999.
TEST(SeriesCosine, AgreesWithCosl)
{
    long double worstAbsolute = 0;
    long double worstUlps = 0;
    for (TDateTime date = -693000; date < 2958000; date += 9973.1) {
        TVSOPEarth body;
        body.Date = date;
        const long double tau = body.Tau();
        for (const auto* series : {&kEarthLongitudeSeries[0], &kEarthLatitudeSeries[0], &kEarthRadiusSeries[0]}) {
            const std::size_t powers = series == &kEarthLatitudeSeries[0] ? 5 : 6;
            for (std::size_t p = 0; p < powers; ++p) {
                for (const VSOPTerm& term : series[p]) {
                    const long double x = term.B + term.C * tau;
                    const long double expected = std::cos(x);
                    const long double diff = std::fabs(SeriesCosine(x) - expected);
                    worstAbsolute = std::max(worstAbsolute, diff);
                    const long double ulp = std::nextafter(std::fabs(expected), 2.0L) - std::fabs(expected);
                    if (std::fabs(expected) > 1e-3L)
                        worstUlps = std::max(worstUlps, diff / ulp);
                }
            }
        }
    }
    std::printf("  SeriesCosine vs cosl: worst %.2Le absolute, %.1Lf ulps\n", worstAbsolute, worstUlps);
    EXPECT_LE(worstAbsolute, 1.1e-19L); // one unit in the last place of 1
    EXPECT_LE(worstUlps, 2.0L);
}

TEST(SeriesCosine, QuadrantsAndFallbacks)
{
    struct Case {
        long double x;
        long double expected;
    };
    const Case cases[] = {
        {0, 1}, {Pi / 3, 0.5L}, {-Pi / 3, 0.5L}, {2 * Pi / 3, -0.5L}, {4 * Pi / 3, -0.5L},
        {5 * Pi / 3, 0.5L}, {Pi / 4, 0.70710678118654752440L}, {-Pi, -1}, {1000 * Pi, 1}};
    for (const Case& c : cases)
        EXPECT_NEAR(SeriesCosine(c.x), c.expected, 1e-18L) << static_cast<double>(c.x);
    EXPECT_EQ(SeriesCosine(1e12L), std::cos(1e12L));
    EXPECT_TRUE(std::isnan(SeriesCosine(std::numeric_limits<long double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(SeriesCosine(std::numeric_limits<long double>::infinity())));
}

// The Earth's coordinates summed as SumSeries does, with the C library's cosl.
long double SumWithCosl(std::span<const std::span<const VSOPTerm>> series, long double tau)
{
    long double result = 0;
    for (std::size_t p = series.size(); p-- > 0;) {
        long double sum = 0;
        for (const VSOPTerm& term : series[p])
            sum += term.A * std::cos(term.B + term.C * tau);
        result = result * tau + sum;
    }
    return result * 1e-8L;
}

TEST(SeriesCosine, EarthPositionKeepsItsDigits)
{
    long double worst[3] = {};
    for (TDateTime date = -693000; date < 2958000; date += 36524.3) {
        TVSOPEarth body;
        body.Date = date;
        const long double tau = body.Tau();
        worst[0] = std::max(worst[0], std::fabs(body.Longitude() - SumWithCosl(kEarthLongitudeSeries, tau)));
        worst[1] = std::max(worst[1], std::fabs(body.Latitude() - SumWithCosl(kEarthLatitudeSeries, tau)));
        worst[2] = std::max(worst[2], std::fabs(body.Radius() - SumWithCosl(kEarthRadiusSeries, tau)));
    }
    std::printf("  with cosl instead: L %.2Le rad, B %.2Le rad, R %.2Le au\n", worst[0], worst[1], worst[2]);
    // At most one unit in the last place: L reaches 5e4 rad by 9999 (ulp 3.6e-15).
    EXPECT_LE(worst[0], 3.6e-15L);
    EXPECT_LE(worst[1], 1e-19L);
    EXPECT_LE(worst[2], 1.1e-19L);
}

} // namespace
} // namespace dawnrule
