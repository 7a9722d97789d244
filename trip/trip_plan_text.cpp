#include "trip/trip_plan_text.h"

#include "astro/date_text.h"
#include "common/number_text.h"

#include <csv.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

std::string Fixed(double value, int decimals)
{
    return FormatFixed(value, 1, decimals);
}

} // namespace

std::string DurationText(double hours)
{
    const long minutes = std::lround(hours * 60);
    char text[24];
    std::snprintf(text, sizeof text, "%ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

std::string StopClockText(const TripTime& t)
{
    return TripClockText(t.utc, t.localOffset) + " " + t.abbreviation;
}

namespace {

// The clock text of an instant on the row's date: "24:00" for the next midnight when
// asked, and in the aligned form "+1" / "-1" when it falls on another date.
std::string ClockOnDate(std::int64_t utc, int offset, const CivilDate& rowDate, bool dayMark, bool midnightAs24)
{
    const std::int64_t local = utc + offset;
    const std::int64_t shift = FloorDiv(local, kDaySeconds) - DaysSinceEpoch(rowDate);
    if (midnightAs24 && shift == 1 && local % kDaySeconds == 0)
        return "24:00";
    std::string text = TripClockText(utc, offset);
    if (dayMark && shift > 0)
        text += '+';
    if (dayMark && shift != 0)
        text += std::to_string(shift);
    return text;
}

std::string Local(const std::optional<TripTime>& t, const CivilDate& date, bool dayMark, bool midnightAs24 = false)
{
    return t ? ClockOnDate(t->utc, t->localOffset, date, dayMark, midnightAs24) : std::string();
}

std::string Home(const std::optional<TripTime>& t, const CivilDate& date, bool dayMark)
{
    return t ? ClockOnDate(t->utc, t->homeOffset, date, dayMark, false) : std::string();
}

// A field as RFC 4180 wants it: as it stands, or quoted by libcsv (its quotes doubled)
// where it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted(csv_write(nullptr, 0, text.data(), text.size()), '\0');
    csv_write(quoted.data(), quoted.size(), text.data(), text.size());
    return quoted;
}

std::string DayName(const CivilDate& date)
{
    return std::string(WeekdayShortName(WeekdayOf(date))) + " " + DateText(date);
}

} // namespace

std::vector<std::string> AlignedTable(const TextTable& table, const std::vector<bool>& right)
{
    std::vector<size_t> width(right.size(), 0);
    for (const auto& row : table) {
        for (size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    }
    std::vector<std::string> lines;
    for (const auto& row : table) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += "  ";
            const std::string pad(width[c] - row[c].size(), ' ');
            line += right[c] ? pad + row[c] : row[c] + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

// "Home CST/CDT": the home columns' heading names the home clock.
std::string HomeHeading(const TripPlan& plan)
{
    return plan.homeShort.empty() ? "Home" : "Home " + plan.homeShort;
}

std::string WithZone(const std::optional<TripTime>& t, const CivilDate& date)
{
    return t ? Local(t, date, true) + " " + t->abbreviation : std::string();
}

} // namespace

std::string TripClockText(std::int64_t utc, int offsetSeconds)
{
    const std::int64_t minutes = FloorDiv(utc + offsetSeconds, 60);
    const std::int64_t ofDay = minutes - FloorDiv(minutes, 24 * 60) * 24 * 60;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(ofDay / 60), static_cast<int>(ofDay % 60));
    return text;
}

std::vector<std::string> TripPlanCsvLines(const TripPlan& plan)
{
    std::vector<std::string> lines{std::string(kTripCsvHeader)};
    for (const TripStopRow& r : plan.rows) {
        const std::string fields[] = {
            std::to_string(r.day),     DateText(r.date),          r.stop,
            r.state,                   Fixed(r.miles, 1),         Local(r.arrive, r.date, false),
            Local(r.depart, r.date, false), r.zone,               Home(r.arrive, r.date, false),
            Home(r.depart, r.date, false),  Local(r.rollFrom, r.date, false), Local(r.parkBy, r.date, false, true),
            r.rule,                    TripFlagsText(r.flags),
        };
        std::string line = CsvField(fields[0]);
        for (size_t i = 1; i < std::size(fields); ++i)
            line += ',' + CsvField(fields[i]);
        lines.push_back(std::move(line));
    }
    return lines;
}

TripPlanHeading TripPlanHeadingOf(const TripPlan& plan)
{
    const TripOptions& o = plan.options;
    TripPlanHeading h;
    h.what = "Daylight trip plan: " + plan.from + " to " + plan.to + " by " + plan.by + ", departing " +
             DayName(o.departDate);
    h.pace = FloatToStr(o.mph) + " mph; duty periods of ";
    h.pace += o.drivingHours > 0 ? FloatToStr(o.drivingHours) + " hours' driving" : "any hours' driving";
    h.pace += o.dutyHours > 0 ? " within " + FloatToStr(o.dutyHours) + " hours" : " without a limit of duty hours";
    h.pace += ", " + FloatToStr(o.offHours) + " hours' rest between";
    if (o.breaks)
        h.pace += ", a 30-minute break before 8 hours' driving";
    if (o.widthFeet)
        h.pace += "; a load " + FloatToStr(*o.widthFeet) + " ft wide";
    h.pace += "; " + plan.milesFrom + ", " + Fixed(plan.totalMiles, 1) + " road miles";
    if (o.restSundaysAndHolidays)
        h.pace += "; no rolling on Sundays and holidays";
    h.clocks = plan.homeCaption + "; local: each stop's zone";
    h.rules = "Daylight hours and calendars from Daylight.txt, curfews from Curfews.txt: the permit governs.";
    return h;
}

std::vector<std::string> TripPlanHeaderLines(const TripPlan& plan)
{
    TripPlanHeading h = TripPlanHeadingOf(plan);
    return {std::move(h.what), std::move(h.pace), std::move(h.clocks), std::move(h.rules)};
}

TextTable TripPlanSummaryTable(const TripPlan& plan)
{
    const std::string home = HomeHeading(plan);
    TextTable summary = {{"Day", "Date", "Rolls from", "Local", home, "Parks at", "Local", home, "Miles", "Driving",
                          "On duty", "Flags"}};
    for (const TripDay& d : plan.days) {
        if (!d.roll) {
            summary.push_back({std::to_string(d.day), DayName(d.date), "stands at " + d.standsAt, "", "", "", "",
                               "", "", "", "", TripFlagsText(d.flags, " ")});
            continue;
        }
        const std::optional<TripTime> roll = d.roll->time, park = d.park->time;
        summary.push_back({std::to_string(d.day), DayName(d.date), d.roll->stop, WithZone(roll, d.date),
                           Home(roll, d.date, true), d.park->stop, WithZone(park, d.date), Home(park, d.date, true),
                           Fixed(d.miles, 1), DurationText(d.drivingHours), DurationText(d.dutyHours),
                           TripFlagsText(d.flags, " ")});
    }
    return summary;
}

TextTable TripPlanStopTable(const TripPlan& plan)
{
    const std::string home = HomeHeading(plan);
    TextTable stops = {{"Day", "Date", "Stop", "St", "Miles", "Arrive", home, "Depart", home, "Roll from", "Park by",
                        "Rule", "Flags", "Notes"}};
    for (const TripStopRow& r : plan.rows) {
        std::string notes;
        for (const std::string& n : r.notes)
            notes += (notes.empty() ? "" : "; ") + n;
        stops.push_back({std::to_string(r.day), DateText(r.date), r.stop, r.state, Fixed(r.miles, 1),
                         WithZone(r.arrive, r.date), Home(r.arrive, r.date, true), WithZone(r.depart, r.date),
                         Home(r.depart, r.date, true), Local(r.rollFrom, r.date, true),
                         Local(r.parkBy, r.date, true, true), r.rule, TripFlagsText(r.flags, " "), notes});
    }
    return stops;
}

const std::vector<bool> kTripSummaryRightColumns = {true,  false, false, false, false, false,
                                                    false, false, true,  true,  true,  false};
const std::vector<bool> kTripStopRightColumns = {true,  false, false, false, true,  false, false,
                                                 false, false, false, false, false, false, false};

std::vector<std::string> TripPlanStopLines(const TripPlan& plan)
{
    // The stops without their notes column: a row's notes follow it on lines of their
    // own, so the table keeps to a page's width.
    TextTable stops = TripPlanStopTable(plan);
    for (auto& row : stops)
        row.pop_back();
    std::vector<bool> right = kTripStopRightColumns;
    right.pop_back();
    const std::vector<std::string> aligned = AlignedTable(stops, right);
    std::vector<std::string> lines;
    for (size_t i = 0; i < aligned.size(); ++i) {
        lines.push_back(aligned[i]);
        if (i == 0)
            continue;
        for (const std::string& note : plan.rows[i - 1].notes)
            lines.push_back("     note: " + note);
    }
    return lines;
}

std::vector<std::string> TripPlanBodyLines(const TripPlan& plan)
{
    std::vector<std::string> lines(1);
    for (std::string& line : AlignedTable(TripPlanSummaryTable(plan), kTripSummaryRightColumns))
        lines.push_back(std::move(line));
    lines.emplace_back();
    for (std::string& line : TripPlanStopLines(plan))
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> TripPlanTextLines(const TripPlan& plan)
{
    std::vector<std::string> lines = TripPlanHeaderLines(plan);
    for (std::string& line : TripPlanBodyLines(plan))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace dawnrule
