#pragma once

#include "app/zone_clock.h"
#include "astro/holidays.h"
#include "locations/daylight_rules.h"
#include "trip/curfews.h"
#include "trip/home_clock.h"
#include "trip/travel_window.h"
#include "trip/trip_path.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The daylight trip plan: when an oversize load can roll and where it must park, duty
// period by duty period, in each stop's local clock and in the driver's home clock. No
// windows; the command line's `plan` prints it (trip/trip_plan_text.h) and the Trip Plan
// window shows it.
//
// The load moves stop to stop along a TripPath, each leg its road miles at the average
// speed. It may move at a stop at an instant when the stop's state's daylight window of
// the local date holds it, the state's calendar does not close it (weekend days,
// restricted holidays) and no curfew around the stop does (StopHours). It leaves each
// stop at the first instant at which it may move there and may arrive at the next stop,
// and only when the leg's drive lies within the open hours of its two ends, one running
// into the other.
//
// Driving comes in duty periods, as the federal hours of service have it: a period
// starts at the first departure after a rest (the first from From for the first);
// within it the driving adds up to at most drivingHours and its last arrival comes at
// most dutyHours after its first departure. When the load cannot go on now but can later
// within the period, it waits at the stop (the wait counts toward the duty hours); a
// stand that does not fit the period, or lasts offHours or more, is a rest, of offHours
// at least. It never rests while the next stop can be reached within every limit. With
// breaks on, it stands 30 minutes before the driving since its last stand of 30 minutes
// or more passes 8 hours. A leg that no period can hold fails the plan.

enum TripFlag : unsigned {
    kTripStart = 1u << 0,
    kTripPark = 1u << 1,      // a rest begins at this arrival
    kTripEnd = 1u << 2,
    kTripWeekend = 1u << 3,
    kTripHoliday = 1u << 4,   // the six holidays, observed
    kTripEveOfHoliday = 1u << 5,
    kTripCheckPermit = 1u << 6,
    kTripNoSunrise = 1u << 7,
    kTripNoSunset = 1u << 8,
    kTripWait = 1u << 9,      // stood within a duty period
    kTripBreak = 1u << 10,    // the 30-minute break
    kTripCalendar = 1u << 11, // a state's calendar stopped or held the load here
    kTripCurfew = 1u << 12,   // a curfew did
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

// One stop on one local date. A stop the load passes has one row; where it stands, a row
// for every date it stands there, the first with the arrival, the last with the
// departure.
struct TripStopRow {
    // The duty period's number, from 1: that of the departure; an arrival row (and the
    // rows of a rest after it), that of the period that drove there; From's rows before
    // the first departure, 1.
    int day = 0;
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
    std::vector<std::string> notes;  // what held the load here: "NY: no Saturday", "curfew: ..."
};

struct TripPoint {
    std::string stop;
    TripTime time;
};

// One duty period, from its first departure (roll) to its last arrival (park), or a
// date on which the load stands all day at one stop during a rest (neither set:
// standsAt, and the number of the period that drove there). Flags: those of the rows
// between, but park.
struct TripDay {
    int day = 0;
    CivilDate date;  // of the roll, at the stop it rolls from; of the stand
    std::optional<TripPoint> roll;
    std::optional<TripPoint> park;
    std::string standsAt;
    double miles = 0;
    double drivingHours = 0;
    double dutyHours = 0;  // from the roll to the park
    unsigned flags = 0;
};

// What the load does from one instant to another, for the plan at a glance.
struct TripActivity {
    enum class Kind { kDrive, kWait, kBreak, kRest, kBeforeStart };
    Kind kind = Kind::kDrive;
    int day = 0;  // the duty period it belongs to (a rest: the one before it)
    std::int64_t start = 0, end = 0;
    size_t fromRow = 0, toRow = 0;  // rows of the stops it runs between (a stand: the same stop's)
};

// A closure that held the load at a stop (or kept it from arriving at the next).
struct TripHold {
    int day = 0;
    std::int64_t start = 0, end = 0;  // where the closure and the stand overlap
    unsigned flag = kTripCalendar;    // or kTripCurfew
    std::string note;
};

// How the load is driven.
struct TripOptions {
    CivilDate departDate;  // local date at From
    // Minutes after midnight at From; none: the first legal minute, the start of the first
    // window of the date (or of a later one, when the date has none or is a rest day).
    std::optional<int> departMinute;
    double mph = 50;
    double drivingHours = 11;  // of driving in a duty period; 0: no limit
    double dutyHours = 14;     // from a period's first departure to its last arrival; 0: no limit
    double offHours = 10;      // the least rest between two periods
    bool breaks = false;       // 30 minutes off duty before 8 hours of driving
    std::optional<double> widthFeet;  // the load's; none: every curfew holds it
    bool restSundaysAndHolidays = false;
    // A stop that offers no window to roll in for this many days in a row is an error.
    int maxWaitDays = 366;
};

// The states' rules the load keeps.
struct TripRules {
    DaylightRules daylight;      // with each state's calendar
    std::vector<Curfew> curfews;
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
    std::string homeShort;  // the home clock in column headings: "CST/CDT"
    double totalMiles = 0;
    std::vector<TripStopRow> rows;            // in driving order
    std::vector<TripDay> days;                // by period, the stands after their period
    std::vector<TripActivity> activities;     // in time order
    std::vector<TripHold> holds;              // in time order
};

// Throws TripPlanError for what the data make impossible (a stop with no zone or a zone
// the database does not know, a stop without a window to roll in for maxWaitDays, a leg
// that no duty period can hold, a date the local day does not take) and
// std::invalid_argument for inputs a caller must not pass (a path of fewer than two
// stops, a speed that is not positive, a missing clock).
TripPlan PlanTrip(const TripPath& path, const TripOptions& options, const TripRules& rules, const TripClocks& clocks);

} // namespace dawnrule
