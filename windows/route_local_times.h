#pragma once

#include "app/zone_clock.h"
#include "windows/route_report.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dawnrule {

// The Routes report's local columns ("Local times" in the Routes window, --local of
// dawnrule-cli route): after a stop's two home texts (the main window's clock, the
// driver's home time) the stop's own local rise and set, midnight to midnight of the
// date in the clock of its zone (ComputeLocalDay), and the zone's abbreviation:
//
//   label + "  " + home rise + "  " + home set + "  " + local rise + "  " + local set + "  " + abbreviation
//
// Every time text is right-aligned to kRouteTimeWidth characters, so the columns line
// up in the report's fixed-pitch font whatever the time form. A day without a rise or
// a set shows kRouteNoEvent in its place and the message after the abbreviation ("No
// sunrise this date"). A stop with no zone shows kRouteNoZone instead of the three
// local columns; a date before the local day's first one, kRouteNoLocalDay.

inline constexpr std::size_t kRouteTimeWidth = 6;          // "12:07A", "0007", "Rise"
inline constexpr std::size_t kRouteAbbreviationWidth = 7;  // "EST/EDT", before a message
inline constexpr std::string_view kRouteNoEvent = "--";
inline constexpr std::string_view kRouteNoZone = "no zone";
inline constexpr std::string_view kRouteNoLocalDay = "no local day before 01/02/1583";

// One stop's own clock.
struct RouteLocalTimes {
    std::string rise;          // empty when the day has none
    std::string set;
    std::string abbreviation;  // ShownAbbreviation
    std::string message;       // empty when the day has both events
    std::string marker;        // kRouteNoZone or kRouteNoLocalDay when there is no local day
};

// The local days of one report: one date, one time form, the zones of a zone database.
class RouteLocalClock {
public:
    // dateText: the main window's date field, "mm/dd/yyyy" (what --date holds);
    // military: "Display Military Time". The database must outlive this object.
    RouteLocalClock(ZoneDatabase& zones, std::string_view dateText, bool military);

    // The stop's local day, at its coordinates as the main window's fields hold them
    // (two decimals): the zone of FindPlaceZone, none beyond its reach (also for a zero
    // coordinate) or when the database does not know the zone.
    RouteLocalTimes StopTimes(double latitude, double longitude);

    // The stop line as above.
    std::string StopLine(const std::string& label, const RouteRiseSet& home, double latitude, double longitude);

    // This clock as BuildRouteReport's stopLine; the clock must outlive the report.
    void UseFor(RouteReportOperations& operations);

private:
    ZoneDatabase& m_zones;
    bool m_dateKnown = false;
    int m_year = 0, m_month = 0, m_day = 0;
    bool m_military = false;
    // The zone asked for last: stops follow each other along a route, mostly in one zone.
    std::string_view m_lastZone;
    const ZoneClock* m_lastClock = nullptr;
};

// The stop line of the report with local columns.
std::string RouteLocalStopLine(const std::string& label, const RouteRiseSet& home, const RouteLocalTimes& local);

// What the printed pages of such a report say of its clocks, after the date:
// "home: GMT -5.0   local: each stop's zone" (the main window's GMT offset).
std::string RouteClocksCaption(double homeOffset);

} // namespace dawnrule
