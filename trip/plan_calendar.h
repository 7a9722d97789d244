#pragma once

#include "trip/trip_plan.h"

#include <cstdint>
#include <string>

namespace dawnrule {

// The plan as an iCalendar file (RFC 5545) for the driver's phone or desktop calendar:
// one event for each day of the plan that rolls and parks, from the roll to the park
// in UTC, its summary the day and its two stops, its location the two stops, its
// description each stop of the day's drive with its arrival and departure in the
// stop's clock and the day's flags. The events' UIDs follow from the plan (its stops,
// way and departure) and the day, so a calendar that imports a plan made again updates
// its events rather than doubling them. Written by libical, which folds the lines at
// 75 octets and ends them with CR LF.

// `stampUtc` is the DTSTAMP of every event: when the file is made.
std::string TripPlanIcs(const TripPlan& plan, std::int64_t stampUtc);

// Written atomically by WriteTextLines; FileError "Cannot create file <path>" when not.
void WriteTripPlanIcs(const std::string& path, const TripPlan& plan, std::int64_t stampUtc);

} // namespace dawnrule
