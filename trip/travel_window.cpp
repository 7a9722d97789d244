#include "trip/travel_window.h"

#include "app/local_day.h"
#include "app/zururuz.h"
#include "common/number_text.h"

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

// An event's instant on the minute its clock text shows (the text rounds half a minute up).
std::int64_t OnTheMinute(std::int64_t utcSeconds)
{
    return FloorDiv(utcSeconds + 30, 60) * 60;
}

LocalDayResult LocalDayOf(double longitude, double latitude, const CivilDate& date, const ZoneClock& zone)
{
    LocalDayInput in;
    in.longitude = longitude;
    in.latitude = latitude;
    in.year = date.year;
    in.month = date.month;
    in.day = date.day;
    in.texts = false;  // the instants are all a window takes
    return ComputeLocalDay(in, zone);
}

// The sign of the sun's altitude function at 13:00 local of the date, for a day without
// rise or set: the hour scan's first hour starts at local noon of the date when its
// window is anchored on the right day.
bool SunUpAllDay(double longitude, double latitude, const CivilDate& date, int noonOffsetSeconds)
{
    ZuruRuzInput z;
    z.longitude = longitude;
    z.latitude = latitude;
    z.gmtOffset = noonOffsetSeconds / 3600.0;
    const CivilDate scanDate = z.gmtOffset < 0 ? NextDate(date) : date;  // the scan starts the day before then
    z.year = scanDate.year;
    z.month = scanDate.month;
    z.day = scanDate.day;
    return ScanZuruRuz(z, 0, 1).lastV2 > 0;
}

} // namespace

std::optional<std::int64_t> SunriseOn(double longitude, double latitude, const CivilDate& date, const ZoneClock& zone)
{
    const LocalDayResult day = LocalDayOf(longitude, latitude, date, zone);
    if (!day.rise)
        return std::nullopt;
    return OnTheMinute(day.rise->utcSeconds);
}

CivilDate NextDate(const CivilDate& date)
{
    return DateOfDays(DaysSinceEpoch(date) + 1);
}

std::int64_t LocalInstant(const ZoneClock& zone, const CivilDate& date, std::int64_t secondsOfDay)
{
    const std::int64_t local = std::int64_t{DaysSinceEpoch(date)} * kDaySeconds + secondsOfDay;
    return local - zone.OffsetAt(local - zone.OffsetAt(local));
}

TravelWindow ComputeTravelWindow(const DaylightRule& rule, double longitude, double latitude,
                                     const CivilDate& date, const ZoneClock& zone)
{
    TravelWindow w;
    const std::int64_t midnight = LocalInstant(zone, date, 0);
    const std::int64_t nextMidnight = LocalInstant(zone, NextDate(date), 0);
    if (rule.kind == DaylightRuleKind::kNone) {
        w.open = true;
        w.start = midnight;
        w.end = nextMidnight;
        return w;
    }
    const bool offsets = rule.kind == DaylightRuleKind::kOffsets;
    const std::int64_t roll = offsets ? rule.rollMinutes * 60 : 0;
    const std::int64_t park = offsets ? rule.parkMinutes * 60 : 0;

    const LocalDayResult day = LocalDayOf(longitude, latitude, date, zone);
    w.noSunrise = !day.rise;
    w.noSunset = !day.set;
    if (day.rise && day.set) {
        const std::int64_t rise = OnTheMinute(day.rise->utcSeconds);
        const std::int64_t set = OnTheMinute(day.set->utcSeconds);
        w.start = rise + roll;
        w.end = set + park;
        if (set < rise) {  // the set of the night before: the day's light lasts to the next set
            const LocalDayResult after = LocalDayOf(longitude, latitude, NextDate(date), zone);
            const std::int64_t next = after.set ? OnTheMinute(after.set->utcSeconds) : nextMidnight;
            w.end = after.set && next > rise ? next + park : nextMidnight;
        }
    } else if (day.rise) {
        w.start = OnTheMinute(day.rise->utcSeconds) + roll;
        w.end = nextMidnight;
    } else if (day.set) {
        w.start = midnight;
        w.end = OnTheMinute(day.set->utcSeconds) + park;
    } else if (SunUpAllDay(longitude, latitude, date, day.noonOffsetSeconds)) {
        w.start = midnight;
        w.end = nextMidnight;
    } else {
        return w;  // down all day: no window
    }
    w.open = w.start < w.end;
    return w;
}

} // namespace dawnrule
