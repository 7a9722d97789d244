#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

namespace dawnrule {

// Kind of the last rise/set event found by a scan: 0 none yet, 1 rise, 2 set.
// The main window keeps it between computations and hands it back in.
enum EventKindValue : int { kNoEvent = 0, kRiseEvent = 1, kSetEvent = 2 };

struct ZuruRuzInput {
    double longitude = 0;  // degrees, east positive; dd.mm taken as decimal degrees
    double latitude = 0;   // degrees, north positive
    double gmtOffset = 0;  // hours of local clock time relative to GMT
    double year = 0, month = 0, day = 0;
    bool military = false;
    int eventKind = kNoEvent;  // carried over from the previous computation
};

struct ZuruRuzResult {
    std::optional<std::string> riseText;
    std::optional<std::string> setText;
    std::optional<std::string> message;  // "No sunrise this date", ...
    int eventKind = kNoEvent;            // to carry into the next computation
};

// Local clock times of sunrise and sunset (centre of the sun at zenith distance
// 90.833 deg). Low-precision solar ephemeris at the start and end of a 24-hour window
// that begins at 12:00 local time (of the day before the date when gmtOffset < 0),
// then an hour-by-hour scan for sign changes of the sun's altitude, each located by a
// quadratic through three samples. Stated accuracy: within three minutes. Every
// constant and truncation is kept as the times shown to users since 2005 depend on it
// (the truncated pi 3.14159265 included).
ZuruRuzResult ComputeZuruRuz(const ZuruRuzInput& in);

// The hour scan behind ComputeZuruRuz, for callers that need the events themselves
// (the local-day computation of app/local_day.h). ComputeZuruRuz is a formatter over it.
inline constexpr int kScanHours = 24;

// One sign change of the sun's altitude function that the scan located.
struct ZuruRuzEvent {
    EventKindValue kind = kNoEvent;  // kRiseEvent or kSetEvent
    int hour = 0;                    // scan hour C0 the event fell in
    double position = 0;             // C0 + E: hours after the window start (local noon)
    double t3 = 0;                   // position plus half a minute: what FormatEventTime takes
};

struct ZuruRuzScan {
    std::array<ZuruRuzEvent, kScanHours> events{};
    int count = 0;
    double lastV2 = 0;  // altitude function at the end of the last hour scanned

    // The events in the order the scan met them.
    std::span<const ZuruRuzEvent> Events() const { return {events.data(), static_cast<size_t>(count)}; }
};

// Scans the hours firstHour .. endHour-1 of the window that ComputeZuruRuz scans for
// `in` (clamped to 0..24; in.military and in.eventKind are not used). Each hour's values
// are bit for bit those of the whole scan, so the events of a part of the window are
// exactly the whole window's events in those hours.
ZuruRuzScan ScanZuruRuz(const ZuruRuzInput& in, int firstHour = 0, int endHour = kScanHours);

// The message after a scan: "No sunrise this date" when only sets were seen, "No sunset
// this date" when only rises, "Sun up or down all day" when neither and the altitude
// function at the end is not exactly 0; none otherwise.
std::optional<std::string> ScanMessage(bool riseSeen, bool setSeen, double lastV2);

// Clock text of an event at T3 hours after the start of the scan window (local noon).
// 12-hour form "6:36A" / "12:07A" / "4:44P", military "0636" / "0007". Any finite T3
// gives its clock time of day; an infinite or NaN T3 gives an empty text.
std::string FormatEventTime(double t3, bool military);

// Julian day of 0h GMT of a calendar date, split into whole day J and fraction F;
// Julian calendar before 1583. 2005-11-09 gives J = 2453683, F = 0.5.
struct CalendarJulian {
    double j = 0;
    double f = 0;
};
CalendarJulian CalendarToJulian(double year, double month, double day);

} // namespace dawnrule
