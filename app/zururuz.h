#pragma once

#include <optional>
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
