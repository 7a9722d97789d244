#pragma once

// Nutation in longitude and the true obliquity of the ecliptic (IAU 1980 theory, its 31
// leading terms).

#include "astro/calendar.h"

#include <concepts>

namespace dawnrule {

// Nutation in longitude (deltaPsi) and true obliquity of the ecliptic (epsilon), degrees.
// date: TDateTime, used as dynamical time; good for centuries around 2000. Source: IAU
// 1980 nutation theory, its 31 largest terms, and the mean obliquity of Lieske (1977), as
// in Meeus, Astronomical Algorithms, ch. 22. Measured for 10 Apr 1987 0h: deltaPsi =
// -3.791", epsilon = 23°26'36.849" (Meeus, full series: -3.788", 36.850").
void Nutation(TDateTime date, long double& deltaPsi, long double& epsilon);

namespace generic {

// Julian centuries from J2000.0 (JD 2451545.0) of a TDateTime.
template <std::floating_point Real>
Real JulianCenturies(TDateTime date)
{
    constexpr long double kJ2000JulianDay = 2451545;
    constexpr long double kDaysPerCentury = 36525;
    return (static_cast<Real>(date) + static_cast<Real>(JulianDayOffset) -
            static_cast<Real>(kJ2000JulianDay)) / static_cast<Real>(kDaysPerCentury);
}

template <std::floating_point Real>
void Nutation(TDateTime date, Real& deltaPsi, Real& epsilon);

} // namespace generic

} // namespace dawnrule
