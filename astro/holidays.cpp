#include "astro/holidays.h"

#include <chrono>

namespace dawnrule {

namespace {

using std::chrono::year_month_day;

constexpr int kSunday = 0, kMonday = 1, kThursday = 4, kSaturday = 6;

struct StateHolidayText {
    std::string_view key;
    std::string_view name;
};
constexpr StateHolidayText kStateHolidays[] = {
    {"new-year", "New Year's Day"},
    {"memorial", "Memorial Day"},
    {"independence", "Independence Day"},
    {"labor", "Labor Day"},
    {"thanksgiving", "Thanksgiving"},
    {"christmas", "Christmas"},
    {"good-friday", "Good Friday"},
    {"easter", "Easter"},
    {"day-after-thanksgiving", "the day after Thanksgiving"},
    {"christmas-eve", "Christmas Eve"},
    {"new-years-eve", "New Year's Eve"},
    {"columbus", "Columbus Day"},
    {"veterans", "Veterans Day"},
    {"victory", "Victory Day"},
    {"presidents", "Presidents' Day"},
    {"mlk", "Martin Luther King Jr. Day"},
    {"deer-opener", "the deer-gun opener"},
};
static_assert(std::size(kStateHolidays) == kStateHolidayCount);

year_month_day Ymd(const CivilDate& d)
{
    return year_month_day{std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
                          std::chrono::day{static_cast<unsigned>(d.day)}};
}

CivilDate Shifted(const CivilDate& date, int days)
{
    return DateOfDays(DaysSinceEpoch(date) + days);
}

// The n-th given weekday of a month (n from 1), or the last one for n = 0.
CivilDate NthWeekday(int year, int month, int weekday, int n)
{
    if (n == 0) {
        const CivilDate last = DateOfDays(DaysSinceEpoch({year, month + 1, 1}) - 1);
        return Shifted(last, -((WeekdayOf(last) - weekday + 7) % 7));
    }
    const CivilDate first{year, month, 1};
    return Shifted(first, (weekday - WeekdayOf(first) + 7) % 7 + 7 * (n - 1));
}

CivilDate ObservedDay(const CivilDate& date)
{
    const int weekday = WeekdayOf(date);
    return weekday == kSaturday ? Shifted(date, -1) : weekday == kSunday ? Shifted(date, 1) : date;
}

bool IsHoliday(const CivilDate& date)
{
    // The holidays that can fall on the date or be observed there: this year's, and
    // next year's New Year's Day observed on December 31.
    for (const int year : {date.year, date.year + 1}) {
        for (const ObservedHoliday& h : HolidaysOfYear(year)) {
            if (h.date == date || h.observed == date)
                return true;
        }
    }
    return false;
}

} // namespace

int DaysSinceEpoch(const CivilDate& date)
{
    // year_month_day normalises month 13 of a year to January of the next.
    const int extraYears = (date.month - 1) / 12;
    const CivilDate d{date.year + extraYears, date.month - 12 * extraYears, date.day};
    return static_cast<int>(std::chrono::sys_days{Ymd(d)}.time_since_epoch().count());
}

CivilDate DateOfDays(int daysSinceEpoch)
{
    const year_month_day ymd{std::chrono::sys_days{std::chrono::days{daysSinceEpoch}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int WeekdayOf(const CivilDate& date)
{
    return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{std::chrono::days{DaysSinceEpoch(date)}}}
                                .c_encoding());
}

std::string_view WeekdayShortName(int weekday)
{
    static constexpr std::string_view kNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return kNames[((weekday % 7) + 7) % 7];
}

std::array<ObservedHoliday, 6> HolidaysOfYear(int year)
{
    const CivilDate newYear{year, 1, 1};
    const CivilDate july4{year, 7, 4};
    const CivilDate christmas{year, 12, 25};
    const CivilDate memorial = NthWeekday(year, 5, kMonday, 0);
    const CivilDate labor = NthWeekday(year, 9, kMonday, 1);
    const CivilDate thanksgiving = NthWeekday(year, 11, kThursday, 4);
    return {{
        {UsHoliday::kNewYear, "New Year's Day", newYear, ObservedDay(newYear)},
        {UsHoliday::kMemorialDay, "Memorial Day", memorial, memorial},
        {UsHoliday::kIndependenceDay, "Independence Day", july4, ObservedDay(july4)},
        {UsHoliday::kLaborDay, "Labor Day", labor, labor},
        {UsHoliday::kThanksgiving, "Thanksgiving", thanksgiving, thanksgiving},
        {UsHoliday::kChristmas, "Christmas", christmas, ObservedDay(christmas)},
    }};
}

std::string_view StateHolidayKey(StateHoliday holiday)
{
    return kStateHolidays[static_cast<int>(holiday)].key;
}

std::string_view StateHolidayName(StateHoliday holiday)
{
    return kStateHolidays[static_cast<int>(holiday)].name;
}

bool StateHolidayByKey(std::string_view key, StateHoliday& holiday)
{
    for (int i = 0; i < kStateHolidayCount; ++i) {
        if (kStateHolidays[i].key == key) {
            holiday = static_cast<StateHoliday>(i);
            return true;
        }
    }
    return false;
}

CivilDate EasterSunday(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

CivilDate StateHolidayDate(StateHoliday holiday, int year)
{
    constexpr int kFriday = 5;
    const CivilDate thanksgiving = NthWeekday(year, 11, kThursday, 4);
    switch (holiday) {
    case StateHoliday::kNewYear:
        return ObservedDay({year, 1, 1});
    case StateHoliday::kMemorial:
        return NthWeekday(year, 5, kMonday, 0);
    case StateHoliday::kIndependence:
        return ObservedDay({year, 7, 4});
    case StateHoliday::kLabor:
        return NthWeekday(year, 9, kMonday, 1);
    case StateHoliday::kThanksgiving:
        return thanksgiving;
    case StateHoliday::kChristmas:
        return ObservedDay({year, 12, 25});
    case StateHoliday::kGoodFriday:
        return Shifted(EasterSunday(year), kFriday - 7);
    case StateHoliday::kEaster:
        return EasterSunday(year);
    case StateHoliday::kDayAfterThanksgiving:
        return Shifted(thanksgiving, 1);
    case StateHoliday::kChristmasEve:
        return {year, 12, 24};
    case StateHoliday::kNewYearsEve:
        return {year, 12, 31};
    case StateHoliday::kColumbus:
        return NthWeekday(year, 10, kMonday, 2);
    case StateHoliday::kVeterans:
        return ObservedDay({year, 11, 11});
    case StateHoliday::kVictory:
        return NthWeekday(year, 8, kMonday, 2);
    case StateHoliday::kPresidents:
        return NthWeekday(year, 2, kMonday, 3);
    case StateHoliday::kMlk:
        return NthWeekday(year, 1, kMonday, 3);
    case StateHoliday::kDeerOpener:
        return Shifted(thanksgiving, -5);
    }
    return {year, 1, 1};
}

DayMarks MarksOf(const CivilDate& date)
{
    DayMarks marks;
    const int weekday = WeekdayOf(date);
    marks.weekend = weekday == kSaturday || weekday == kSunday;
    marks.holiday = IsHoliday(date);
    marks.eveOfHoliday = IsHoliday(Shifted(date, 1));
    return marks;
}

} // namespace dawnrule
