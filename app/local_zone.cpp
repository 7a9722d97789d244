#include "app/local_zone.h"

#include "app/offset_list.h"

#include <charconv>

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

// Digits only, exactly as many as the text has.
bool ReadNumber(std::string_view text, int& value)
{
    if (text.empty())
        return false;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
    }
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

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
    if (dateText.size() != 10 || dateText[2] != '/' || dateText[5] != '/')
        return false;
    int month = 0, day = 0, year = 0;
    if (!ReadNumber(dateText.substr(0, 2), month) || !ReadNumber(dateText.substr(3, 2), day)
        || !ReadNumber(dateText.substr(6, 4), year))
        return false;
    if (!IsLocalDayDate(year, month, day))
        return false;
    in.year = year;
    in.month = month;
    in.day = day;
    return true;
}

} // namespace dawnrule
