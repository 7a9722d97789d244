#pragma once

#include "app/fixed_offset_clock.h"
#include "app/zone_clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace dawnrule {

// How the header names the home clock: "home: Central, CST/CDT" for a zone of the
// US ("Eastern", "Central", "Mountain", "Arizona", "Pacific", "Alaska", "Hawaii"; the
// IANA name for any other zone), with its abbreviations in January and July of the
// year; "home: GMT -6:00" for a fixed offset.
std::string HomeZoneCaption(std::string_view ianaName, const ZoneClock& zone, int year);
std::string HomeOffsetCaption(int offsetSeconds);
// "CST/CDT": a zone's abbreviations in January and July of the year, one when they agree.
std::string ZoneAbbreviations(const ZoneClock& zone, int year);

// The home clock of a plan and how it is named: a zone of the database, or a fixed GMT
// offset (hours, to the minute) when there is none.
class HomeClock {
public:
    static HomeClock OfZone(std::string_view ianaName, const ZoneClock& zone, int year);
    static HomeClock OfOffset(double hours);

    const ZoneClock& Clock() const { return m_zone ? *m_zone : m_fixed; }
    const std::string& Caption() const { return m_caption; }
    // What a column heading names it by: "CST/CDT", "GMT-6:00".
    const std::string& ShortName() const { return m_short; }
    void AddToCaption(const std::string& note) { m_caption += note; }

private:
    const ZoneClock* m_zone = nullptr;
    FixedOffsetClock m_fixed{0};
    std::string m_caption;
    std::string m_short;
};

} // namespace dawnrule
