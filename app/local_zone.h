#pragma once

#include "app/local_day.h"

#include <string>
#include <string_view>

namespace dawnrule {

// What the main window shows of a place's own clock while "Local Zone" is checked.

// The offset-list entry that matches a place's clock on a date: its zone (IANA name),
// the zone's offset there (seconds east of UTC) and whether daylight time is in force.
// - America/Phoenix: "Arizona" (8);
// - the US standard entries for -5 to -8 hours without daylight time, the daylight
//   entries for -4 to -7 with it (0 to 3, 4 to 7);
// - "Alaska" (9) for -9 hours and "Hawaii" (10) for -10 hours without daylight time;
// - otherwise the GMT entry of a whole-hour offset from -12 to +11 (11 to 34), so
//   Alaska's daylight time is "GMT (-8:00)";
// - and -1, no entry, for any other offset (a zone's local mean time of old).
int LocalOffsetEntry(std::string_view zone, int offsetSeconds, bool daylight);

// The abbreviation beside the local times: the zone's at the rise, at the set when the
// day has no rise, at local noon when it has neither; both, "EST/EDT", when the rise
// and the set were in different clocks.
std::string ShownAbbreviation(const LocalDayResult& day);

// The date of a date field's text "mm/dd/yyyy" for ComputeLocalDay; false when the
// text is not such a date or IsLocalDayDate refuses it.
bool LocalDayDateOf(std::string_view dateText, LocalDayInput& in);

} // namespace dawnrule
