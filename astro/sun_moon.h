#pragma once

// Apparent geocentric positions of the Sun and the Moon, and the Moon's phase angle.
//
// Dates are TDateTime, used unchanged as both universal and dynamical time (no zone shift,
// no UT/TT correction: at 2000 this shifts the Moon by about 64 s of its motion, 0.01°).
// The routines also exist as templates in namespace generic, instantiated for double and
// long double, so the precision can be compared; the program uses the long double ones.

#include "astro/calendar.h"

#include <concepts>

namespace dawnrule {

namespace generic {

template <std::floating_point Real>
struct SkyPosition {
    Real EclipticLongitude = 0; // degrees, apparent, [0, 360) once complete
    Real EclipticLatitude = 0;  // degrees
    Real DistanceKm = 0;        // kilometres from the Earth's centre
    Real RightAscension = 0;    // degrees, (-90, 270), not normalised
    Real Declination = 0;       // degrees, [-90, 90]
};

template <std::floating_point Real>
void ApparentEquatorial(SkyPosition<Real>& pos, TDateTime date);

template <std::floating_point Real>
SkyPosition<Real> SunPosition(TDateTime date);

template <std::floating_point Real>
SkyPosition<Real> MoonPosition(TDateTime date);

template <std::floating_point Real>
Real PhaseAngleFromElongation(Real psi, Real sunDistanceKm, Real moonDistanceKm);

template <std::floating_point Real>
Real PhaseAngleFromPositions(const SkyPosition<Real>& sun, const SkyPosition<Real>& moon);

template <std::floating_point Real>
Real MoonPhaseAngle(TDateTime date);

} // namespace generic

using SkyPosition = generic::SkyPosition<long double>;

inline constexpr long double AstronomicalUnitKm = 149597869;
inline constexpr long double MoonMeanDistanceKm = 385000.56L;
inline constexpr long double AberrationArcsec = 20.4898L;

// Adds the nutation in longitude to pos.EclipticLongitude (normalised to [0, 360) and
// written back) and fills RightAscension and Declination for the true obliquity of date.
// Degrees throughout. Rigorous rotation; accurate as the input position and Nutation.
void ApparentEquatorial(SkyPosition& pos, TDateTime date);

// Apparent geocentric position of the Sun: the VSOP87 D Earth position (FK5) turned
// geocentric, with aberration (20.4898" / R) and nutation. Degrees and km; date as UT and
// TT. Measured for 13 Oct 1992 0h: longitude 199.9059858°, right ascension 198.3781188°,
// declination -7.7838168° (Meeus's example 25.b: 199.9060606°, 198.3781208°,
// -7.7838167°; his shortened Earth series puts his longitude 0.27" higher).
SkyPosition SunPosition(TDateTime date);

// Apparent geocentric position of the Moon from the truncated ELP-2000/82 series
// (60 + 60 terms and the additive terms, Meeus ch. 47), nutation applied. Degrees and km;
// date as UT and TT. The truncated series is good to about 10" in longitude and 4" in
// latitude near 2000. Measured for 12 Apr 1992 0h: longitude 133.1672702°, latitude
// -3.2291268°, distance 368409.685 km (Meeus's example 47.a: 133.167265°, -3.229126°,
// 368409.7 km; the 0.02" in longitude is the shorter nutation series).
SkyPosition MoonPosition(TDateTime date);

// Phase angle i of the Moon (the Sun-Moon-Earth angle), degrees in [0, 180), from the
// geocentric elongation psi (radians, [0, pi]) and the two distances (km):
// tan i = s sin psi / (m - s cos psi), i taken in [0, 180).
// Guards where the plain quotient fails: a zero denominator (the Sun-Moon line square to
// the Moon-Earth line) gives exactly 90; sin psi is not allowed below 0 (at psi = pi the
// rounding of pi would flip a full moon to a new one); a quotient of -0 (exact
// conjunction) counts as negative, giving the new-moon side; a value rounded up to 180
// becomes the largest value below 180.
long double PhaseAngleFromElongation(long double psi, long double sunDistanceKm,
                                     long double moonDistanceKm);

// The signed phase angle from the apparent positions of Sun and Moon: the angle of
// PhaseAngleFromElongation, negated when the Moon is more than 180° east of the Sun.
long double PhaseAngleFromPositions(const SkyPosition& sun, const SkyPosition& moon);

// Phase angle of the Moon, degrees in (-180, 180): 0 at full moon, towards ±180 at new
// moon; positive while waxing (the Moon up to 180° east of the Sun), negative while
// waning. date: TDateTime, used as both UT and TT. Source: SunPosition, MoonPosition and
// Meeus, ch. 48 (48.2, 48.3). Measured at 0h: 2.7742 (21 Jan 2000), 96.8951 (14 Jan),
// -86.1109 (28 Jan), -171.3872 (6 Jan), 90.9331 (9 Nov 2005); the same computation in
// double differs from these by at most 2.3e-12°.
long double MoonPhaseAngle(TDateTime date);

} // namespace dawnrule
