#pragma once

#include "astro/calendar.h"

#include <optional>
#include <string>
#include <string_view>

namespace dawnrule {

// Date texts: the one reader and writer of the dates the user sees and types.

// The date text of the main window's date field, of the command line's --date and of the
// trip plan's departure.
inline constexpr std::string_view kDateTextFormat = "mm/dd/yyyy";

// The date of a date text: exactly ten characters, two digits of month, "/", two of day,
// "/", four of year, naming a real day of the years 0001 to 9999 (DaysInMonthOfYear: the
// Julian calendar's leap years before 1583). None for anything else, blanks included.
std::optional<CivilDate> ParseDateText(std::string_view text);

// The date text of a date: "11/09/2005".
std::string DateText(const CivilDate& date);

// The three numbers of a date written month/day/year with any number of digits in each
// field ("1/5/2026", "11/09/2005"), for the moon command, which leaves the checks of the
// day to the astronomy's calendar and its messages. False when the text is not three
// fields of digits. A field beyond 16 bits reads as 65535, which every calendar check
// rejects, so the calendar still names the field at fault.
bool ReadDateFields(std::string_view text, unsigned& month, unsigned& day, unsigned& year);

// A clock time "hh:mm" or, where seconds are taken, "hh:mm:ss": fields of digits, the
// hour below 24, minutes and seconds below 60. The seconds after midnight, or none.
std::optional<int> ReadClockTime(std::string_view text, bool secondsTaken);

// A clock time written exactly "HH:MM" (two digits each, 00:00 to 23:59), as the rule
// files write them: the minutes after midnight, or none.
std::optional<int> ReadClockMinutes(std::string_view text);
// "07:05" for minutes after midnight.
std::string ClockMinutesText(int minutes);

} // namespace dawnrule
