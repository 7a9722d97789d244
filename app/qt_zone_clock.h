#pragma once

// The system's zone database (the tzdata files) through QTimeZone: the ZoneClock of
// app/zone_clock.h for an IANA name. QtCore only; the windows and dawnrule-cli link it
// (library dawnrule_zone_clock), the rest of the core stays free of Qt.

#include "app/zone_clock.h"

#include <QTimeZone>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dawnrule {

// One zone's clock. Its answers are QTimeZone's: each stretch of about a year that is
// asked about is read once (the offset and abbreviation at its start and the zone's
// transitions within it) and answered from memory after that, so a Calc costs a few
// table look-ups, not a walk through the zone file each time. Not for use from several
// threads at once (the program has one).
class QtZoneClock final : public ZoneClock {
public:
    explicit QtZoneClock(QTimeZone zone);

    int OffsetAt(std::int64_t utcSeconds) const override;
    std::string AbbreviationAt(std::int64_t utcSeconds) const override;

private:
    struct Period {
        std::int64_t start;  // first instant the offset is in force (within the stretch)
        int offset;
        std::string abbreviation;
    };
    using Stretch = std::vector<Period>;  // sorted by start; the first starts the stretch

    const Period& PeriodAt(std::int64_t utcSeconds) const;
    Stretch ReadStretch(std::int64_t first, std::int64_t end) const;

    QTimeZone zone_;
    bool listsTransitions_;
    mutable std::unordered_map<std::int64_t, Stretch> stretches_;
    mutable std::int64_t lastKey_ = 0;
    mutable const Stretch* last_ = nullptr;
    mutable Period direct_;  // the answer when the zone cannot list its transitions
};

// The zones of the system's database, each opened once and kept.
class QtZoneDatabase final : public ZoneDatabase {
public:
    // nullptr for a name the database does not know, and for any text that is not
    // written like a zone name (letters, digits, "_", "-", "+", parts joined by "/"),
    // so no path is ever handed to the file lookup.
    const ZoneClock* Find(std::string_view ianaName) override;
    // QTimeZone::systemTimeZoneId(), which reads TZ first.
    std::string SystemZone() override;

private:
    std::map<std::string, std::unique_ptr<QtZoneClock>, std::less<>> zones_;
};

} // namespace dawnrule
