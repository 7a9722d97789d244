#pragma once

#include "trip/trip_plan.h"

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The trip plan as text: the aligned form for a terminal and a fixed-pitch printed page
// (a header, the day-by-day summary, then every stop), and CSV. Times are 24-hour HH:MM;
// in the aligned form a time on another date than its row's reads "+1" or "-1" after
// it (a home clock hours ahead of the stop's, a window that ends after midnight).

inline constexpr std::string_view kTripCsvHeader =
    "day,date,stop,state,miles,arrive_local,depart_local,zone,arrive_home,depart_home,roll_from_local,"
    "park_by_local,rule,flags";

// The header line and one line per stop row: dates mm/dd/yyyy, miles with one decimal,
// empty fields where a row has no such time, flags joined by ";", a field that holds a
// comma or a quote quoted as CSV requires. A window that ends at the next midnight
// reads 24:00.
std::vector<std::string> TripPlanCsvLines(const TripPlan& plan);

std::vector<std::string> TripPlanTextLines(const TripPlan& plan);

// The parts of the aligned form, for the window and the printed pages: the lines above
// the tables (what, when, the pace, the clocks, where the rules come from), and the
// day-by-day summary and the stops as cells, their headings first.
using TextTable = std::vector<std::vector<std::string>>;
struct TripPlanHeading {
    std::string what;    // "Daylight trip plan: Oklahoma City, OK to Flagstaff, AZ by I-40, departing Mon 12/21/2026"
    std::string pace;    // "50 mph, 11 driving hours a day, road factor 1.1, 600.0 road miles"
    std::string clocks;  // "home: Central, CST/CDT; local: each stop's zone"
    std::string rules;   // where the rules come from
};
TripPlanHeading TripPlanHeadingOf(const TripPlan& plan);
std::vector<std::string> TripPlanHeaderLines(const TripPlan& plan);  // the heading's four lines
// The lines below the heading in the aligned form: an empty line, the summary, an empty
// line, the stops (TripPlanStopLines).
std::vector<std::string> TripPlanBodyLines(const TripPlan& plan);
// The stops in the aligned form: the column headings, then a line a row, each row's
// notes (what held the load there) on lines of their own after it,
// "     note: NY: no Saturday".
std::vector<std::string> TripPlanStopLines(const TripPlan& plan);
TextTable TripPlanSummaryTable(const TripPlan& plan);
TextTable TripPlanStopTable(const TripPlan& plan);
// The columns of each table that are aligned to the right (numbers).
extern const std::vector<bool> kTripSummaryRightColumns;
extern const std::vector<bool> kTripStopRightColumns;

// A table as text: each column as wide as its widest cell, two blanks apart, `right`
// columns aligned to the right, trailing blanks cut.
std::vector<std::string> AlignedTable(const TextTable& table, const std::vector<bool>& right);

// "HH:MM" of an instant at an offset.
std::string TripClockText(std::int64_t utc, int offsetSeconds);
// "07:35 CST": an instant in its stop's clock, with the zone's abbreviation.
std::string StopClockText(const TripTime& t);
// "5:07": hours and minutes of a span of hours, to the nearest minute.
std::string DurationText(double hours);

} // namespace dawnrule
