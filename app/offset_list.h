#pragma once

#include <array>
#include <chrono>
#include <string_view>

namespace dawnrule {

// One entry of the main window's offset list.
struct OffsetEntry {
    std::string_view text;  // exactly as shown, spaces included
    double offset;          // hours relative to GMT
};

// The main window's 35 offset-list entries. The first eight are the US zones whose
// standard/daylight choice the LED checks against the date.
extern const std::array<OffsetEntry, 35> kOffsetList;

// Entries 0 to 7: standard or daylight zone entries that the LED check applies to.
constexpr bool HasDaylightCheck(int index) { return index >= 0 && index <= 7; }

// An entry is a daylight entry when its text contains "DT".
bool IsDaylightEntry(std::string_view text);

// First and last day of US daylight time in the given year, by the rule in force
// that year: from 2007 the second Sunday of March to the first Sunday of November;
// before, the first Sunday of April to the last Sunday of October.
struct DaylightWindow {
    std::chrono::year_month_day start;
    std::chrono::year_month_day end;
};
DaylightWindow DaylightWindowOf(std::chrono::year year);

// True when the chosen entry does not fit the date: a standard entry inside the
// daylight window, or a daylight entry outside it. Always false for entries that
// carry no daylight check.
bool OffsetMismatch(int index, std::chrono::year_month_day date);

} // namespace dawnrule
