#include "trip/stop_hours.h"

#include "astro/date_text.h"
#include "astro/holidays.h"
#include "common/number_text.h"

#include <algorithm>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kSpillSeconds = 4 * 3600;
constexpr int kSunday = 0, kMonday = 1, kFriday = 5, kSaturday = 6;

// The pieces of [start, end) that none of the closures covers.
std::vector<OpenSpan> Subtract(std::int64_t start, std::int64_t end, std::vector<const StopClosure*> closures)
{
    std::sort(closures.begin(), closures.end(),
              [](const StopClosure* a, const StopClosure* b) { return a->start < b->start; });
    std::vector<OpenSpan> pieces;
    std::int64_t at = start;
    for (const StopClosure* c : closures) {
        if (c->end <= at || c->start >= end)
            continue;
        if (c->start > at)
            pieces.push_back({at, c->start});
        at = std::max(at, c->end);
        if (at >= end)
            break;
    }
    if (at < end)
        pieces.push_back({at, end});
    return pieces;
}

} // namespace

const std::array<HolidayDates::Day, kStateHolidayCount>& HolidayDates::Of(int year)
{
    auto found = m_years.find(year);
    if (found == m_years.end()) {
        std::array<Day, kStateHolidayCount> days;
        for (int i = 0; i < kStateHolidayCount; ++i) {
            const CivilDate date = StateHolidayDate(static_cast<StateHoliday>(i), year);
            days[static_cast<size_t>(i)] = {DaysSinceEpoch(date), WeekdayOf(date)};
        }
        found = m_years.emplace(year, days).first;
    }
    return found->second;
}

StopHours::StopHours(const TripStop& stop, const ZoneClock& clock, const DaylightRule& rule,
                     std::vector<const Curfew*> curfews, bool restSundaysAndHolidays, HolidayDates& holidays)
    : m_stop(stop)
    , m_clock(clock)
    , m_rule(rule)
    , m_curfews(std::move(curfews))
    , m_rest(restSundaysAndHolidays)
    , m_holidays(holidays)
{
}

int StopHours::LocalDay(std::int64_t t) const
{
    return static_cast<int>(FloorDiv(t + m_clock.OffsetAt(t), kDaySeconds));
}

std::int64_t StopHours::Midnight(int day) const
{
    return LocalInstant(m_clock, DateOfDays(day), 0);
}

std::int64_t StopHours::At(int day, int minute) const
{
    return LocalInstant(m_clock, DateOfDays(day), std::int64_t{minute} * 60);
}

const TravelWindow& StopHours::Window(int day)
{
    auto found = m_windows.find(day);
    if (found == m_windows.end()) {
        found = m_windows
                    .emplace(day, ComputeTravelWindow(m_rule, m_stop.longitude, m_stop.latitude, DateOfDays(day), m_clock))
                    .first;
    }
    return found->second;
}

void StopHours::AddWeekendClosure(int day, const WeekendDayRule& rule, const char* name, Day& out)
{
    if (!rule.known)
        out.checkPermit = true;
    switch (rule.kind) {
    case WeekendDayRule::Kind::kWindow:
        return;
    case WeekendDayRule::Kind::kNone:
        out.closures.push_back({Midnight(day), Midnight(day + 1), kClosedByCalendar, m_stop.state + ": no " + name});
        return;
    case WeekendDayRule::Kind::kUntil:
        out.closures.push_back({At(day, rule.untilMinute) + 1, Midnight(day + 1), kClosedByCalendar,
                                m_stop.state + ": " + name + " until " + ClockMinutesText(rule.untilMinute)});
        return;
    }
}

// Each restricted holiday closes the state from the day before (the Friday before a
// Monday holiday with the long weekend closed) to the day after (the Monday after a
// Friday holiday).
void StopHours::AddHolidayClosures(int day, Day& out)
{
    const StateCalendar& c = m_rule.calendar;
    if (!c.holidays)
        return;
    const int year = DateOfDays(day).year;
    for (const int y : {year - 1, year, year + 1}) {
        const auto& days = m_holidays.Of(y);
        for (int i = 0; i < kStateHolidayCount; ++i) {
            if (!(c.holidays & (1u << i)))
                continue;
            const int h = days[static_cast<size_t>(i)].day;
            const int weekday = days[static_cast<size_t>(i)].weekday;
            if (day < h - 4 || day > h + 4)
                continue;  // no closure reaches further than the long weekend
            const bool longWeekend = c.longWeekendClosed && (weekday == kMonday || weekday == kFriday);
            const int before = h - (c.longWeekendClosed && weekday == kMonday ? 3 : 1);
            const int after = h + (c.longWeekendClosed && weekday == kFriday ? 3 : 1);
            if (day < before || day > after)
                continue;
            if (!c.beforeKnown || !c.afterKnown || !c.holidaysKnown || (!c.longWeekendKnown && (weekday == kMonday || weekday == kFriday)))
                out.checkPermit = true;
            std::int64_t start = Midnight(h);
            std::string from = DateText(DateOfDays(before)) + " ";
            if (c.before == StateCalendar::Before::kClock) {
                start = At(before, c.beforeMinute);
                from += ClockMinutesText(c.beforeMinute);
            } else {
                const TravelWindow& w = Window(before);
                if (w.open)
                    start = std::min(start, w.end + 1);
                from += "sunset";
            }
            std::int64_t end = Midnight(after + 1);
            std::string to = DateText(DateOfDays(after)) + " ";
            if (c.after == StateCalendar::After::kClock) {
                end = At(after, c.afterMinute);
                to += ClockMinutesText(c.afterMinute);
            } else {
                to += "sunrise";
                if (m_rule.kind == DaylightRuleKind::kNone) {
                    if (const std::optional<std::int64_t> rise =
                            SunriseOn(m_stop.longitude, m_stop.latitude, DateOfDays(after), m_clock))
                        end = *rise;
                } else if (const TravelWindow& w = Window(after); w.open) {
                    end = w.start;
                }
            }
            if (end <= start)
                continue;
            out.closures.push_back({start, end, kClosedByCalendar,
                                    m_stop.state + ": " + std::string(StateHolidayName(static_cast<StateHoliday>(i))) +
                                        (longWeekend ? " weekend" : "") + ", closed " + from + " to " + to});
        }
    }
}

void StopHours::AddCurfewClosures(int day, Day& out)
{
    const CivilDate date = DateOfDays(day);
    for (const Curfew* c : m_curfews) {
        if (!c->AppliesOn(date, m_rule.calendar))
            continue;
        if (!c->weekdaysKnown)
            out.checkPermit = true;
        const std::string note = "curfew: " + c->area;
        if (!c->allow) {
            for (const auto& [from, to] : c->windows)
                out.closures.push_back({At(day, from), to >= 24 * 60 ? Midnight(day + 1) : At(day, to), kClosedByCurfew, note});
            continue;
        }
        // Movement only within the windows, their last minute included.
        std::vector<std::pair<int, int>> windows = c->windows;
        std::sort(windows.begin(), windows.end());
        std::int64_t at = Midnight(day);
        for (const auto& [from, to] : windows) {
            const std::int64_t start = At(day, from);
            if (start > at)
                out.closures.push_back({at, start, kClosedByCurfew, note});
            at = std::max(at, to >= 24 * 60 ? Midnight(day + 1) : At(day, to) + 1);
        }
        if (at < Midnight(day + 1))
            out.closures.push_back({at, Midnight(day + 1), kClosedByCurfew, note});
    }
}

const StopHours::Day& StopHours::DayAt(int day)
{
    auto found = m_days.find(day);
    if (found != m_days.end())
        return found->second;
    Day out;
    out.checkPermit = m_rule.kind == DaylightRuleKind::kUnknown;
    const int weekday = WeekdayOf(DateOfDays(day));
    if (weekday == kSaturday)
        AddWeekendClosure(day, m_rule.calendar.saturday, "Saturday", out);
    if (weekday == kSunday)
        AddWeekendClosure(day, m_rule.calendar.sunday, "Sunday", out);
    AddHolidayClosures(day, out);
    AddCurfewClosures(day, out);
    if (m_rest && (weekday == kSunday || MarksOf(DateOfDays(day)).holiday))
        out.closures.push_back({Midnight(day), Midnight(day + 1), kClosedForRest, "rest day"});
    return m_days.emplace(day, std::move(out)).first->second;
}

bool StopHours::CheckPermitOn(int day)
{
    return DayAt(day).checkPermit;
}

std::vector<StopClosure> StopHours::ClosuresBetween(std::int64_t from, std::int64_t to, unsigned kinds)
{
    std::vector<StopClosure> found;
    for (int day = LocalDay(from); day <= LocalDay(to - 1); ++day) {
        for (const StopClosure& c : DayAt(day).closures) {
            const bool seen = std::any_of(found.begin(), found.end(), [&c](const StopClosure& f) {
                return f.start == c.start && f.end == c.end && f.note == c.note;
            });
            if ((c.kind & kinds) && c.start < to && c.end > from && !seen)
                found.push_back(c);
        }
    }
    std::sort(found.begin(), found.end(), [](const StopClosure& a, const StopClosure& b) { return a.start < b.start; });
    return found;
}

std::optional<OpenSpan> StopHours::OpenFrom(std::int64_t t, int lastDay, unsigned closures)
{
    std::optional<OpenSpan> best;
    std::optional<int> foundOn;
    // The window of the date before reaches into this one only in its first hours: the
    // latest set (just after midnight in the far north) and the largest park minutes.
    const std::int64_t local = t + m_clock.OffsetAt(t);
    const int today = static_cast<int>(FloorDiv(local, kDaySeconds));
    const bool early = local - std::int64_t{today} * kDaySeconds < kSpillSeconds;
    for (int day = early ? today - 1 : today; day <= lastDay; ++day) {
        // A later date's window opens later still, but for the next date's in the far
        // north, whose rise less the roll minutes may come before its midnight.
        if (foundOn && (day > *foundOn + 1 || best->start < Midnight(day) - kDaylightMaxMinutes * 60))
            break;
        const TravelWindow& w = Window(day);
        if (!w.open || w.end + 1 <= t)
            continue;
        const std::int64_t start = w.start, end = w.end + 1;
        std::vector<const StopClosure*> cuts;
        for (int d = LocalDay(start); d <= LocalDay(end - 1); ++d) {
            for (const StopClosure& c : DayAt(d).closures) {
                if (c.kind & closures)
                    cuts.push_back(&c);
            }
        }
        for (const OpenSpan& piece : Subtract(start, end, cuts)) {
            if (piece.end <= t)
                continue;
            if (!best || piece.start < best->start) {
                best = piece;
                foundOn = foundOn.value_or(day);
            }
            break;
        }
    }
    return best;
}

} // namespace dawnrule
