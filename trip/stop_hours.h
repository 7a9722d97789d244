#pragma once

#include "app/zone_clock.h"
#include "locations/daylight_rules.h"
#include "trip/curfews.h"
#include "trip/travel_window.h"
#include "trip/trip_path.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dawnrule {

// When an oversize load may move at one stop: its state's daylight window of each local
// date (ComputeTravelWindow), less what the state's calendar closes (Saturdays, Sundays,
// its restricted holidays from the day before to the day after), what the curfews
// around the stop close, and, when the driver rests on them, Sundays and holidays.
// Instants are UTC seconds since 1970, spans half-open [start, end): a window that ends
// at a park-by minute holds that minute's first second.

enum StopClosureKind : unsigned {
    kClosedByCalendar = 1u << 0,
    kClosedByCurfew = 1u << 1,
    kClosedForRest = 1u << 2,
};
inline constexpr unsigned kAllClosures = kClosedByCalendar | kClosedByCurfew | kClosedForRest;

struct StopClosure {
    std::int64_t start = 0, end = 0;
    StopClosureKind kind = kClosedByCalendar;
    std::string note;  // "NY: no Saturday", "curfew: Oklahoma County Interstates (seat Oklahoma City)"
};

struct OpenSpan {
    std::int64_t start = 0, end = 0;
};

// The days of the restricted holidays of each year, computed once for a plan.
class HolidayDates {
public:
    struct Day {
        int day = 0;      // days since 1970
        int weekday = 0;  // 0 Sunday .. 6 Saturday
    };
    const std::array<Day, kStateHolidayCount>& Of(int year);

private:
    std::map<int, std::array<Day, kStateHolidayCount>> m_years;
};

class StopHours {
public:
    // `curfews`: those that hold the stop and the load's width; they and `holidays` must
    // outlive this.
    StopHours(const TripStop& stop, const ZoneClock& clock, const DaylightRule& rule,
              std::vector<const Curfew*> curfews, bool restSundaysAndHolidays, HolidayDates& holidays);

    const ZoneClock& Clock() const { return m_clock; }
    const DaylightRule& Rule() const { return m_rule; }
    // The local date of an instant, in days since 1970.
    int LocalDay(std::int64_t t) const;
    // The daylight window of a local date.
    const TravelWindow& Window(int day);

    // The span in which the load may move that holds `t` or is the first to open after
    // it, among the windows of the dates up to `lastDay`; none when there is none. Only
    // the closures of the given kinds are applied.
    std::optional<OpenSpan> OpenFrom(std::int64_t t, int lastDay, unsigned closures = kAllClosures);

    // The closures of the given kinds that overlap [from, to), each once, by start.
    std::vector<StopClosure> ClosuresBetween(std::int64_t from, std::int64_t to, unsigned kinds);

    // Whether a "?" of the state's calendar decided what the load may do on the local date
    // (a Saturday or Sunday not stated, a holiday rule not stated), or a curfew whose days
    // are not stated applies then, or the state's daylight rule is unknown.
    bool CheckPermitOn(int day);

private:
    struct Day {
        std::vector<StopClosure> closures;  // of every kind, overlapping the local date
        bool checkPermit = false;
    };
    const Day& DayAt(int day);
    void AddHolidayClosures(int day, Day& out);
    void AddWeekendClosure(int day, const WeekendDayRule& rule, const char* name, Day& out);
    void AddCurfewClosures(int day, Day& out);
    std::int64_t Midnight(int day) const;
    std::int64_t At(int day, int minute) const;

    const TripStop& m_stop;
    const ZoneClock& m_clock;
    const DaylightRule& m_rule;
    std::vector<const Curfew*> m_curfews;
    bool m_rest;
    HolidayDates& m_holidays;
    std::unordered_map<int, TravelWindow> m_windows;
    std::unordered_map<int, Day> m_days;
};

} // namespace dawnrule
