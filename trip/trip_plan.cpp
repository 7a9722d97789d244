#include "trip/trip_plan.h"

#include "app/local_day.h"
#include "app/zururuz.h"
#include "astro/date_text.h"
#include "common/number_text.h"
#include "locations/place_clock.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;
// No window of a date reaches further into the next date than this: the latest set
// (just after midnight in the far north) plus the largest park minutes.
constexpr std::int64_t kSpillSeconds = 4 * 3600;
constexpr int kNoDay = std::numeric_limits<int>::min();

constexpr std::string_view kFlagNames[] = {"start",        "park",     "end",       "weekend",    "holiday",
                                           "eve-of-holiday", "check-permit", "long-leg", "no-sunrise", "no-sunset"};

struct DatedWindow {
    int day = 0;  // days since 1970 of the local date whose window it is
    TravelWindow window;
};

struct PlanStop {
    const TripStop* where = nullptr;
    DaylightRule rule;
    const ZoneClock* clock = nullptr;
    std::vector<DatedWindow> windows;  // computed so far
};

struct Visit {
    std::optional<std::int64_t> arrive;
    std::optional<std::int64_t> depart;
    bool parked = false;     // a day of driving ended here
    bool longLegIn = false;  // the leg that ended here was a long leg
};

struct Shift {
    size_t rollStop = 0;
    std::int64_t rollTime = 0;
    int rollDay = 0;
    size_t parkStop = 0;
    std::int64_t parkTime = 0;
    double miles = 0;
    std::int64_t seconds = 0;
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
    TravelWindow Window(size_t k, int day);
    bool RestDay(int day);
    const DayMarks& Marks(int day);
    std::optional<DatedWindow> WindowFrom(size_t k, std::int64_t t, int minDay);
    DatedWindow WindowOrFail(size_t k, std::int64_t t, int minDay);
    std::optional<std::int64_t> Attempt(size_t k, const DatedWindow& w, std::int64_t earliest, std::int64_t used,
                                        std::int64_t leg);
    void Drive();
    void EndShift(size_t k, std::int64_t t);
    TripTime Time(size_t k, std::int64_t utc) const;
    int LocalDay(size_t k, std::int64_t t) const;
    void BuildRows(TripPlan& plan);
    void BuildDays(TripPlan& plan);

    const TripPath& m_path;
    const TripOptions& m_in;
    const TripRules& m_rules;
    const TripClocks& m_clocks;
    std::vector<PlanStop> m_stops;
    std::vector<Visit> m_visits;
    std::vector<Shift> m_shifts;
    std::vector<size_t> m_firstRow, m_lastRow;  // each stop's rows in the plan
    int m_departDay = 0;
    std::int64_t m_limit = 0;  // driving seconds a day, 0 for none
    std::vector<std::pair<int, DayMarks>> m_marks;
};

void Planner::ResolveStops()
{
    m_stops.resize(m_path.stops.size());
    for (size_t k = 0; k < m_path.stops.size(); ++k) {
        const TripStop& stop = m_path.stops[k];
        PlanStop& p = m_stops[k];
        p.where = &stop;
        p.rule = m_rules.daylight.ForState(stop.state);
        const PlaceClock place = FindPlaceClock(*m_clocks.zones, stop.longitude, stop.latitude);
        if (!place)
            throw TripPlanError(place.Missing("'" + stop.name + "'"));
        p.clock = place.clock;
    }
}

TravelWindow Planner::Window(size_t k, int day)
{
    PlanStop& p = m_stops[k];
    for (auto it = p.windows.rbegin(); it != p.windows.rend(); ++it) {
        if (it->day == day)
            return it->window;
    }
    const TravelWindow w =
        ComputeTravelWindow(p.rule, p.where->longitude, p.where->latitude, DateOfDays(day), *p.clock);
    p.windows.push_back({day, w});
    return w;
}

const DayMarks& Planner::Marks(int day)
{
    for (const auto& [d, marks] : m_marks) {
        if (d == day)
            return marks;
    }
    if (m_marks.size() > 64)
        m_marks.erase(m_marks.begin(), m_marks.begin() + 32);
    m_marks.emplace_back(day, MarksOf(DateOfDays(day)));
    return m_marks.back().second;
}

bool Planner::RestDay(int day)
{
    return m_in.restSundaysAndHolidays && (WeekdayOf(DateOfDays(day)) == 0 || Marks(day).holiday);
}

int Planner::LocalDay(size_t k, std::int64_t t) const
{
    return static_cast<int>(FloorDiv(t + m_stops[k].clock->OffsetAt(t), kDaySeconds));
}

// The window the instant lies in, or the first that opens after it, of a date no earlier
// than minDay; rest days and dates without a window are passed over.
std::optional<DatedWindow> Planner::WindowFrom(size_t k, std::int64_t t, int minDay)
{
    const std::int64_t local = t + m_stops[k].clock->OffsetAt(t);
    const int today = static_cast<int>(FloorDiv(local, kDaySeconds));
    const bool early = local - std::int64_t{today} * kDaySeconds < kSpillSeconds;
    const int first = std::max(early ? today - 1 : today, minDay);
    for (int day = first; day <= first + m_in.maxWaitDays; ++day) {
        if (RestDay(day))
            continue;
        const TravelWindow w = Window(k, day);
        if (w.open && w.end >= t)
            return DatedWindow{day, w};
    }
    return std::nullopt;
}

DatedWindow Planner::WindowOrFail(size_t k, std::int64_t t, int minDay)
{
    if (std::optional<DatedWindow> w = WindowFrom(k, t, minDay))
        return *w;
    throw TripPlanError("no daylight to roll in at '" + m_stops[k].where->name + "' for " +
                        std::to_string(m_in.maxWaitDays) + " days from " +
                        DateText(DateOfDays(std::max(LocalDay(k, t), minDay))));
}

// The earliest time the load can leave stop k within window w, no earlier than
// `earliest`, with `used` seconds driven today, for a leg of `leg` seconds: none when
// the next stop cannot be reached within its window and the day's hours.
std::optional<std::int64_t> Planner::Attempt(size_t k, const DatedWindow& w, std::int64_t earliest,
                                             std::int64_t used, std::int64_t leg)
{
    if (m_limit > 0 && used + leg > m_limit)
        return std::nullopt;
    std::int64_t leave = std::max(earliest, w.window.start);
    if (leave > w.window.end)
        return std::nullopt;
    const DatedWindow there = WindowOrFail(k + 1, leave + leg, kNoDay);
    if (there.window.start > leave + leg)
        leave = there.window.start - leg;  // wait here rather than arrive before it opens there
    if (leave > w.window.end)
        return std::nullopt;
    return leave;
}

void Planner::EndShift(size_t k, std::int64_t t)
{
    m_visits[k].parked = k + 1 < m_stops.size();
    m_shifts.back().parkStop = k;
    m_shifts.back().parkTime = t;
}

void Planner::Drive()
{
    const PlanStop& from = m_stops.front();
    const CivilDate& date = m_in.departDate;
    std::int64_t t = LocalInstant(*from.clock, date, std::int64_t{m_in.departMinute.value_or(0)} * 60);
    int minDay = m_departDay;
    std::int64_t used = 0;
    bool rolling = false;  // within a day of driving

    m_visits.assign(m_stops.size(), {});
    for (size_t k = 0; k + 1 < m_stops.size(); ++k) {
        const double legMiles = m_stops[k + 1].where->miles - m_stops[k].where->miles;
        const auto leg = static_cast<std::int64_t>(std::llround(legMiles / m_in.mph * 3600));
        DatedWindow w = WindowOrFail(k, t, minDay);
        minDay = kNoDay;
        if (rolling && w.window.start > t) {  // arrived after the window closed
            EndShift(k, t);
            rolling = false;
            used = 0;
        }
        std::optional<std::int64_t> leave = Attempt(k, w, t, used, leg);
        bool longLeg = false;
        if (!leave) {
            const bool freshStart = !rolling && t <= w.window.start;
            if (!freshStart) {  // try again at the next window start with a fresh day
                if (rolling) {
                    EndShift(k, t);
                    rolling = false;
                    used = 0;
                }
                w = WindowOrFail(k, w.window.end + 1, w.day + 1);
                leave = Attempt(k, w, w.window.start, 0, leg);
            }
            if (!leave) {
                leave = w.window.start;
                longLeg = true;
            }
        }
        if (!rolling) {
            m_shifts.push_back({k, *leave, w.day});
            rolling = true;
        }
        m_visits[k].depart = *leave;
        t = *leave + leg;
        used += leg;
        m_shifts.back().miles += legMiles;
        m_shifts.back().seconds += leg;
        m_visits[k + 1].arrive = t;
        m_visits[k + 1].longLegIn = longLeg;
    }
    EndShift(m_stops.size() - 1, t);
}

TripTime Planner::Time(size_t k, std::int64_t utc) const
{
    const ZoneClock& zone = *m_stops[k].clock;
    return {utc, zone.OffsetAt(utc), zone.AbbreviationAt(utc), m_clocks.home->Clock().OffsetAt(utc)};
}

void Planner::BuildRows(TripPlan& plan)
{
    plan.rows.reserve(m_stops.size() + m_shifts.size());  // a stop a row, and the day after each park
    m_firstRow.assign(m_stops.size(), 0);
    m_lastRow.assign(m_stops.size(), 0);
    for (size_t k = 0; k < m_stops.size(); ++k) {
        const PlanStop& p = m_stops[k];
        const Visit& v = m_visits[k];
        const int firstDay = k == 0 ? m_departDay : LocalDay(k, *v.arrive);
        const int lastDay = std::max(firstDay, v.depart ? LocalDay(k, *v.depart) : firstDay);
        m_firstRow[k] = plan.rows.size();
        for (int day = firstDay; day <= lastDay; ++day) {
            TripStopRow row;
            row.day = 1 + day - m_departDay;
            row.date = DateOfDays(day);
            row.stop = p.where->name;
            row.state = p.where->state;
            row.latitude = p.where->latitude;
            row.longitude = p.where->longitude;
            row.miles = p.where->miles;
            row.rule = DaylightRuleText(p.rule);
            if (day == firstDay && v.arrive)
                row.arrive = Time(k, *v.arrive);
            if (day == lastDay && v.depart)
                row.depart = row.arrive && row.arrive->utc == *v.depart ? row.arrive : Time(k, *v.depart);
            row.zone = row.arrive   ? row.arrive->abbreviation
                       : row.depart ? row.depart->abbreviation
                                    : p.clock->AbbreviationAt(LocalInstant(*p.clock, row.date, kDaySeconds / 2));
            const TravelWindow w = Window(k, day);
            if (w.open) {
                row.rollFrom = Time(k, w.start);
                row.parkBy = Time(k, w.end);
            }
            const DayMarks& marks = Marks(day);
            row.flags = (k == 0 && day == firstDay ? kTripStart : 0u) |
                        (v.parked && day == firstDay ? kTripPark : 0u) |
                        (k + 1 == m_stops.size() ? kTripEnd : 0u) |
                        (v.longLegIn && day == firstDay ? kTripLongLeg : 0u) | (marks.weekend ? kTripWeekend : 0u) |
                        (marks.holiday ? kTripHoliday : 0u) | (marks.eveOfHoliday ? kTripEveOfHoliday : 0u) |
                        (p.rule.kind == DaylightRuleKind::kUnknown ? kTripCheckPermit : 0u) |
                        (w.noSunrise ? kTripNoSunrise : 0u) | (w.noSunset ? kTripNoSunset : 0u);
            plan.rows.push_back(std::move(row));
        }
        m_lastRow[k] = plan.rows.size() - 1;
    }
}

void Planner::BuildDays(TripPlan& plan)
{
    for (const Shift& s : m_shifts) {
        TripDay day;
        day.day = 1 + s.rollDay - m_departDay;
        day.date = DateOfDays(s.rollDay);
        day.roll = TripPoint{m_stops[s.rollStop].where->name, Time(s.rollStop, s.rollTime)};
        day.park = TripPoint{m_stops[s.parkStop].where->name, Time(s.parkStop, s.parkTime)};
        day.miles = s.miles;
        day.drivingHours = s.seconds / 3600.0;
        for (size_t r = m_lastRow[s.rollStop]; r <= m_firstRow[s.parkStop]; ++r)
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
    std::stable_sort(plan.days.begin(), plan.days.end(),
                     [](const TripDay& a, const TripDay& b) { return a.day < b.day; });
}

TripPlan Planner::Run()
{
    if (!m_clocks.zones || !m_clocks.home)
        throw std::invalid_argument("PlanTrip needs the zone database and the home clock");
    if (m_path.stops.size() < 2)
        throw std::invalid_argument("PlanTrip needs a path of two stops or more");
    if (!(m_in.mph > 0) || !(m_in.hoursPerDay >= 0) || m_in.maxWaitDays < 1)
        throw std::invalid_argument("PlanTrip needs a positive speed and hours of 0 or more");
    ResolveStops();
    m_departDay = DaysSinceEpoch(m_in.departDate);
    m_limit = static_cast<std::int64_t>(std::llround(m_in.hoursPerDay * 3600));

    TripPlan plan;
    plan.from = m_path.stops.front().name;
    plan.to = m_path.stops.back().name;
    plan.by = m_path.by;
    plan.milesFrom = m_path.milesFrom;
    plan.options = m_in;
    plan.homeCaption = m_clocks.home->Caption();
    plan.totalMiles = m_path.stops.back().miles;
    try {
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
