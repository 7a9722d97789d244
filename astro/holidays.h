#pragma once

// Weekdays and the six US holidays on which most states stop oversize loads, for the
// trip plan's day marks and rest days. Proleptic Gregorian dates, years 1 to 9999.

#include "astro/calendar.h"

#include <array>
#include <string_view>

namespace dawnrule {

// Days since 1970-01-01 and back.
int DaysSinceEpoch(const CivilDate& date);
CivilDate DateOfDays(int daysSinceEpoch);

// 0 = Sunday, 1 = Monday ... 6 = Saturday.
int WeekdayOf(const CivilDate& date);
std::string_view WeekdayShortName(int weekday);  // "Sun" ... "Sat"

enum class UsHoliday { kNewYear, kMemorialDay, kIndependenceDay, kLaborDay, kThanksgiving, kChristmas };

// A holiday of a year and the day it is observed: New Year's Day (January 1), Memorial
// Day (last Monday of May), Independence Day (July 4), Labor Day (first Monday of
// September), Thanksgiving (fourth Thursday of November), Christmas (December 25). A
// fixed-date holiday that falls on a Saturday is observed the Friday before, on a
// Sunday the Monday after: New Year's Day 2022, a Saturday, was observed on Friday,
// December 31, 2021.
struct ObservedHoliday {
    UsHoliday holiday;
    std::string_view name;  // "New Year's Day"
    CivilDate date;
    CivilDate observed;
};
std::array<ObservedHoliday, 6> HolidaysOfYear(int year);

// What a date is for the trip plan: a weekend day (Saturday or Sunday), a holiday (the
// holiday itself or its observed day), the eve of a holiday (the day before a holiday
// or before its observed day). A date may be several at once.
struct DayMarks {
    bool weekend = false;
    bool holiday = false;
    bool eveOfHoliday = false;
};
DayMarks MarksOf(const CivilDate& date);

// The holidays on which a state may stop oversize loads, by the names the states'
// calendars use: the six above ("six") and the extras some states add.
enum class StateHoliday {
    kNewYear, kMemorial, kIndependence, kLabor, kThanksgiving, kChristmas,  // the six
    kGoodFriday, kEaster, kDayAfterThanksgiving, kChristmasEve, kNewYearsEve, kColumbus, kVeterans,
    kVictory, kPresidents, kMlk, kDeerOpener,
};
inline constexpr int kStateHolidayCount = 17;
using StateHolidaySet = unsigned;  // bit i: StateHoliday i
inline constexpr StateHolidaySet kSixHolidays = 0x3f;

// "new-year", "memorial", "independence", "labor", "thanksgiving", "christmas",
// "good-friday", "easter", "day-after-thanksgiving", "christmas-eve", "new-years-eve",
// "columbus", "veterans", "victory", "presidents", "mlk", "deer-opener".
std::string_view StateHolidayKey(StateHoliday holiday);
std::string_view StateHolidayName(StateHoliday holiday);  // "Thanksgiving", "Good Friday"
bool StateHolidayByKey(std::string_view key, StateHoliday& holiday);

// The day a state closes for the holiday in a year: for New Year's Day, Independence
// Day, Christmas and Veterans Day (November 11) the observed day (the Friday before a
// Saturday, the Monday after a Sunday); Good Friday and Easter Sunday from the Gregorian
// Easter; the day after Thanksgiving; December 24 and 31; Columbus Day (second Monday
// of October), Victory Day (second Monday of August), Presidents' Day (third Monday of
// February), Martin Luther King Jr. Day (third Monday of January); the deer-gun opener,
// the Saturday before Thanksgiving.
CivilDate StateHolidayDate(StateHoliday holiday, int year);
CivilDate EasterSunday(int year);  // Gregorian, the anonymous (Meeus/Jones/Butcher) rule

} // namespace dawnrule
