#pragma once

#include "app/fixed_offset_clock.h"
#include "app/zone_clock.h"
#include "windows/route_report.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dawnrule {

// The Routes report's local columns ("Local times" in the Routes window, --local of
// dawnrule-cli route). Each stop line holds the date's own rise and set at the stop
// (midnight to midnight of the date in the stop's own zone, ComputeLocalDay) twice:
// first in the home clock (the main window's GMT offset, the driver's home-terminal
// time), then in the stop's clock with the zone's abbreviation:
//
//   label + "  " + home rise + "  " + home set + "  " + local rise + "  " + local set + "  " + abbreviation
//
// Each time is right-aligned under its column heading (kRouteLocalHeadings), so the
// columns line up in the report's fixed-pitch font whatever the time form. A day
// without a rise or a set shows kRouteNoEvent in its place and the message after the
// abbreviation ("No sunrise this date"). A set that ends the evening before carries
// kEveningBeforeMark in both clocks; a home time that falls on the day after the date
// (a home clock ahead of the stop's, a set late in the evening) carries
// kRouteNextDayMark.
//
// A stop with no zone shows the date's own events in the home clock, leaves the two
// local columns empty and shows kRouteNoZone under "Zone", then the day's message if
// it has one. A date before the local day's first one keeps the home texts of Calc and
// shows kRouteNoLocalDay under "Zone"; a stop at a zero coordinate, which Calc does not
// compute, keeps them too and shows kRouteNoZone.

// The headings of the columns after the label, as the printed pages show them; each
// time is right-aligned to the end of its heading.
inline constexpr std::string_view kRouteLocalHeadings = "Home rise  Home set  Local rise  Local set  Zone";
inline constexpr std::string_view kRouteHeadings = "Rise  Set";
inline constexpr std::size_t kRouteHomeRiseWidth = 9;    // "Home rise"
inline constexpr std::size_t kRouteHomeSetWidth = 8;     // "Home set"
inline constexpr std::size_t kRouteLocalRiseWidth = 10;  // "Local rise"
inline constexpr std::size_t kRouteLocalSetWidth = 9;    // "Local set"
inline constexpr std::size_t kRouteAbbreviationWidth = 7;  // "EST/EDT", before a message
inline constexpr std::string_view kRouteNoEvent = "--";
// After a home time on the day after the report's date: "2:43A+".
inline constexpr std::string_view kRouteNextDayMark = "+";
inline constexpr std::string_view kRouteNoZone = "no zone";
inline constexpr std::string_view kRouteNoLocalDay = "no local day before 01/02/1583";

// One stop's two clocks.
struct RouteLocalTimes {
    std::string homeRise;      // in the home clock (kRouteNextDayMark on the day after the date);
    std::string homeSet;       // empty when the day has none
    std::string rise;          // in the stop's clock; empty when the day has none
    std::string set;
    std::string abbreviation;  // ShownAbbreviation
    std::string message;       // the day's; empty when it has both events or was not computed
    std::string marker;        // kRouteNoZone or kRouteNoLocalDay when the stop has no local day
    bool homeFromCalc = false; // the home texts are Calc's (no local day was computed)
};

// The local days of one report: one date, one home clock, one time form, the zones of a
// zone database.
class RouteLocalClock {
public:
    // dateText: the main window's date field, "mm/dd/yyyy" (what --date holds);
    // homeOffset: the main window's GMT offset in hours; military: "Display Military
    // Time". The database must outlive this object.
    RouteLocalClock(ZoneDatabase& zones, std::string_view dateText, double homeOffset, bool military);

    // The stop's day, at its coordinates as the main window's fields hold them (two
    // decimals): the zone of FindPlaceClock, none beyond its reach or when the database
    // does not know the zone. `calc` is what Calc gave for the stop, kept where no
    // local day is computed.
    RouteLocalTimes StopTimes(double latitude, double longitude, const RouteRiseSet& calc);

    // The stop line as above.
    std::string StopLine(const std::string& label, const RouteRiseSet& calc, double latitude, double longitude);

    // This clock as BuildRouteReport's stopLine; the clock must outlive the report.
    void UseFor(RouteReportOperations& operations);

    // A stop's set so far was marked as the end of the evening before (kEveningBeforeMark).
    bool MarkedEveningBefore() const { return m_markedEveningBefore; }
    // A stop's home time so far fell on the day after the date (kRouteNextDayMark).
    bool MarkedNextDay() const { return m_markedNextDay; }

private:
    ZoneDatabase& m_zones;
    bool m_dateKnown = false;
    int m_year = 0, m_month = 0, m_day = 0;
    std::int64_t m_dateDays = 0;  // the date as days since 1970-01-01
    int m_homeOffsetSeconds = 0;
    bool m_military = false;
    FixedOffsetClock m_homeClock;
    // The zone asked for last: stops follow each other along a route, mostly in one zone.
    bool m_markedEveningBefore = false;
    bool m_markedNextDay = false;
};

// The stop line of the report with local columns.
std::string RouteLocalStopLine(const std::string& label, const RouteLocalTimes& times);

// The column headings line of a report, to print under the page heading: blanks as
// wide as the stop labels and the two blanks after them, then the headings. Without
// local times "Rise" stands over the first stop's rise and "Set" over its set
// (`firstStop`: the texts of the report's first stop).
std::string RouteColumnHeadings(std::size_t labelWidth, bool localTimes, const RouteRiseSet& firstStop = {});

// A GMT offset in hours as the pages name a clock without an offset-list entry:
// "GMT +0:00", "GMT -6:00", "GMT +5:30".
std::string GmtOffsetText(double hours);

} // namespace dawnrule
