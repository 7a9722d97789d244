#pragma once

// Degree trigonometry, angle normalisation and Julian day numbers for the astronomy.
//
// Reals are long double (80-bit extended on x86); day numbers are TDateTime (double).
// The numeric helpers also exist as templates in namespace generic, so the same code can
// be run in double to measure what extended precision buys; the program uses the
// long double functions in namespace dawnrule.

#include <array>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <string_view>

namespace dawnrule {

// Days since 30 December 1899 00:00 (day 0); the fraction is the time of day.
using TDateTime = double;

inline constexpr long double Pi = 3.1415926535897932385L;
inline constexpr long double HalfPi = 1.5707963267948966193L;

// The day number of 1 January 2000 00:00.
inline constexpr TDateTime DayNumberOf2000January1 = 36526;

// Julian day number of TDateTime day 0: 2415018.5.
inline constexpr long double JulianDayOffset = 2451544.5L - DayNumberOf2000January1;

// 15 October 1582 00:00, the first Gregorian day. Earlier dates are Julian-calendar dates.
inline constexpr long double CalendarChange = 2299160.5L;

// Hebrew month names, full and three-letter. Kept with the calendar; nothing reads them.
inline constexpr std::array<std::string_view, 13> HebrewMonthNames = {
    "Nisan", "Iyar", "Sivan", "Tammuz", "Av", "Elul", "Tishri",
    "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};
inline constexpr std::array<std::string_view, 13> HebrewMonthShortNames = {
    "Nis", "Iya", "Siv", "Tam", "Av", "Elu", "Tis", "Hes", "Kis", "Tev", "She", "Ada", "Ad2"};

namespace generic {

template <std::floating_point Real>
Real DegreesToRadians(Real x) { return x / 180 * static_cast<Real>(Pi); }

template <std::floating_point Real>
Real RadiansToDegrees(Real x) { return x * 180 / static_cast<Real>(Pi); }

template <std::floating_point Real>
Real TangentRad(Real x) { return std::sin(x) / std::cos(x); }

// arctan(y / x), plus π when x < 0: range (−π/2, 3π/2). At x = 0 the quotient is infinite
// and the result is the limit ±π/2; 0 / 0 gives NaN.
template <std::floating_point Real>
Real ArcTanYX(Real y, Real x)
{
    Real result = std::atan(y / x);
    if (x < 0)
        result += static_cast<Real>(Pi);
    return result;
}

// arcsin as arctan(x / √(1 − x²)). At |x| = 1 the quotient is infinite and the result
// is the limit ±π/2; |x| > 1 gives NaN.
template <std::floating_point Real>
Real ArcSinRad(Real x) { return std::atan(x / std::sqrt(1 - x * x)); }

template <std::floating_point Real>
Real ArcCosRad(Real x) { return static_cast<Real>(HalfPi) - ArcSinRad(x); }

// x brought into [0, 360): subtract 360 times x / 360 rounded half to even (the default
// rounding mode), then add 360 while negative. A result that rounds up to 360 (x a tiny
// negative number) becomes the largest value below 360, keeping [0, 360) true. Beyond
// |x| = 1e18 the quotient would overflow the 64-bit integer, so x is first reduced
// exactly with fmod; non-finite x gives NaN.
template <std::floating_point Real>
Real Normalize360(Real x)
{
    constexpr Real kFullTurn = 360;
    if (!(std::fabs(x) < static_cast<Real>(1e18L)))
        x = std::fmod(x, kFullTurn);
    const std::int64_t turns = std::llrint(x / kFullTurn);
    Real r = x - static_cast<Real>(turns) * kFullTurn;
    while (r < 0)
        r += kFullTurn;
    if (r >= kFullTurn)
        r = std::nextafter(kFullTurn, Real(0));
    return r;
}

template <std::floating_point Real>
Real SinDeg(Real x) { return std::sin(DegreesToRadians(Normalize360(x))); }

template <std::floating_point Real>
Real CosDeg(Real x) { return std::cos(DegreesToRadians(Normalize360(x))); }

template <std::floating_point Real>
Real TanDeg(Real x) { return TangentRad(DegreesToRadians(Normalize360(x))); }

template <std::floating_point Real>
Real ArcTanYXDeg(Real y, Real x) { return RadiansToDegrees(ArcTanYX(y, x)); }

template <std::floating_point Real>
Real ArcSinDeg(Real x) { return RadiansToDegrees(ArcSinRad(x)); }

} // namespace generic

inline long double DegreesToRadians(long double x) { return generic::DegreesToRadians(x); }
inline long double RadiansToDegrees(long double x) { return generic::RadiansToDegrees(x); }
inline long double TangentRad(long double x) { return generic::TangentRad(x); }
inline long double ArcTanYX(long double y, long double x) { return generic::ArcTanYX(y, x); }
inline long double ArcSinRad(long double x) { return generic::ArcSinRad(x); }
inline long double ArcCosRad(long double x) { return generic::ArcCosRad(x); }
inline long double Normalize360(long double x) { return generic::Normalize360(x); }
inline long double SinDeg(long double x) { return generic::SinDeg(x); }
inline long double CosDeg(long double x) { return generic::CosDeg(x); }
inline long double TanDeg(long double x) { return generic::TanDeg(x); }
inline long double ArcTanYXDeg(long double y, long double x) { return generic::ArcTanYXDeg(y, x); }
inline long double ArcSinDeg(long double x) { return generic::ArcSinDeg(x); }

// A calendar date as the user writes it: year, month, day.
struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The days of a month: in the Julian calendar's leap years before 1583, as the rise/set
// computation reads such dates (its day number switches calendars there), and in the
// Gregorian ones from 1583 on. 0 for a month outside 1..12.
int DaysInMonthOfYear(int year, int month);

// TDateTime to Julian day number, in extended precision.
long double JulianDayFromDateTime(TDateTime t);

// Julian day number to TDateTime, rounded to double.
TDateTime DateTimeFromJulianDay(long double jd);

// Julian day number of 00:00 of a date in the Julian calendar, years 1 to 9999.
// Throws ConvertError "Invalid year", "Invalid month" or "Invalid day" (checked in that order).
long double JulianDayJulianCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The same in the Gregorian calendar (proleptic before 1582).
long double JulianDayGregorianCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The Julian-calendar day number if it lies before `change`, else the Gregorian one.
// A date that is neither (the gap the change leaves) throws ConvertError
// "Date invalid due to calendar change".
long double JulianDayMixed(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                           long double change);

// JulianDayMixed at the 1582 change: Julian up to 4 October 1582, Gregorian from 15 October.
long double JulianDayOfDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// TDateTime of 00:00 of a calendar date, with the checks of JulianDayOfDate.
TDateTime DateTimeOfCalendarDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

} // namespace dawnrule
