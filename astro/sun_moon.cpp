#include "astro/sun_moon.h"

#include "astro/elp2000_tables.h"
#include "astro/nutation.h"
#include "common/vector_state.h"
#include "astro/vsop.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace dawnrule {

namespace {

constexpr long double kArcsecPerDegree = 3600;
constexpr long double kMicrodegree = 1e-6L;   // unit of the lunar longitude and latitude terms
constexpr long double kMetresPerKm = 1000;    // the lunar distance terms are in metres

} // namespace

namespace generic {

template <std::floating_point Real>
void ApparentEquatorial(SkyPosition<Real>& pos, TDateTime date)
{
    Real deltaPsi;
    Real epsilon;
    Nutation(date, deltaPsi, epsilon);
    const Real lambda = Normalize360(pos.EclipticLongitude + deltaPsi);
    const Real beta = pos.EclipticLatitude;
    pos.EclipticLongitude = lambda;
    pos.RightAscension = ArcTanYXDeg(SinDeg(lambda) * CosDeg(epsilon) - TanDeg(beta) * SinDeg(epsilon),
                                     CosDeg(lambda));
    pos.Declination = ArcSinDeg(SinDeg(beta) * CosDeg(epsilon) +
                                CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda));
}

template <std::floating_point Real>
SkyPosition<Real> SunPosition(TDateTime date)
{
    const Heliocentric<Real> earth = HeliocentricPosition<Real>(&MakeVSOP<TVSOPEarth>, date);
    Real theta = earth.L + 180;
    const Real beta = -earth.B;
    theta -= static_cast<Real>(AberrationArcsec / kArcsecPerDegree) / earth.R;

    SkyPosition<Real> pos;
    pos.EclipticLongitude = Normalize360(theta);
    pos.EclipticLatitude = beta;
    pos.DistanceKm = earth.R * static_cast<Real>(AstronomicalUnitKm);
    ApparentEquatorial(pos, date);
    return pos;
}

template <std::floating_point Real>
SkyPosition<Real> MoonPosition(TDateTime date)
{
    const auto k = [](long double v) { return static_cast<Real>(v); };
    const Real t = JulianCenturies<Real>(date);

    // Mean elements, degrees, not normalised (the degree helpers normalise).
    const Real lp = k(218.3164591L) + t * (k(481267.88134236L) + t * (k(-0.0013268L) + t * (1 / k(538841) - t / k(65194000))));
    const Real d = k(297.8502042L) + t * (k(445267.1115168L) + t * (k(-0.00163L) + t * (1 / k(545868) - t / k(113065000))));
    const Real m = k(357.5291092L) + t * (k(35999.0502909L) + t * (k(-0.0001536L) + t / k(24490000)));
    const Real mp = k(134.9634114L) + t * (k(477198.8676313L) + t * (k(0.008997L) + t * (1 / k(69699) - t / k(1471200))));
    const Real f = k(93.2720993L) + t * (k(483202.0175273L) + t * (k(-0.0034029L) + t * (-1 / k(3526000) + t / k(863310000))));
    const Real a1 = k(119.75L) + k(131.849L) * t;
    const Real a2 = k(53.09L) + k(479264.29L) * t;
    const Real a3 = k(313.45L) + k(481266.484L) * t;
    const Real e = 1 + t * (k(-0.002516L) - k(0.0000074L) * t);

    // Terms with M carry the factor E (E squared for 2M): the Earth's orbit's eccentricity
    // decreases with time.
    const auto eccentricity = [e](int multipleOfM) {
        switch (std::abs(multipleOfM)) {
        case 1: return e;
        case 2: return e * e;
        default: return Real(1);
        }
    };

    Real sumR = 0;
    Real sumL = 0;
    for (const LunarLongitudeDistanceTerm& term : kMoonLongitudeDistanceTerms) {
        const Real a = term.d * d + term.m * m + term.mp * mp + term.f * f;
        const Real factor = eccentricity(term.m);
        sumR += CosDeg(a) * term.distance * factor;
        sumL += SinDeg(a) * term.longitude * factor;
    }
    sumL += 3958 * SinDeg(a1) + 1962 * SinDeg(lp - f) + 318 * SinDeg(a2);

    Real sumB = 0;
    for (const LunarLatitudeTerm& term : kMoonLatitudeTerms) {
        const Real a = term.d * d + term.m * m + term.mp * mp + term.f * f;
        sumB += SinDeg(a) * term.latitude * eccentricity(term.m);
    }
    sumB = sumB - 2235 * SinDeg(lp) + 382 * SinDeg(a3) + 175 * SinDeg(a1 - f) +
           175 * SinDeg(a1 + f) + 127 * SinDeg(lp - mp) - 115 * SinDeg(lp + mp);

    SkyPosition<Real> pos;
    pos.EclipticLongitude = lp + sumL * k(kMicrodegree);
    pos.EclipticLatitude = sumB * k(kMicrodegree);
    pos.DistanceKm = k(MoonMeanDistanceKm) + sumR / k(kMetresPerKm);
    ApparentEquatorial(pos, date);
    return pos;
}

template <std::floating_point Real>
Real PhaseAngleFromElongation(Real psi, Real sunDistanceKm, Real moonDistanceKm)
{
    constexpr Real kRightAngle = 90;
    constexpr Real kHalfTurn = 180;
    const Real sinPsi = std::max(std::sin(psi), Real(0));
    const Real denominator = moonDistanceKm - sunDistanceKm * std::cos(psi);
    if (denominator == 0)
        return kRightAngle;
    const Real q = sunDistanceKm * sinPsi / denominator;
    const Real i = std::atan(q);
    Real degrees = i * 180 / static_cast<Real>(Pi);
    if (std::signbit(i))
        degrees += kHalfTurn;
    return std::min(degrees, std::nextafter(kHalfTurn, Real(0)));
}

template <std::floating_point Real>
Real PhaseAngleFromPositions(const SkyPosition<Real>& sun, const SkyPosition<Real>& moon)
{
    const Real elongation = moon.EclipticLongitude - sun.EclipticLongitude;
    const Real psi = ArcCosRad(CosDeg(moon.EclipticLatitude) * CosDeg(elongation));
    const Real angle = PhaseAngleFromElongation(psi, sun.DistanceKm, moon.DistanceKm);
    return Normalize360(elongation) > 180 ? -angle : angle;
}

template <std::floating_point Real>
Real MoonPhaseAngle(TDateTime date)
{
    const SkyPosition<Real> sun = SunPosition<Real>(date);
    const SkyPosition<Real> moon = MoonPosition<Real>(date);
    return PhaseAngleFromPositions(sun, moon);
}

template void ApparentEquatorial<double>(SkyPosition<double>&, TDateTime);
template void ApparentEquatorial<long double>(SkyPosition<long double>&, TDateTime);
template SkyPosition<double> SunPosition<double>(TDateTime);
template SkyPosition<long double> SunPosition<long double>(TDateTime);
template SkyPosition<double> MoonPosition<double>(TDateTime);
template SkyPosition<long double> MoonPosition<long double>(TDateTime);
template double PhaseAngleFromElongation<double>(double, double, double);
template long double PhaseAngleFromElongation<long double>(long double, long double, long double);
template double PhaseAngleFromPositions<double>(const SkyPosition<double>&, const SkyPosition<double>&);
template long double PhaseAngleFromPositions<long double>(const SkyPosition<long double>&,
                                                          const SkyPosition<long double>&);
template double MoonPhaseAngle<double>(TDateTime);
template long double MoonPhaseAngle<long double>(TDateTime);

} // namespace generic

void ApparentEquatorial(SkyPosition& pos, TDateTime date) { generic::ApparentEquatorial(pos, date); }

SkyPosition SunPosition(TDateTime date) { return generic::SunPosition<long double>(date); }

SkyPosition MoonPosition(TDateTime date) { return generic::MoonPosition<long double>(date); }

long double PhaseAngleFromElongation(long double psi, long double sunDistanceKm,
                                     long double moonDistanceKm)
{
    return generic::PhaseAngleFromElongation(psi, sunDistanceKm, moonDistanceKm);
}

long double PhaseAngleFromPositions(const SkyPosition& sun, const SkyPosition& moon)
{
    return generic::PhaseAngleFromPositions(sun, moon);
}

long double MoonPhaseAngle(TDateTime date)
{
    ClearUpperVectorState(); // full speed after a paint; see common/vector_state.h
    return generic::MoonPhaseAngle<long double>(date);
}

} // namespace dawnrule
