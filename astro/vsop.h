#pragma once

// Heliocentric ecliptic positions from the VSOP87 version D planetary series.
//
// TVSOP sums the series of any body through three term accessors; TVSOPEarth serves the
// Earth's 2,425 published terms. The sums also exist as templates in namespace generic
// (instantiated for double and long double) so the precision can be compared; the program
// uses the long double functions.

#include "astro/calendar.h"

#include <concepts>
#include <memory>

namespace dawnrule {

// One periodic term, A cos(B + C tau).
struct VSOPTerm {
    long double A = 0; // amplitude, 1e-8 rad (longitude, latitude) or 1e-8 au (radius)
    long double B = 0; // phase, rad
    long double C = 0; // frequency, rad per Julian millennium
};

// The TDateTime day number of 1 January 2000 (J2000.0 is half a day later).
inline constexpr TDateTime J2000Day = DayNumberOf2000January1;

// Evaluator of one body's VSOP87 series at `Date`. A term accessor writes the index-th
// term of the series of that power of time into `term`, or an all-zero term when the
// index or the power lies outside the body's tables; a zero term ends a series.
class TVSOP {
public:
    using TermSource = void (TVSOP::*)(int index, int power, VSOPTerm& term) const;

    virtual ~TVSOP() = default;

    virtual void LongitudeTerm(int index, int power, VSOPTerm& term) const = 0;
    virtual void LatitudeTerm(int index, int power, VSOPTerm& term) const = 0;
    virtual void RadiusTerm(int index, int power, VSOPTerm& term) const = 0;

    // Julian millennia from J2000.0: (Date - J2000Day - 0.5) / 365250. No UT/TT correction.
    long double Tau() const;

    // One coordinate: for each power p = 0..5 the sum S_p of A cos(B + C tau) over the
    // terms up to the first zero one, then (((((S5 tau + S4) tau + S3) tau + S2) tau + S1)
    // tau + S0) * 1e-8. Radians or astronomical units, mean ecliptic and equinox of date.
    long double SumSeries(TermSource termSource) const;

    long double Longitude() const; // radians
    long double Latitude() const;  // radians
    long double Radius() const;    // astronomical units

    // Dynamical ecliptic and equinox of date to FK5, both angles in radians, in place.
    void ToFK5(long double& longitude, long double& latitude) const;

    TDateTime Date = 0;
};

// The Earth's series: every term of VSOP87 version D for the Earth.
class TVSOPEarth : public TVSOP {
public:
    void LongitudeTerm(int index, int power, VSOPTerm& term) const override;
    void LatitudeTerm(int index, int power, VSOPTerm& term) const override;
    void RadiusTerm(int index, int power, VSOPTerm& term) const override;
};

// The "class" argument of HeliocentricPosition: makes a new evaluator of one body.
using TVSOPClass = std::unique_ptr<TVSOP> (*)();

template <std::derived_from<TVSOP> Body>
std::unique_ptr<TVSOP> MakeVSOP() { return std::make_unique<Body>(); }

// Heliocentric ecliptic position of a body, FK5 frame, mean equinox of date.
// date: TDateTime, used as dynamical time (no UT/TT correction).
// Out: L in degrees [0, 360), B in degrees (not normalised), R in astronomical units.
// Creates the evaluator, reads R, L, B in this order, applies ToFK5 and releases the
// evaluator on every exit.
void HeliocentricPosition(TVSOPClass bodyClass, TDateTime date,
                          long double& L, long double& B, long double& R);

// The Earth's heliocentric position (VSOP87 D, FK5), as HeliocentricPosition.
// Source: VSOP87 version D, all 2,425 Earth terms (Bretagnon & Francou 1988), about 1"
// within 4,000 years of 2000. Measured for 13 Oct 1992 0h before ToFK5: L = 19.9072972°,
// R = 0.9976085202 au (published check figures 19.907297°, 0.99760852 au); the same
// sums in double differ by 4e-13° in L and 2e-15 au in R.
void EarthPosition(TDateTime date, long double& L, long double& B, long double& R);

// cos x for the series' arguments B + C tau, in extended precision, six times faster than
// the C library's cosl: x reduced by multiples of pi/2 (Cody-Waite, pi/2 in three parts
// of 32, 32 and 64 bits, exact products for |x| < 1e9), then the Taylor series of sin or
// cos to r^21 / r^22 on [-pi/4, pi/4] (truncation below 1e-24). Larger or non-finite x,
// and platforms whose long double is not the 64-bit-mantissa extended type, use std::cos.
// Measured against cosl over all 2,425 terms at 3,660 dates from year 1 to 9999: at most
// 5.4e-20 apart, 2 units in the last place where |cos x| > 1e-3; the Earth's L, B and R
// summed with either agree to 1e-24 at 100 dates over the same years.
long double SeriesCosine(long double x);

namespace generic {

template <std::floating_point Real>
struct Heliocentric {
    Real L; // degrees, [0, 360)
    Real B; // degrees
    Real R; // astronomical units
};

template <std::floating_point Real>
Real Tau(TDateTime date);

template <std::floating_point Real>
Real SumSeries(const TVSOP& body, TVSOP::TermSource termSource);

template <std::floating_point Real>
void ToFK5(Real tau, Real& longitude, Real& latitude);

template <std::floating_point Real>
Heliocentric<Real> HeliocentricPosition(TVSOPClass bodyClass, TDateTime date);

} // namespace generic

} // namespace dawnrule
