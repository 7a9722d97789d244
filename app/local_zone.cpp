#include "app/local_zone.h"

#include "app/offset_list.h"
#include "astro/date_text.h"

#include <optional>

namespace dawnrule {

namespace {

constexpr int kHourSeconds = 3600;

// Offset-list positions the zone rules name.
constexpr int kFirstStandardEntry = 0;  // "Eastern (-5:00)" ... "Pacific (-8:00)"
constexpr int kFirstDaylightEntry = 4;  // "Eastern DT (-4:00)" ... "Pacific DT (-7:00)"
constexpr int kArizonaEntry = 8;
constexpr int kAlaskaEntry = 9;
constexpr int kHawaiiEntry = 10;
constexpr int kGmtZeroEntry = 23;  // "GMT (0:00)"; -12 to +11 hours lie around it
constexpr int kFirstGmtHours = -12;
constexpr int kLastGmtHours = 11;

} // namespace

int LocalOffsetEntry(std::string_view zone, int offsetSeconds, bool daylight)
{
    if (offsetSeconds % kHourSeconds != 0)
        return -1;
    const int hours = offsetSeconds / kHourSeconds;
    if (zone == "America/Phoenix" && hours == -7 && !daylight)
        return kArizonaEntry;
    if (!daylight && hours <= -5 && hours >= -8)
        return kFirstStandardEntry + (-5 - hours);
    if (daylight && hours <= -4 && hours >= -7)
        return kFirstDaylightEntry + (-4 - hours);
    if (!daylight && hours == -9)
        return kAlaskaEntry;
    if (!daylight && hours == -10)
        return kHawaiiEntry;
    if (hours < kFirstGmtHours || hours > kLastGmtHours)
        return -1;
    return kGmtZeroEntry + hours;
}

std::string ShownAbbreviation(const LocalDayResult& day)
{
    if (day.rise && day.set && day.rise->abbreviation != day.set->abbreviation)
        return day.rise->abbreviation + "/" + day.set->abbreviation;
    return day.Abbreviation();
}

bool LocalDayDateOf(std::string_view dateText, LocalDayInput& in)
{
    const std::optional<CivilDate> date = ParseDateText(dateText);
    if (!date || !IsLocalDayDate(date->year, date->month, date->day))
        return false;
    in.year = date->year;
    in.month = date->month;
    in.day = date->day;
    return true;
}

} // namespace dawnrule
