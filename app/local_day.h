#pragma once

#include "app/zone_clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dawnrule {

// The date's own sunrise and sunset in a place's local clock time, from the zone's clock.
//
// The local calendar day runs from midnight to midnight, so the set is that of the
// date's evening (ComputeZuruRuz, for the negative offsets of the US, gives the evening
// before). Each event is converted with the zone's offset at its own instant, so the days
// daylight time begins and ends come out right, and carries the zone's abbreviation at
// that instant. The clock texts are FormatEventTime's (12:07A / 0007 after midnight).
//
// Method: the same hour scan as ComputeZuruRuz (ScanZuruRuz), run exactly as
// ComputeZuruRuz runs it, anchored with the offset in force at local noon of the date:
// - the morning from the window that ends at local noon (the date itself for a negative
//   offset, the day before for zero or positive), its hours after local midnight;
// - the evening from the window that starts at local noon (the day after for a negative
//   offset, the date for zero or positive), its hours up to local midnight.
// Two more scan hours on each side catch a clock change of up to two hours between
// midnight and noon or noon and midnight. Each event's instant is converted with the
// offset at that instant and kept when its local date is the date (the instant decides:
// a set at 23:59:40 belongs to the date and reads 12:00A). So on every day without a
// clock change between the event and noon, the rise is ComputeZuruRuz's rise for the date
// at the offset in force that morning, and the set ComputeZuruRuz's set for the next
// date at the offset in force that evening, text for text (for a negative offset).
//
// Messages as ComputeZuruRuz's, for the local day: "No sunrise this date" when the day
// has a set but no rise, "No sunset this date" when a rise but no set, "Sun up or down
// all day" when neither. A later event of a kind replaces an earlier one, as there.

// The first date the computation takes: the scan reads earlier dates in the Julian
// calendar, and the morning may need the day before.
inline constexpr int kLocalDayFirstYear = 1583;  // from 01/02/1583 on
bool IsLocalDayDate(int year, int month, int day);

struct LocalDayInput {
    double longitude = 0;  // degrees, east positive, as the field holds it
    double latitude = 0;   // degrees, north positive
    int year = 0, month = 0, day = 0;  // the local date (Gregorian), IsLocalDayDate
    bool military = false;
    bool texts = true;  // false: the events' instants only, no clock texts or abbreviations (the trip plan's windows)
};

// A set after midnight and before the day's rise (or, on a day without a rise, before
// noon) ends the evening before: the sun of the day before went down after midnight.
// Its text carries this mark, so a sheet cannot be read as "sets at 12:47 at night".
inline constexpr std::string_view kEveningBeforeMark = "*";

struct LocalEvent {
    std::string text;            // "6:36A" or "0636"; a set ending the evening before: "12:47A*"
    std::string abbreviation;    // the zone's abbreviation at the event: "EST", "MDT"
    int offsetSeconds = 0;       // the zone's offset at the event
    std::int64_t utcSeconds = 0; // the event's instant, seconds since 1970 UTC, rounded down
    double t3 = 0;               // the event's clock time as FormatEventTime takes it, in its own clock
    bool endsEveningBefore = false;  // a set carrying kEveningBeforeMark

    // The text of the event in another clock, `clockOffsetSeconds` east of UTC (marked as
    // `text` is).
    std::string TextAt(int clockOffsetSeconds, bool military) const;
};

struct LocalDayResult {
    std::optional<LocalEvent> rise;
    std::optional<LocalEvent> set;
    std::optional<std::string> message;  // absent when both events were found

    int noonOffsetSeconds = 0;     // the zone's offset at local noon of the date
    std::string noonAbbreviation;  // and its abbreviation there

    // The abbreviation to show beside the times: at the rise, at the set when there is no
    // rise, at local noon when there is neither.
    const std::string& Abbreviation() const;
};

// Throws std::invalid_argument for a date IsLocalDayDate refuses. Pure but for the
// zone's answers: the zone is asked for its offset at local noon and at each event,
// and for its abbreviation there.
LocalDayResult ComputeLocalDay(const LocalDayInput& in, const ZoneClock& zone);

} // namespace dawnrule
