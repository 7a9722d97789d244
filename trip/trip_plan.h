#pragma once

#include "app/zone_clock.h"
#include "astro/holidays.h"
#include "locations/daylight_rules.h"
#include "trip/home_clock.h"
#include "trip/travel_window.h"
#include "trip/trip_path.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The daylight trip plan: when an oversize load can roll and where it must park, day by
// day, in each stop's local clock and in the driver's home clock. No windows; the
// command line's `plan` prints it (trip/trip_plan_text.h) and a window may show it.
//
// The load moves stop to stop along a TripPath. A leg takes its road
// miles at the average speed. At each stop the day's window is the stop's daylight under
// its state's rule (ComputeTravelWindow). The load leaves a stop no earlier than the
// window start there, arrives at the next stop within that stop's window, and drives no
// more than the day's hours; when the next stop cannot be reached so, it parks where it
// is and leaves at the next window start with a fresh day. It never parks while the next
// stop can be reached within both limits. A leg that does not fit even from a window
// start with a fresh day is driven from the window start anyway and marked long-leg.
// With rest days on, the load does not roll on a Sunday or holiday at the stop.

enum TripFlag : unsigned {
    kTripStart = 1u << 0,
    kTripPark = 1u << 1,
    kTripEnd = 1u << 2,
    kTripWeekend = 1u << 3,
    kTripHoliday = 1u << 4,
    kTripEveOfHoliday = 1u << 5,
    kTripCheckPermit = 1u << 6,
    kTripLongLeg = 1u << 7,
    kTripNoSunrise = 1u << 8,
    kTripNoSunset = 1u << 9,
};

// "start;park;weekend": the flags' names in the order above, joined by the separator.
std::string TripFlagsText(unsigned flags, std::string_view separator = ";");

// An instant with what both clocks say of it.
struct TripTime {
    std::int64_t utc = 0;
    int localOffset = 0;       // the stop's zone, seconds east of UTC
    std::string abbreviation;  // the stop's zone: "CST", "MDT"
    int homeOffset = 0;        // the home clock
};

// One stop on one local date. A stop the load passes has one row; where it parks, a row
// for every date it stands there, the first with the arrival, the last with the
// departure.
struct TripStopRow {
    int day = 0;  // 1 on the departure date at From
    CivilDate date;
    std::string stop;
    std::string state;
    double latitude = 0, longitude = 0;  // the stop's
    double miles = 0;  // road miles from From
    std::optional<TripTime> arrive;
    std::optional<TripTime> depart;
    std::string zone;  // abbreviation at the arrival, else the departure, else local noon
    std::optional<TripTime> rollFrom;  // the date's window at the stop; none when it has none
    std::optional<TripTime> parkBy;
    std::string rule;  // DaylightRuleText of the stop's state
    unsigned flags = 0;
};

struct TripPoint {
    std::string stop;
    TripTime time;
};

// One day of the trip: the load rolls and parks (roll and park set), or stands all day
// at one stop (neither set: standsAt). Flags: those of the day's rows, but park.
struct TripDay {
    int day = 0;
    CivilDate date;  // of the roll, at the stop it rolls from
    std::optional<TripPoint> roll;
    std::optional<TripPoint> park;
    std::string standsAt;
    double miles = 0;
    double drivingHours = 0;
    unsigned flags = 0;
};

// How the load is driven.
struct TripOptions {
    CivilDate departDate;  // local date at From
    // Minutes after midnight at From; none: the first legal minute, the start of the first
    // window of the date (or of a later one, when the date has none or is a rest day).
    std::optional<int> departMinute;
    double mph = 50;
    double hoursPerDay = 11;  // 0: no limit
    bool restSundaysAndHolidays = false;
    // A stop that offers no window to roll in for this many days in a row is an error.
    int maxWaitDays = 366;
};

// The states' rules the load keeps.
struct TripRules {
    DaylightRules daylight;
};

// The clocks: every stop's zone (FindPlaceClock over the database) and the home clock.
struct TripClocks {
    ZoneDatabase* zones = nullptr;
    const HomeClock* home = nullptr;
};

struct TripPlan {
    std::string from, to;
    std::string by;         // the path's: "I-35, I-40"
    std::string milesFrom;  // the path's: "road factor 1.1"
    TripOptions options;
    std::string homeCaption;
    double totalMiles = 0;
    std::vector<TripStopRow> rows;  // in driving order
    std::vector<TripDay> days;      // by day
};

// Throws TripPlanError for what the data make impossible (a stop with no zone or a zone
// the database does not know, a stop without a window to roll in for maxWaitDays, a
// date the local day does not take) and std::invalid_argument for inputs a caller must
// not pass (a path of fewer than two stops, a speed that is not positive, a missing clock).
TripPlan PlanTrip(const TripPath& path, const TripOptions& options, const TripRules& rules, const TripClocks& clocks);

} // namespace dawnrule
