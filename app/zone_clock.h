#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dawnrule {

// A time zone's clock as the system's zone database keeps it: the offset from UTC and
// the abbreviation in force at an instant. The core never holds a rule of its own; the
// program's implementation is QtZoneClock (app/qt_zone_clock.h), tests may use any other.
// Instants are whole seconds since 1970-01-01 00:00 UTC.
class ZoneClock {
public:
    virtual ~ZoneClock() = default;

    // Seconds to add to UTC for the zone's local clock time (east positive: -18000 for
    // EST, -14400 for EDT).
    virtual int OffsetAt(std::int64_t utcSeconds) const = 0;

    // The zone's abbreviation at that instant ("EST", "CDT", "AKDT", "HST"; "LMT" before
    // the zone kept standard time).
    virtual std::string AbbreviationAt(std::int64_t utcSeconds) const = 0;
};

// The zones of a zone database by IANA name ("America/Denver").
class ZoneDatabase {
public:
    virtual ~ZoneDatabase() = default;

    // The clock of the named zone, or nullptr when the database does not know the name.
    // The clock lives as long as the database.
    virtual const ZoneClock* Find(std::string_view ianaName) = 0;

    // The IANA name of this computer's own zone ("America/Chicago", from TZ when it is
    // set), or empty when the system does not tell one the database knows.
    virtual std::string SystemZone() { return {}; }
};

} // namespace dawnrule
