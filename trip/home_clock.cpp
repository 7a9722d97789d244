#include "trip/home_clock.h"

#include "trip/travel_window.h"

#include <cmath>
#include <utility>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

} // namespace

std::string HomeZoneCaption(std::string_view ianaName, const ZoneClock& zone, int year)
{
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"America/New_York", "Eastern"},       {"America/Detroit", "Eastern"},
        {"America/Indiana/Indianapolis", "Eastern"}, {"America/Indiana/Marengo", "Eastern"},
        {"America/Indiana/Petersburg", "Eastern"},   {"America/Indiana/Vevay", "Eastern"},
        {"America/Indiana/Vincennes", "Eastern"},    {"America/Indiana/Winamac", "Eastern"},
        {"America/Kentucky/Louisville", "Eastern"},  {"America/Kentucky/Monticello", "Eastern"},
        {"America/Chicago", "Central"},        {"America/Indiana/Knox", "Central"},
        {"America/Indiana/Tell_City", "Central"},    {"America/Menominee", "Central"},
        {"America/North_Dakota/Beulah", "Central"},  {"America/North_Dakota/Center", "Central"},
        {"America/North_Dakota/New_Salem", "Central"}, {"America/Denver", "Mountain"},
        {"America/Boise", "Mountain"},         {"America/Phoenix", "Arizona"},
        {"America/Los_Angeles", "Pacific"},    {"America/Anchorage", "Alaska"},
        {"America/Juneau", "Alaska"},          {"America/Metlakatla", "Alaska"},
        {"America/Nome", "Alaska"},            {"America/Sitka", "Alaska"},
        {"America/Yakutat", "Alaska"},         {"Pacific/Honolulu", "Hawaii"},
    };
    std::string name(ianaName);
    for (const auto& [zoneName, words] : kWords) {
        if (zoneName == ianaName)
            name = words;
    }
    return "home: " + name + ", " + ZoneAbbreviations(zone, year);
}

std::string ZoneAbbreviations(const ZoneClock& zone, int year)
{
    const CivilDate january{year, 1, 15}, july{year, 7, 15};
    const std::string winter = zone.AbbreviationAt(LocalInstant(zone, january, kDaySeconds / 2));
    const std::string summer = zone.AbbreviationAt(LocalInstant(zone, july, kDaySeconds / 2));
    return winter == summer ? winter : winter + "/" + summer;
}

std::string HomeOffsetCaption(int offsetSeconds)
{
    return "home: GMT " + FixedOffsetClock::OffsetText(offsetSeconds);
}

HomeClock HomeClock::OfZone(std::string_view ianaName, const ZoneClock& zone, int year)
{
    HomeClock home;
    home.m_zone = &zone;
    home.m_caption = HomeZoneCaption(ianaName, zone, year);
    home.m_short = ZoneAbbreviations(zone, year);
    return home;
}

HomeClock HomeClock::OfOffset(double hours)
{
    HomeClock home;
    const int seconds = static_cast<int>(std::lround(hours * 60)) * 60;
    home.m_fixed = FixedOffsetClock(seconds);
    home.m_caption = HomeOffsetCaption(seconds);
    home.m_short = home.m_fixed.AbbreviationAt(0);
    return home;
}

} // namespace dawnrule
