#include "astro/date_text.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace dawnrule {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

// A field of digits only, capped at 65535.
bool ReadField(std::string_view text, unsigned& value)
{
    if (text.empty())
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = std::min(value * 10 + static_cast<unsigned>(c - '0'), 65535u);
    }
    return true;
}

} // namespace

bool ReadDateFields(std::string_view text, unsigned& month, unsigned& day, unsigned& year)
{
    const auto fields = Split(text, '/');
    return fields.size() == 3 && ReadField(fields[0], month) && ReadField(fields[1], day) && ReadField(fields[2], year);
}

std::optional<int> ReadClockTime(std::string_view text, bool secondsTaken)
{
    const auto fields = Split(text, ':');
    if (fields.size() != 2 && !(secondsTaken && fields.size() == 3))
        return std::nullopt;
    unsigned part[3] = {0, 0, 0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!ReadField(fields[i], part[i]) || part[i] >= (i == 0 ? 24u : 60u))
            return std::nullopt;
    }
    return static_cast<int>(part[0] * 3600 + part[1] * 60 + part[2]);
}

std::optional<int> ReadClockMinutes(std::string_view text)
{
    if (text.size() != 5 || text[2] != ':')
        return std::nullopt;
    const std::optional<int> seconds = ReadClockTime(text, false);
    if (!seconds)
        return std::nullopt;
    return *seconds / 60;
}

std::string ClockMinutesText(int minutes)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 100, minutes % 60);
    return text;
}

std::optional<CivilDate> ParseDateText(std::string_view text)
{
    if (text.size() != kDateTextFormat.size() || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    unsigned month = 0, day = 0, year = 0;
    if (!ReadDateFields(text, month, day, year))
        return std::nullopt;
    const CivilDate date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
    if (date.year < 1 || date.day < 1 || date.day > DaysInMonthOfYear(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string DateText(const CivilDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
    return text;
}

} // namespace dawnrule
