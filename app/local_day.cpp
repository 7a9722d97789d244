#include "app/local_day.h"

#include "app/zururuz.h"
#include "common/vector_state.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace dawnrule {

namespace {

constexpr std::int64_t kHourSeconds = 3600;
constexpr std::int64_t kDaySeconds = 24 * kHourSeconds;

// The hours taken from each window: ComputeZuruRuz's window starts at local noon, so
// hours 12..23 of the morning window and 0..11 of the evening window are the local day
// at the noon offset; two hours more on each side hold what a clock change moves into it.
constexpr int kMorningFirstHour = 10;
constexpr int kEveningEndHour = 14;

// Events this far outside the day cannot fall in it whatever the clock does (the scan's
// unchecked second root can put one anywhere).
constexpr double kFarHours = 48;

std::chrono::year_month_day DateOf(int year, int month, int day)
{
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}};
}

// Seconds since 1970 of 00:00 UTC of the date: the local clock's midnight, read as UTC.
std::int64_t MidnightSeconds(const std::chrono::year_month_day& date)
{
    return static_cast<std::int64_t>(std::chrono::sys_days{date}.time_since_epoch().count()) * kDaySeconds;
}

ZuruRuzInput ScanInput(const LocalDayInput& in, double offsetHours, const std::chrono::year_month_day& date)
{
    ZuruRuzInput z;
    z.longitude = in.longitude;
    z.latitude = in.latitude;
    z.gmtOffset = offsetHours;
    z.year = static_cast<int>(date.year());
    z.month = static_cast<unsigned>(date.month());
    z.day = static_cast<unsigned>(date.day());
    return z;
}

// Clock seconds since local midnight of an event of the day.
std::int64_t ClockSeconds(const LocalEvent& event, std::int64_t midnight)
{
    return event.utcSeconds + event.offsetSeconds - midnight;
}

void MarkEveningBefore(LocalDayResult& day, std::int64_t midnight)
{
    if (!day.set)
        return;
    const std::int64_t set = ClockSeconds(*day.set, midnight);
    const bool early = day.rise ? set < ClockSeconds(*day.rise, midnight) : set < 12 * kHourSeconds;
    if (!early)
        return;
    day.set->endsEveningBefore = true;
    day.set->text += kEveningBeforeMark;
}

} // namespace

std::string LocalEvent::TextAt(int clockOffsetSeconds, bool military) const
{
    std::string text = FormatEventTime(t3 + (clockOffsetSeconds - offsetSeconds) / 3600.0, military);
    if (endsEveningBefore)
        text += kEveningBeforeMark;
    return text;
}

bool IsLocalDayDate(int year, int month, int day)
{
    if (year < kLocalDayFirstYear || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    if (year == kLocalDayFirstYear && month == 1 && day == 1)
        return false;
    return DateOf(year, month, day).ok();
}

const std::string& LocalDayResult::Abbreviation() const
{
    if (rise)
        return rise->abbreviation;
    if (set)
        return set->abbreviation;
    return noonAbbreviation;
}

LocalDayResult ComputeLocalDay(const LocalDayInput& in, const ZoneClock& zone)
{
    ClearUpperVectorState(); // full speed after a paint; see common/vector_state.h
    if (!IsLocalDayDate(in.year, in.month, in.day))
        throw std::invalid_argument("the local day is computed for dates from 01/02/1583 to 12/31/9999");
    const std::chrono::year_month_day date = DateOf(in.year, in.month, in.day);
    const std::int64_t midnight = MidnightSeconds(date);

    // The offset in force at local noon anchors both windows.
    const std::int64_t noonClock = midnight + 12 * kHourSeconds;
    const int anchor = zone.OffsetAt(noonClock - zone.OffsetAt(noonClock));
    const double anchorHours = anchor / 3600.0;

    LocalDayResult out;
    out.noonOffsetSeconds = anchor;
    out.noonAbbreviation = zone.AbbreviationAt(noonClock - anchor);

    const std::chrono::sys_days day{date};
    const std::chrono::year_month_day before{day - std::chrono::days{1}};
    const std::chrono::year_month_day after{day + std::chrono::days{1}};
    const bool west = anchorHours < 0;  // the scan's own test of the offset's sign

    struct Half {
        ZuruRuzScan scan;
        std::int64_t windowStart;  // UTC instant of the window's local noon
        double hoursBeforeDay;     // hours from the window start to the date's midnight
    };
    const Half halves[] = {
        {ScanZuruRuz(ScanInput(in, anchorHours, west ? date : before), kMorningFirstHour, kScanHours),
         midnight - 12 * kHourSeconds - anchor, 12},
        {ScanZuruRuz(ScanInput(in, anchorHours, west ? after : date), 0, kEveningEndHour),
         midnight + 12 * kHourSeconds - anchor, -12},
    };

    bool riseSeen = false;
    bool setSeen = false;
    for (const Half& half : halves) {
        for (const ZuruRuzEvent& ev : half.scan.Events()) {
            if (std::fabs(ev.position) > kFarHours)
                continue;
            const auto instant =
                half.windowStart + static_cast<std::int64_t>(std::floor(ev.position * kHourSeconds));
            const int offset = zone.OffsetAt(instant);
            const double shift = (offset - anchor) / 3600.0;
            const double clockHours = ev.position - half.hoursBeforeDay + shift;
            if (clockHours < 0 || clockHours >= 24)
                continue;  // another date's event
            LocalEvent event;
            event.t3 = offset == anchor ? ev.t3 : ev.t3 + shift;
            if (in.texts) {
                event.text = FormatEventTime(event.t3, in.military);
                event.abbreviation = zone.AbbreviationAt(instant);
            }
            event.offsetSeconds = offset;
            event.utcSeconds = instant;
            if (ev.kind == kRiseEvent) {
                riseSeen = true;
                out.rise = std::move(event);
            } else {
                setSeen = true;
                out.set = std::move(event);
            }
        }
    }
    out.message = ScanMessage(riseSeen, setSeen, halves[1].scan.lastV2);
    MarkEveningBefore(out, midnight);
    return out;
}

} // namespace dawnrule
