#include "trip/curfews.h"

#include "astro/date_text.h"
#include "astro/holidays.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "common/words.h"
#include "locations/us_states.h"
#include "trip/trip_path.h"

#include <cctype>

namespace dawnrule {

namespace {

constexpr std::string_view kWeekdays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

int Weekday(const std::string& name)
{
    for (int d = 0; d < 7; ++d) {
        if (kWeekdays[d] == AsciiLower(name))
            return d;
    }
    throw ConvertError("'" + name + "' is not a weekday (Mon, Tue ... Sun)");
}

unsigned ReadWeekdays(const std::string& text)
{
    unsigned days = 0;
    for (const std::string& part : Split(text, ',')) {
        const size_t dash = part.find('-');
        if (dash == std::string::npos) {
            days |= 1u << Weekday(part);
            continue;
        }
        const int from = Weekday(part.substr(0, dash));
        const int to = Weekday(part.substr(dash + 1));
        // Mon-Sun runs through the week's end.
        for (int d = from;; d = (d + 1) % 7) {
            days |= 1u << d;
            if (d == to)
                break;
        }
    }
    return days;
}

int Clock(const std::string& text)
{
    const std::optional<int> minutes = ReadClockMinutes(text);
    if (!minutes)
        throw ConvertError("'" + text + "' is not a time HH:MM from 00:00 to 23:59");
    return *minutes;
}

std::vector<std::pair<int, int>> ReadWindows(const std::string& text)
{
    std::vector<std::pair<int, int>> windows;
    for (const std::string& part : Split(text, ',')) {
        const size_t dash = part.find('-');
        if (dash == std::string::npos)
            throw ConvertError("'" + part + "' is not a window HH:MM-HH:MM");
        const int start = Clock(part.substr(0, dash));
        int end = Clock(part.substr(dash + 1));
        if (end == 23 * 60 + 59)
            end = 24 * 60;  // to the end of the day
        if (end <= start)
            throw ConvertError("the window '" + part + "' ends before it starts");
        windows.emplace_back(start, end);
    }
    return windows;
}

SeasonDay ReadSeasonDay(const std::string& text)
{
    SeasonDay day;
    std::string key = text;
    if (key.size() > 4 && key.compare(key.size() - 4, 4, "-day") == 0)
        key.erase(key.size() - 4);
    if (StateHolidayByKey(key, day.holiday)) {
        day.kind = SeasonDay::Kind::kHoliday;
        return day;
    }
    const auto bad = [&text] {
        return ConvertError("'" + text + "' is not a day MM-DD, MM-4thFri, MM-lastMon or a holiday (labor-day)");
    };
    if (text.size() < 4 || text[2] != '-' || !std::isdigit(static_cast<unsigned char>(text[0])) ||
        !std::isdigit(static_cast<unsigned char>(text[1])))
        throw bad();
    day.month = std::stoi(text.substr(0, 2));
    if (day.month < 1 || day.month > 12)
        throw bad();
    const std::string rest = AsciiLower(text.substr(3));
    if (rest.size() == 2 && std::isdigit(static_cast<unsigned char>(rest[0])) &&
        std::isdigit(static_cast<unsigned char>(rest[1]))) {
        day.day = std::stoi(rest);
        if (day.day < 1 || day.day > 31)
            throw bad();
        return day;
    }
    day.kind = SeasonDay::Kind::kNthWeekday;
    if (rest.rfind("last", 0) == 0 && rest.size() == 7) {
        day.nth = 0;
    } else if (rest.size() == 6 && rest[0] >= '1' && rest[0] <= '5') {
        day.nth = rest[0] - '0';
        const std::string suffix = rest.substr(1, 2);
        if (suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th")
            throw bad();
    } else {
        throw bad();
    }
    day.weekday = Weekday(rest.substr(rest.size() - 3));
    return day;
}

Curfew CurfewOf(const std::vector<std::string>& f)
{
    if (f.size() < 10)
        throw ConvertError("expected STATE LAT LON MILES DAYS WINDOWS KIND WIDTH SEASON AREA");
    Curfew c;
    c.state = f[0];
    for (char& ch : c.state)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (!StateByCode(c.state))
        throw ConvertError("'" + f[0] + "' is not the code of one of the 50 states");
    c.latitude = StrToLatitude(f[1]);
    c.longitude = StrToLongitude(f[2]);
    c.radiusMiles = StrToFloat(f[3]);
    if (!(c.radiusMiles > 0) || c.radiusMiles > 200)
        throw ConvertError("the radius " + f[3] + " is not between 0 and 200 miles");
    if (f[4] == "?")
        c.weekdaysKnown = false;
    else
        c.weekdays = ReadWeekdays(f[4]);
    c.windows = ReadWindows(f[5]);
    const std::string kind = AsciiLower(f[6]);
    if (kind != "prohibit" && kind != "allow")
        throw ConvertError("'" + f[6] + "' is neither prohibit nor allow");
    c.allow = kind == "allow";
    c.minWidthFeet = StrToFloat(f[7]);
    if (!(c.minWidthFeet >= 0) || c.minWidthFeet > 100)
        throw ConvertError("the width " + f[7] + " is not between 0 and 100 feet");
    const std::string season = AsciiLower(f[8]);
    if (season == "holiday-weekends") {
        c.season = Curfew::Season::kHolidayWeekends;
    } else if (season != "all") {
        const size_t dots = season.find("..");
        if (dots == std::string::npos)
            throw ConvertError("'" + f[8] + "' is not a season: all, START..END or holiday-weekends");
        c.season = Curfew::Season::kBetween;
        c.seasonStart = ReadSeasonDay(season.substr(0, dots));
        c.seasonEnd = ReadSeasonDay(season.substr(dots + 2));
    }
    for (size_t i = 9; i < f.size(); ++i)
        c.area += (i > 9 ? " " : "") + f[i];
    return c;
}

} // namespace

CivilDate SeasonDay::In(int year) const
{
    switch (kind) {
    case Kind::kHoliday:
        return StateHolidayDate(holiday, year);
    case Kind::kNthWeekday: {
        if (nth == 0) {
            const CivilDate last = DateOfDays(DaysSinceEpoch({year, month + 1, 1}) - 1);
            return DateOfDays(DaysSinceEpoch(last) - (WeekdayOf(last) - weekday + 7) % 7);
        }
        const CivilDate first{year, month, 1};
        return DateOfDays(DaysSinceEpoch(first) + (weekday - WeekdayOf(first) + 7) % 7 + 7 * (nth - 1));
    }
    case Kind::kDate:
        break;
    }
    return {year, month, day};
}

bool Curfew::Holds(std::string_view stopState, double stopLatitude, double stopLongitude) const
{
    return stopState == state && GreatCircleMiles(latitude, longitude, stopLatitude, stopLongitude) <= radiusMiles;
}

bool Curfew::HoldsWidth(std::optional<double> widthFeet) const
{
    return !widthFeet || minWidthFeet <= 0 || *widthFeet > minWidthFeet;
}

bool IsRestrictedHoliday(const StateCalendar& calendar, const CivilDate& date)
{
    for (int i = 0; i < kStateHolidayCount; ++i) {
        if (!(calendar.holidays & (1u << i)))
            continue;
        // Observed days may fall in the year before (New Year's Day on December 31).
        for (const int year : {date.year, date.year + 1}) {
            if (StateHolidayDate(static_cast<StateHoliday>(i), year) == date)
                return true;
        }
    }
    return false;
}

bool Curfew::AppliesOn(const CivilDate& date, const StateCalendar& calendar) const
{
    const int weekday = WeekdayOf(date);
    if (!(weekdays & (1u << weekday)))
        return false;
    switch (season) {
    case Season::kAll:
        return true;
    case Season::kBetween: {
        const int d = DaysSinceEpoch(date);
        const int from = DaysSinceEpoch(seasonStart.In(date.year)), to = DaysSinceEpoch(seasonEnd.In(date.year));
        return from <= to ? d >= from && d <= to : d >= from || d <= to;
    }
    case Season::kHolidayWeekends: {
        const int d = DaysSinceEpoch(date);
        if (weekday == 6)  // Saturday: after a Friday holiday or before a Monday one
            return IsRestrictedHoliday(calendar, DateOfDays(d - 1)) || IsRestrictedHoliday(calendar, DateOfDays(d + 2));
        if (weekday == 0)
            return IsRestrictedHoliday(calendar, DateOfDays(d - 2)) || IsRestrictedHoliday(calendar, DateOfDays(d + 1));
        return false;
    }
    }
    return false;
}

CurfewsRead ParseCurfews(const std::vector<std::string>& lines)
{
    CurfewsRead read;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (lines[i].find('\0') != std::string::npos) {
            read.problems.push_back({number, "the line holds a NUL byte: the file is damaged here"});
            continue;
        }
        const std::vector<std::string> fields = SplitWords(std::string_view(lines[i]).substr(0, lines[i].find('#')));
        if (fields.empty())
            continue;
        try {
            read.curfews.push_back(CurfewOf(fields));
        } catch (const ConvertError& e) {
            read.problems.push_back({number, e.what()});
        }
    }
    return read;
}

} // namespace dawnrule
