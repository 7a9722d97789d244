#include "trip/trip_plan.h"

#include "astro/date_text.h"
#include "common/number_text.h"
#include "locations/place_clock.h"
#include "trip/stop_hours.h"
#include "trip/trip_plan_text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kBreakSeconds = 30 * 60;
constexpr std::int64_t kDrivingBeforeBreak = 8 * 3600;

constexpr std::string_view kFlagNames[] = {"start",        "park",       "end",       "weekend", "holiday",
                                           "eve-of-holiday", "check-permit", "no-sunrise", "no-sunset", "wait",
                                           "break",        "calendar",   "curfew"};

std::int64_t Seconds(double hours)
{
    return static_cast<std::int64_t>(std::llround(hours * 3600));
}

struct Visit {
    std::optional<std::int64_t> arrive;
    std::optional<std::int64_t> depart;
    int arrivePeriod = 0;
    int departPeriod = 0;
    bool parked = false;    // a rest began here
    unsigned flags = 0;     // wait, break, calendar, curfew
    std::vector<std::string> notes;
};

struct Period {
    size_t rollStop = 0;
    std::int64_t rollTime = 0;
    size_t parkStop = 0;
    std::int64_t parkTime = 0;
    double miles = 0;
    std::int64_t driving = 0;
};

class Planner {
public:
    Planner(const TripPath& path, const TripOptions& options, const TripRules& rules, const TripClocks& clocks)
        : m_path(path)
        , m_in(options)
        , m_rules(rules)
        , m_clocks(clocks)
    {
    }

    TripPlan Run();

private:
    void ResolveStops();
    void CheckLeg(size_t k, std::int64_t leg) const;
    std::optional<std::int64_t> Earliest(size_t k, std::int64_t leg, std::int64_t from, unsigned closures);
    std::int64_t EarliestOrFail(size_t k, std::int64_t leg, std::int64_t from);
    void Attribute(size_t k, std::int64_t leg, std::int64_t base, std::int64_t standStart, std::int64_t leave,
                   int period);
    void Drive();
    TripTime Time(size_t k, std::int64_t utc) const;
    // "the leg from 'A' to 'B' takes 12:43 of driving at 3 mph", for the errors of a leg.
    std::string LegTakes(size_t k, std::int64_t leg) const;
    void BuildRows(TripPlan& plan);
    void BuildDays(TripPlan& plan);
    const DayMarks& Marks(int day);

    const TripPath& m_path;
    const TripOptions& m_in;
    const TripRules& m_rules;
    const TripClocks& m_clocks;
    HolidayDates m_holidays;
    std::vector<StopHours> m_hours;
    std::vector<Visit> m_visits;
    std::vector<Period> m_periods;
    std::vector<TripActivity> m_activities;  // rows filled in by BuildRows
    std::vector<size_t> m_activityStop;      // the stop each activity starts at
    std::vector<TripHold> m_holds;
    std::vector<size_t> m_firstRow, m_lastRow;  // each stop's rows in the plan
    std::int64_t m_requested = 0;               // the departure asked for
    std::unordered_map<int, DayMarks> m_marks;  // of each date the rows meet
};

const DayMarks& Planner::Marks(int day)
{
    auto found = m_marks.find(day);
    if (found == m_marks.end())
        found = m_marks.emplace(day, MarksOf(DateOfDays(day))).first;
    return found->second;
}

void Planner::ResolveStops()
{
    // The curfews that hold the load, by state.
    std::map<std::string, std::vector<const Curfew*>, std::less<>> byState;
    for (const Curfew& c : m_rules.curfews) {
        if (c.HoldsWidth(m_in.widthFeet))
            byState[c.state].push_back(&c);
    }
    m_hours.reserve(m_path.stops.size());
    for (const TripStop& stop : m_path.stops) {
        const PlaceClock place = FindPlaceClock(*m_clocks.zones, stop.longitude, stop.latitude);
        if (!place)
            throw TripPlanError(place.Missing("'" + stop.name + "'"));
        std::vector<const Curfew*> curfews;
        if (const auto found = byState.find(stop.state); found != byState.end()) {
            for (const Curfew* c : found->second) {
                if (c->Holds(stop.state, stop.latitude, stop.longitude))
                    curfews.push_back(c);
            }
        }
        m_hours.emplace_back(stop, *place.clock, m_rules.daylight.ForState(stop.state), std::move(curfews),
                             m_in.restSundaysAndHolidays, m_holidays);
    }
}

std::string Planner::LegTakes(size_t k, std::int64_t leg) const
{
    return "the leg from '" + m_path.stops[k].name + "' to '" + m_path.stops[k + 1].name + "' takes " +
           DurationText(static_cast<double>(leg) / 3600) + " of driving at " + FloatToStr(m_in.mph) + " mph";
}

// A leg longer than a duty period may drive cannot be driven at all.
void Planner::CheckLeg(size_t k, std::int64_t leg) const
{
    const auto fail = [&](const std::string& limit) { throw TripPlanError(LegTakes(k, leg) + ", more than " + limit); };
    if (m_in.drivingHours > 0 && leg > Seconds(m_in.drivingHours))
        fail("the " + FloatToStr(m_in.drivingHours) + " driving hours of a duty period");
    if (m_in.dutyHours > 0 && leg > Seconds(m_in.dutyHours))
        fail("the " + FloatToStr(m_in.dutyHours) + " hours of a duty period");
    if (m_in.breaks && leg > kDrivingBeforeBreak)
        fail("the 8 hours of driving allowed between breaks");
}

// The first instant from `from` at which the load may leave stop k and may arrive at k+1
// a leg later, the drive lying within the open hours of its two ends; none within
// maxWaitDays.
std::optional<std::int64_t> Planner::Earliest(size_t k, std::int64_t leg, std::int64_t from, unsigned closures)
{
    StopHours& here = m_hours[k];
    StopHours& there = m_hours[k + 1];
    const std::int64_t limit = from + std::int64_t{m_in.maxWaitDays} * kDaySeconds;
    const int lastHere = here.LocalDay(limit);
    const int lastThere = there.LocalDay(limit + leg);
    std::int64_t leave = from;
    while (leave <= limit) {
        const std::optional<OpenSpan> open = here.OpenFrom(leave, lastHere, closures);
        if (!open)
            return std::nullopt;
        leave = std::max(leave, open->start);
        const std::int64_t arrive = leave + leg;
        const std::optional<OpenSpan> next = there.OpenFrom(arrive, lastThere, closures);
        if (!next)
            return std::nullopt;
        if (next->start > arrive)
            leave = next->start - leg;  // wait here rather than arrive before it opens there
        else if (next->start > open->end)
            leave = next->start;  // the drive would cross closed hours at both ends
        else
            return leave;
    }
    return std::nullopt;
}

std::int64_t Planner::EarliestOrFail(size_t k, std::int64_t leg, std::int64_t from)
{
    if (const std::optional<std::int64_t> leave = Earliest(k, leg, from, kAllClosures))
        return *leave;
    StopHours& here = m_hours[k];
    const std::string days = std::to_string(m_in.maxWaitDays) + " days from " + DateText(DateOfDays(here.LocalDay(from)));
    if (!here.OpenFrom(from, here.LocalDay(from) + m_in.maxWaitDays))
        throw TripPlanError("no daylight to roll in at '" + m_path.stops[k].name + "' for " + days);
    throw TripPlanError(LegTakes(k, leg) + ": no daylight at its two ends holds it for " + days);
}

// What kept the load standing at stop k from `standStart` to `leave`: a kind of closure
// held it when without it the load could have left earlier.
void Planner::Attribute(size_t k, std::int64_t leg, std::int64_t base, std::int64_t standStart, std::int64_t leave,
                        int period)
{
    Visit& v = m_visits[k];
    for (const auto& [kind, flag] : {std::pair{kClosedByCalendar, kTripCalendar}, std::pair{kClosedByCurfew, kTripCurfew}}) {
        const std::optional<std::int64_t> without = Earliest(k, leg, base, kAllClosures & ~kind);
        if (without && *without >= leave)
            continue;
        v.flags |= flag;
        const auto note = [&](const StopClosure& c, std::int64_t shift) {
            if (std::find(v.notes.begin(), v.notes.end(), c.note) == v.notes.end())
                v.notes.push_back(c.note);
            const std::int64_t start = std::max(c.start - shift, standStart), end = std::min(c.end - shift, leave);
            if (start < end)
                m_holds.push_back({period, start, end, static_cast<unsigned>(flag), c.note});
        };
        for (const StopClosure& c : m_hours[k].ClosuresBetween(standStart, leave, kind))
            note(c, 0);
        for (const StopClosure& c : m_hours[k + 1].ClosuresBetween(standStart + leg, leave + leg, kind))
            note(c, leg);
    }
}

void Planner::Drive()
{
    const std::int64_t drivingLimit = Seconds(m_in.drivingHours);
    const std::int64_t dutyLimit = Seconds(m_in.dutyHours);
    const std::int64_t off = Seconds(m_in.offHours);
    std::int64_t t = m_requested;
    int period = 0;
    std::int64_t periodStart = 0, driven = 0, sinceBreak = 0;

    m_visits.assign(m_hours.size(), {});
    for (size_t k = 0; k + 1 < m_hours.size(); ++k) {
        const double legMiles = m_path.stops[k + 1].miles - m_path.stops[k].miles;
        const std::int64_t leg = std::llround(legMiles / m_in.mph * 3600);
        CheckLeg(k, leg);
        Visit& v = m_visits[k];
        const bool needBreak = m_in.breaks && period > 0 && sinceBreak + leg > kDrivingBeforeBreak;
        std::int64_t base = t + (needBreak ? kBreakSeconds : 0);
        std::int64_t leave = EarliestOrFail(k, leg, base);
        TripActivity::Kind stand = TripActivity::Kind::kWait;
        int standPeriod = period;
        if (period == 0) {
            stand = TripActivity::Kind::kBeforeStart;
            standPeriod = period = 1;
            m_periods.push_back({k, leave});
            periodStart = leave;
        } else {
            const bool fits = (drivingLimit == 0 || driven + leg <= drivingLimit) &&
                              (dutyLimit == 0 || leave + leg - periodStart <= dutyLimit);
            if (!fits || leave - t >= off) {
                if (!fits) {
                    base = t + off;
                    leave = EarliestOrFail(k, leg, base);
                }
                stand = TripActivity::Kind::kRest;
                m_periods.back().parkStop = k;
                m_periods.back().parkTime = t;
                v.parked = true;
                m_periods.push_back({k, leave});
                ++period;
                periodStart = leave;
                driven = 0;
                sinceBreak = 0;
            } else if (leave > t) {
                stand = needBreak ? TripActivity::Kind::kBreak : TripActivity::Kind::kWait;
                v.flags |= needBreak ? kTripBreak : kTripWait;
            }
        }
        if (leave > t) {
            if (leave - t >= kBreakSeconds)
                sinceBreak = 0;
            m_activities.push_back({stand, standPeriod, t, leave});
            m_activityStop.push_back(k);
            Attribute(k, leg, base, t, leave, standPeriod);
        }
        v.depart = leave;
        v.departPeriod = period;
        m_activities.push_back({TripActivity::Kind::kDrive, period, leave, leave + leg});
        m_activityStop.push_back(k);
        t = leave + leg;
        driven += leg;
        sinceBreak += leg;
        m_periods.back().miles += legMiles;
        m_periods.back().driving += leg;
        m_visits[k + 1].arrive = t;
        m_visits[k + 1].arrivePeriod = period;
    }
    m_periods.back().parkStop = m_hours.size() - 1;
    m_periods.back().parkTime = t;
}

TripTime Planner::Time(size_t k, std::int64_t utc) const
{
    const ZoneClock& zone = m_hours[k].Clock();
    return {utc, zone.OffsetAt(utc), zone.AbbreviationAt(utc), m_clocks.home->Clock().OffsetAt(utc)};
}

void Planner::BuildRows(TripPlan& plan)
{
    plan.rows.reserve(m_hours.size() + m_periods.size());  // a stop a row, and the day after each rest
    m_firstRow.assign(m_hours.size(), 0);
    m_lastRow.assign(m_hours.size(), 0);
    for (size_t k = 0; k < m_hours.size(); ++k) {
        StopHours& hours = m_hours[k];
        const TripStop& stop = m_path.stops[k];
        const Visit& v = m_visits[k];
        const int firstDay = hours.LocalDay(k == 0 ? m_requested : *v.arrive);
        const int lastDay = std::max(firstDay, v.depart ? hours.LocalDay(*v.depart) : firstDay);
        m_firstRow[k] = plan.rows.size();
        for (int day = firstDay; day <= lastDay; ++day) {
            TripStopRow row;
            row.day = day == lastDay && v.depart ? v.departPeriod : std::max(v.arrivePeriod, 1);
            row.date = DateOfDays(day);
            row.stop = stop.name;
            row.state = stop.state;
            row.latitude = stop.latitude;
            row.longitude = stop.longitude;
            row.miles = stop.miles;
            row.rule = DaylightRuleText(hours.Rule());
            if (day == firstDay && v.arrive)
                row.arrive = Time(k, *v.arrive);
            if (day == lastDay && v.depart)
                row.depart = row.arrive && row.arrive->utc == *v.depart ? row.arrive : Time(k, *v.depart);
            row.zone = row.arrive   ? row.arrive->abbreviation
                       : row.depart ? row.depart->abbreviation
                                    : hours.Clock().AbbreviationAt(LocalInstant(hours.Clock(), row.date, kDaySeconds / 2));
            const TravelWindow& w = hours.Window(day);
            if (w.open) {
                row.rollFrom = Time(k, w.start);
                row.parkBy = Time(k, w.end);
            }
            const DayMarks& marks = Marks(day);
            row.flags = (k == 0 && day == firstDay ? kTripStart : 0u) | (v.parked && day == firstDay ? kTripPark : 0u) |
                        (k + 1 == m_hours.size() ? kTripEnd : 0u) | (marks.weekend ? kTripWeekend : 0u) |
                        (marks.holiday ? kTripHoliday : 0u) | (marks.eveOfHoliday ? kTripEveOfHoliday : 0u) |
                        (hours.CheckPermitOn(day) ? kTripCheckPermit : 0u) | (w.noSunrise ? kTripNoSunrise : 0u) |
                        (w.noSunset ? kTripNoSunset : 0u) | v.flags;
            if (day == firstDay)
                row.notes = v.notes;
            plan.rows.push_back(std::move(row));
        }
        m_lastRow[k] = plan.rows.size() - 1;
    }
    plan.activities = std::move(m_activities);
    for (size_t i = 0; i < plan.activities.size(); ++i) {
        TripActivity& a = plan.activities[i];
        const size_t k = m_activityStop[i];
        if (a.kind == TripActivity::Kind::kDrive) {
            a.fromRow = m_lastRow[k];
            a.toRow = m_firstRow[k + 1];
        } else {
            a.fromRow = m_firstRow[k];
            a.toRow = m_lastRow[k];
        }
    }
    plan.holds = std::move(m_holds);
    std::stable_sort(plan.holds.begin(), plan.holds.end(),
                     [](const TripHold& a, const TripHold& b) { return a.start < b.start; });
}

void Planner::BuildDays(TripPlan& plan)
{
    int number = 0;
    for (const Period& p : m_periods) {
        TripDay day;
        day.day = ++number;
        day.date = DateOfDays(m_hours[p.rollStop].LocalDay(p.rollTime));
        day.roll = TripPoint{m_path.stops[p.rollStop].name, Time(p.rollStop, p.rollTime)};
        day.park = TripPoint{m_path.stops[p.parkStop].name, Time(p.parkStop, p.parkTime)};
        day.miles = p.miles;
        day.drivingHours = static_cast<double>(p.driving) / 3600;
        day.dutyHours = static_cast<double>(p.parkTime - p.rollTime) / 3600;
        for (size_t r = m_lastRow[p.rollStop]; r <= m_firstRow[p.parkStop]; ++r)
            day.flags |= plan.rows[r].flags;
        day.flags &= ~static_cast<unsigned>(kTripPark);
        plan.days.push_back(std::move(day));
    }
    for (const TripStopRow& row : plan.rows) {
        if (row.arrive || row.depart)
            continue;
        TripDay day;
        day.day = row.day;
        day.date = row.date;
        day.standsAt = row.stop;
        day.flags = row.flags & ~static_cast<unsigned>(kTripPark);
        plan.days.push_back(std::move(day));
    }
    std::stable_sort(plan.days.begin(), plan.days.end(), [](const TripDay& a, const TripDay& b) {
        return a.day != b.day ? a.day < b.day : DaysSinceEpoch(a.date) < DaysSinceEpoch(b.date);
    });
}

TripPlan Planner::Run()
{
    if (!m_clocks.zones || !m_clocks.home)
        throw std::invalid_argument("PlanTrip needs the zone database and the home clock");
    if (m_path.stops.size() < 2)
        throw std::invalid_argument("PlanTrip needs a path of two stops or more");
    if (!(m_in.mph > 0) || !(m_in.drivingHours >= 0) || !(m_in.dutyHours >= 0) || !(m_in.offHours >= 0) ||
        m_in.maxWaitDays < 1)
        throw std::invalid_argument("PlanTrip needs a positive speed, and hours of 0 or more");
    ResolveStops();

    TripPlan plan;
    plan.from = m_path.stops.front().name;
    plan.to = m_path.stops.back().name;
    plan.by = m_path.by;
    plan.milesFrom = m_path.milesFrom;
    plan.options = m_in;
    plan.homeCaption = m_clocks.home->Caption();
    plan.homeShort = m_clocks.home->ShortName();
    plan.totalMiles = m_path.stops.back().miles;
    try {
        m_requested = LocalInstant(m_hours.front().Clock(), m_in.departDate,
                                   std::int64_t{m_in.departMinute.value_or(0)} * 60);
        Drive();
        BuildRows(plan);
    } catch (const std::invalid_argument& e) {  // a date the local day does not take
        throw TripPlanError(std::string("the trip runs past the dates the sun is computed for: ") + e.what());
    }
    BuildDays(plan);
    return plan;
}

} // namespace

std::string TripFlagsText(unsigned flags, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < std::size(kFlagNames); ++i) {
        if (!(flags & (1u << i)))
            continue;
        if (!text.empty())
            text += separator;
        text += kFlagNames[i];
    }
    return text;
}

TripPlan PlanTrip(const TripPath& path, const TripOptions& options, const TripRules& rules, const TripClocks& clocks)
{
    return Planner(path, options, rules, clocks).Run();
}

} // namespace dawnrule
