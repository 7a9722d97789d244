#include "astro/calendar.h"

#include "common/errors.h"

namespace dawnrule {

namespace {

enum class Calendar { Julian, Gregorian };

bool IsLeapYear(unsigned year, Calendar calendar)
{
    if (calendar == Calendar::Julian)
        return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month, Calendar calendar)
{
    switch (month) {
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return IsLeapYear(year, calendar) ? 29 : 28;
    default:
        return 31;
    }
}

// Julian day number of 00:00 of a date (the method of Meeus, Astronomical Algorithms,
// ch. 7): the products in extended precision truncated towards zero, the sum in
// 64-bit integers, then the half day.
long double JulianDay(unsigned year, unsigned month, unsigned day, Calendar calendar)
{
    if (year < 1 || year > 9999)
        throw ConvertError("Invalid year");
    if (month < 1 || month > 12)
        throw ConvertError("Invalid month");
    if (day < 1 || day > DaysInMonth(year, month, calendar))
        throw ConvertError("Invalid day");

    std::int64_t y = year;
    std::int64_t m = month;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    std::int64_t b = 0;
    if (calendar == Calendar::Gregorian) {
        const std::int64_t a = y / 100;
        b = 2 - a + a / 4;
    }
    const auto yearDays = static_cast<std::int64_t>(std::trunc(365.25L * (y + 4716)));
    const auto monthDays = static_cast<std::int64_t>(std::trunc(30.6001L * (m + 1)));
    const std::int64_t sum = yearDays + monthDays + day + b;
    return static_cast<long double>(sum) - 1524.5L;
}

} // namespace

int DaysInMonthOfYear(int year, int month)
{
    if (month < 1 || month > 12 || year < 1)
        return 0;
    return static_cast<int>(DaysInMonth(static_cast<unsigned>(year), static_cast<unsigned>(month),
                                        year < 1583 ? Calendar::Julian : Calendar::Gregorian));
}

long double JulianDayFromDateTime(TDateTime t)
{
    return static_cast<long double>(t) + JulianDayOffset;
}

TDateTime DateTimeFromJulianDay(long double jd)
{
    return static_cast<TDateTime>(jd - JulianDayOffset);
}

long double JulianDayJulianCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day)
{
    return JulianDay(year, month, day, Calendar::Julian);
}

long double JulianDayGregorianCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day)
{
    return JulianDay(year, month, day, Calendar::Gregorian);
}

long double JulianDayMixed(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                           long double change)
{
    const long double julian = JulianDayJulianCalendar(year, month, day);
    if (change > julian)
        return julian;
    const long double gregorian = JulianDayGregorianCalendar(year, month, day);
    if (change > gregorian)
        throw ConvertError("Date invalid due to calendar change");
    return gregorian;
}

long double JulianDayOfDate(std::uint16_t year, std::uint16_t month, std::uint16_t day)
{
    return JulianDayMixed(year, month, day, CalendarChange);
}

TDateTime DateTimeOfCalendarDate(std::uint16_t year, std::uint16_t month, std::uint16_t day)
{
    return DateTimeFromJulianDay(JulianDayOfDate(year, month, day));
}

} // namespace dawnrule
