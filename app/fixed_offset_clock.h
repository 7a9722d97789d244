#pragma once

#include "app/zone_clock.h"

#include <cstdlib>
#include <string>

namespace dawnrule {

// A clock that keeps one offset from UTC all year, as a driver's log kept in "GMT -6"
// does: no daylight time. Its abbreviation reads "GMT-6:00", "GMT+5:30", "GMT+0:00".
class FixedOffsetClock final : public ZoneClock {
public:
    explicit FixedOffsetClock(int offsetSeconds) : m_offset(offsetSeconds) {}

    int OffsetAt(std::int64_t) const override { return m_offset; }
    std::string AbbreviationAt(std::int64_t) const override { return "GMT" + OffsetText(m_offset); }

    // "+0:00", "-6:00", "+5:30": the sign, hours and minutes of an offset in seconds
    // (seconds beyond the minute dropped).
    static std::string OffsetText(int offsetSeconds)
    {
        const int minutes = std::abs(offsetSeconds) / 60;
        std::string text(1, offsetSeconds < 0 ? '-' : '+');
        text += std::to_string(minutes / 60);
        text += minutes % 60 < 10 ? ":0" : ":";
        text += std::to_string(minutes % 60);
        return text;
    }

private:
    int m_offset;
};

} // namespace dawnrule
