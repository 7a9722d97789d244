#pragma once

#include "app/zone_clock.h"
#include "astro/calendar.h"
#include "astro/holidays.h"
#include "locations/daylight_rules.h"

#include <cstdint>
#include <optional>

namespace dawnrule {

// The daylight window of one local date at one place, in UTC seconds since 1970:
// - offsets (and unknown, as 0/0): from the date's own sunrise (ComputeLocalDay, rounded
//   to the minute as its clock texts are) plus the roll minutes to the date's sunset plus
//   the park minutes; a date whose set comes before its rise (the short nights of the far
//   north) runs from the rise to the next set;
// - none: the whole local day, midnight to midnight;
// - a date with a set but no rise: from midnight to the set plus the park minutes
//   (noSunrise); with a rise but no set: from the rise plus the roll minutes to midnight
//   (noSunset); with neither (both flags): the whole day when the sun's altitude at 13:00
//   local says it stays up, no window when it stays down.
// A window whose offsets leave nothing (start after end) is closed.
struct TravelWindow {
    bool open = false;
    std::int64_t start = 0;
    std::int64_t end = 0;
    bool noSunrise = false;
    bool noSunset = false;
};

// Throws std::invalid_argument for a date that ComputeLocalDay does not take.
TravelWindow ComputeTravelWindow(const DaylightRule& rule, double longitude, double latitude,
                                 const CivilDate& date, const ZoneClock& zone);

// The date's own sunrise at a place, on the minute, as the window starts from it; none
// when the sun does not rise that date. Throws as ComputeTravelWindow.
std::optional<std::int64_t> SunriseOn(double longitude, double latitude, const CivilDate& date, const ZoneClock& zone);

// The UTC instant of a local clock time (seconds after the local midnight of the date).
std::int64_t LocalInstant(const ZoneClock& zone, const CivilDate& date, std::int64_t secondsOfDay);

// The date after.
CivilDate NextDate(const CivilDate& date);

} // namespace dawnrule
