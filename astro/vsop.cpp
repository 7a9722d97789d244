#include "astro/vsop.h"

#include "astro/vsop87d_earth_table.h"

#include <cstdint>
#include <iterator>
#include <limits>
#include <span>
#include <type_traits>

namespace dawnrule {

namespace {

constexpr int kPowersOfTime = 6;                 // tau^0 .. tau^5
constexpr long double kAmplitudeScale = 1e-8L;   // the tables hold A * 1e8
constexpr long double kDaysPerMillennium = 365250;
constexpr long double kFK5DriftDegrees = -1.397L;     // deg per Julian century
constexpr long double kFK5DriftRate = -0.00031L;      // deg per Julian century squared
constexpr long double kFK5LongitudeShift = 0.09033L / 3600; // 0.09033", in degrees
constexpr long double kFK5Tilt = 0.03916L / 3600;           // 0.03916", in degrees

// pi/2 in three parts: P1 and P2 with 32 significant bits, so k * P1 and k * P2 are exact
// for |k| < 2^32; P3 the next 64 bits.
constexpr long double kHalfPiPart1 = 1.570796326734125614166259765625L;
constexpr long double kHalfPiPart2 = 6.077100506303965976595549136618501506745815277099609375E-11L;
constexpr long double kHalfPiPart3 = 2.0222662487959507323765190428442772737038230493850651E-21L;
constexpr long double kTwoOverPi = 0.636619772367581343075535053490057448L;
constexpr long double kReducibleLimit = 1e9L;
constexpr long double kReducedLimit = 0.786L; // pi/4 and a margin for the rounding of k
// Adding and subtracting 1.5 * 2^63 rounds a long double of magnitude below 2^62 to a whole
// number (round to nearest, the default mode) without a library call.
constexpr long double kRoundingShift = 13835058055282163712.0L;

// sin r and cos r for |r| <= pi/4 by their Taylor series, Horner's rule in r^2.
long double SinNear0(long double r)
{
    constexpr long double k[] = {
        -1.0L / 6, 1.0L / 120, -1.0L / 5040, 1.0L / 362880, -1.0L / 39916800,
        1.0L / 6227020800, -1.0L / 1307674368000, 1.0L / 355687428096000,
        -1.0L / 121645100408832000, 1.0L / 51090942171709440000.0L};
    const long double r2 = r * r;
    long double q = k[std::size(k) - 1];
    for (std::size_t i = std::size(k) - 1; i-- > 0;)
        q = q * r2 + k[i];
    return r + r * r2 * q;
}

long double CosNear0(long double r)
{
    constexpr long double k[] = {
        -1.0L / 2, 1.0L / 24, -1.0L / 720, 1.0L / 40320, -1.0L / 3628800, 1.0L / 479001600,
        -1.0L / 87178291200, 1.0L / 20922789888000, -1.0L / 6402373705728000,
        1.0L / 2432902008176640000.0L, -1.0L / 1124000727777607680000.0L};
    const long double r2 = r * r;
    long double q = k[std::size(k) - 1];
    for (std::size_t i = std::size(k) - 1; i-- > 0;)
        q = q * r2 + k[i];
    return 1 + r2 * q;
}

// The cosine the series use: SeriesCosine for long double, std::cos for other types.
template <std::floating_point Real>
Real TermCosine(Real x)
{
    if constexpr (std::is_same_v<Real, long double>)
        return SeriesCosine(x);
    else
        return std::cos(x);
}

// Copies term `index` of series `power` into `term`, or leaves it all zero.
template <std::size_t Powers>
void LookUp(const std::array<std::span<const VSOPTerm>, Powers>& series, int index, int power,
            VSOPTerm& term)
{
    term = VSOPTerm{};
    if (power < 0 || power >= static_cast<int>(Powers))
        return;
    const std::span<const VSOPTerm> terms = series[static_cast<std::size_t>(power)];
    if (index < 0 || index >= static_cast<int>(terms.size()))
        return;
    term = terms[static_cast<std::size_t>(index)];
}

} // namespace

long double SeriesCosine(long double x)
{
    if constexpr (std::numeric_limits<long double>::digits != 64)
        return std::cos(x);
    if (!(std::fabs(x) < kReducibleLimit))
        return std::cos(x);
    const long double k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const long double r = ((x - k * kHalfPiPart1) - k * kHalfPiPart2) - k * kHalfPiPart3;
    // Only a processor set to round long double to fewer bits (an x87 control word of
    // 53 bits) can leave r outside [-pi/4, pi/4] by more than rounding.
    if (!(std::fabs(r) < kReducedLimit))
        return std::cos(x);
    switch (static_cast<std::int64_t>(k) & 3) {
    case 0: return CosNear0(r);
    case 1: return -SinNear0(r);
    case 2: return -CosNear0(r);
    default: return SinNear0(r);
    }
}

namespace generic {

template <std::floating_point Real>
Real Tau(TDateTime date)
{
    return (static_cast<Real>(date) - static_cast<Real>(J2000Day) - Real(0.5)) /
           static_cast<Real>(kDaysPerMillennium);
}

template <std::floating_point Real>
Real SumSeries(const TVSOP& body, TVSOP::TermSource termSource)
{
    const Real tau = Tau<Real>(body.Date);
    Real sums[kPowersOfTime];
    for (int p = 0; p < kPowersOfTime; ++p) {
        Real sum = 0;
        VSOPTerm term;
        for (int i = 0;; ++i) {
            (body.*termSource)(i, p, term);
            const Real v = static_cast<Real>(term.A) *
                           TermCosine(static_cast<Real>(term.B) + static_cast<Real>(term.C) * tau);
            sum += v;
            if (v == 0)
                break;
        }
        sums[p] = sum;
    }
    Real result = sums[kPowersOfTime - 1];
    for (int p = kPowersOfTime - 2; p >= 0; --p)
        result = result * tau + sums[p];
    return result * static_cast<Real>(kAmplitudeScale);
}

template <std::floating_point Real>
void ToFK5(Real tau, Real& longitude, Real& latitude)
{
    const Real t = 10 * tau; // Julian centuries
    const Real shifted = longitude +
        DegreesToRadians(static_cast<Real>(kFK5DriftDegrees) + static_cast<Real>(kFK5DriftRate) * t) * t;
    const Real c = std::cos(shifted);
    const Real s = std::sin(shifted);
    const Real tilt = DegreesToRadians(static_cast<Real>(kFK5Tilt));
    const Real deltaL = -DegreesToRadians(static_cast<Real>(kFK5LongitudeShift)) +
                        tilt * (c + s) * TangentRad(latitude);
    const Real deltaB = tilt * (c - s);
    longitude += deltaL;
    latitude += deltaB;
}

template <std::floating_point Real>
Heliocentric<Real> HeliocentricPosition(TVSOPClass bodyClass, TDateTime date)
{
    const std::unique_ptr<TVSOP> body = bodyClass();
    body->Date = date;
    const Real r = SumSeries<Real>(*body, &TVSOP::RadiusTerm);
    Real l = SumSeries<Real>(*body, &TVSOP::LongitudeTerm);
    Real b = SumSeries<Real>(*body, &TVSOP::LatitudeTerm);
    ToFK5(Tau<Real>(date), l, b);
    return {Normalize360(RadiansToDegrees(l)), RadiansToDegrees(b), r};
}

template double Tau<double>(TDateTime);
template long double Tau<long double>(TDateTime);
template double SumSeries<double>(const TVSOP&, TVSOP::TermSource);
template long double SumSeries<long double>(const TVSOP&, TVSOP::TermSource);
template void ToFK5<double>(double, double&, double&);
template void ToFK5<long double>(long double, long double&, long double&);
template Heliocentric<double> HeliocentricPosition<double>(TVSOPClass, TDateTime);
template Heliocentric<long double> HeliocentricPosition<long double>(TVSOPClass, TDateTime);

} // namespace generic

long double TVSOP::Tau() const { return generic::Tau<long double>(Date); }

long double TVSOP::SumSeries(TermSource termSource) const
{
    return generic::SumSeries<long double>(*this, termSource);
}

long double TVSOP::Longitude() const { return SumSeries(&TVSOP::LongitudeTerm); }
long double TVSOP::Latitude() const { return SumSeries(&TVSOP::LatitudeTerm); }
long double TVSOP::Radius() const { return SumSeries(&TVSOP::RadiusTerm); }

void TVSOP::ToFK5(long double& longitude, long double& latitude) const
{
    generic::ToFK5(Tau(), longitude, latitude);
}

void TVSOPEarth::LongitudeTerm(int index, int power, VSOPTerm& term) const
{
    LookUp(kEarthLongitudeSeries, index, power, term);
}

void TVSOPEarth::LatitudeTerm(int index, int power, VSOPTerm& term) const
{
    LookUp(kEarthLatitudeSeries, index, power, term);
}

void TVSOPEarth::RadiusTerm(int index, int power, VSOPTerm& term) const
{
    LookUp(kEarthRadiusSeries, index, power, term);
}

void HeliocentricPosition(TVSOPClass bodyClass, TDateTime date,
                          long double& L, long double& B, long double& R)
{
    const auto position = generic::HeliocentricPosition<long double>(bodyClass, date);
    L = position.L;
    B = position.B;
    R = position.R;
}

void EarthPosition(TDateTime date, long double& L, long double& B, long double& R)
{
    HeliocentricPosition(&MakeVSOP<TVSOPEarth>, date, L, B, R);
}

} // namespace dawnrule
