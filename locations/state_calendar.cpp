#include "locations/state_calendar.h"

#include "astro/date_text.h"
#include "common/errors.h"
#include "common/words.h"

#include <cctype>

namespace dawnrule {

namespace {

void ReadWeekendDay(const std::string& word, const std::string& value, WeekendDayRule& rule)
{
    rule = {};
    if (value == "?")
        return;
    rule.known = true;
    if (value == "window")
        return;
    if (value == "none") {
        rule.kind = WeekendDayRule::Kind::kNone;
        return;
    }
    const int until = value.rfind("until-", 0) == 0 ? ReadClockMinutes(std::string_view(value).substr(6)).value_or(-1) : -1;
    if (until < 0)
        throw ConvertError("'" + word + "' is not window, none, until-HH:MM or ?");
    rule.kind = WeekendDayRule::Kind::kUntil;
    rule.untilMinute = until;
}

std::string WeekendDayText(const WeekendDayRule& rule)
{
    switch (rule.kind) {
    case WeekendDayRule::Kind::kWindow:
        return "window";
    case WeekendDayRule::Kind::kNone:
        return "none";
    case WeekendDayRule::Kind::kUntil:
        break;
    }
    return "until-" + ClockMinutesText(rule.untilMinute);
}

void ReadHolidays(const std::string& word, const std::string& value, StateCalendar& c)
{
    c.holidays = kSixHolidays;
    c.holidaysKnown = false;
    if (value == "?")
        return;
    if (value == "none") {
        c.holidays = 0;
        c.holidaysKnown = true;
        return;
    }
    StateHolidaySet set = 0;
    bool known = true;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(',', start);
        const std::string name = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        StateHoliday holiday;
        if (name == "?" && start == 0) {
            set |= kSixHolidays;
            known = false;
        } else if (name == "six") {
            set |= kSixHolidays;
        } else if (StateHolidayByKey(name, holiday)) {
            set |= 1u << static_cast<int>(holiday);
        } else {
            throw ConvertError("'" + word + "': '" + name + "' is not a holiday this program knows (six, " +
                               std::string(StateHolidayKey(StateHoliday::kGoodFriday)) + ", ...)");
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    c.holidays = set;
    c.holidaysKnown = known;
}

std::string HolidaysText(const StateCalendar& c)
{
    if (c.holidays == 0)
        return "none";
    std::string text = c.holidaysKnown ? "" : "?";
    StateHolidaySet rest = c.holidays;
    if ((rest & kSixHolidays) == kSixHolidays) {
        if (c.holidaysKnown)
            text = "six";
        rest &= ~kSixHolidays;
    }
    for (int i = 0; i < kStateHolidayCount; ++i) {
        if (!(rest & (1u << i)))
            continue;
        if (!text.empty())
            text += ',';
        text += StateHolidayKey(static_cast<StateHoliday>(i));
    }
    return text;
}

} // namespace

bool IsCalendarWord(std::string_view word)
{
    return word.find('=') != std::string_view::npos;
}

void ReadCalendarWord(std::string_view text, StateCalendar& c)
{
    const std::string word = AsciiLower(text);
    const size_t equals = word.find('=');
    if (equals == std::string::npos)
        throw ConvertError("'" + std::string(text) + "' is not a calendar word key=value");
    const std::string key = word.substr(0, equals);
    const std::string value = word.substr(equals + 1);
    if (key == "sat") {
        ReadWeekendDay(word, value, c.saturday);
    } else if (key == "sun") {
        ReadWeekendDay(word, value, c.sunday);
    } else if (key == "before") {
        c.before = StateCalendar::Before::kClock;
        c.beforeMinute = 12 * 60;
        c.beforeKnown = value != "?";
        if (value == "sunset") {
            c.before = StateCalendar::Before::kSunset;
        } else if (value != "?" && value != "noon") {
            c.beforeMinute = ReadClockMinutes(value).value_or(-1);
            if (c.beforeMinute < 0)
                throw ConvertError("'" + word + "' is not noon, sunset, HH:MM or ?");
        }
    } else if (key == "after") {
        c.after = StateCalendar::After::kSunrise;
        c.afterMinute = 0;
        c.afterKnown = value != "?";
        if (value != "?" && value != "sunrise") {
            c.after = StateCalendar::After::kClock;
            c.afterMinute = ReadClockMinutes(value).value_or(-1);
            if (c.afterMinute < 0)
                throw ConvertError("'" + word + "' is not sunrise, HH:MM or ?");
        }
    } else if (key == "holidays") {
        ReadHolidays(word, value, c);
    } else if (key == "long-weekend") {
        if (value != "closed" && value != "open" && value != "?")
            throw ConvertError("'" + word + "' is not closed, open or ?");
        c.longWeekendClosed = value == "closed";
        c.longWeekendKnown = value != "?";
    } else {
        throw ConvertError("'" + std::string(text) + "': the calendar's keys are sat, sun, before, after, holidays and long-weekend");
    }
}

std::string CalendarWords(const StateCalendar& c)
{
    std::string words;
    const auto add = [&words](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
    if (c.saturday.known)
        add("sat=" + WeekendDayText(c.saturday));
    if (c.sunday.known)
        add("sun=" + WeekendDayText(c.sunday));
    if (c.beforeKnown)
        add("before=" + std::string(c.before == StateCalendar::Before::kSunset ? "sunset"
                                    : c.beforeMinute == 12 * 60           ? "noon"
                                                                          : ClockMinutesText(c.beforeMinute)));
    if (c.afterKnown)
        add("after=" + (c.after == StateCalendar::After::kSunrise ? std::string("sunrise") : ClockMinutesText(c.afterMinute)));
    if (c.holidaysKnown || c.holidays != kSixHolidays)
        add("holidays=" + HolidaysText(c));
    if (c.longWeekendKnown)
        add(std::string("long-weekend=") + (c.longWeekendClosed ? "closed" : "open"));
    return words;
}

} // namespace dawnrule
