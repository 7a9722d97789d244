#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dawnrule {

// What the Trip Plan window keeps between runs, in a file of its own beside the program
// ("TripPlan.dat"; the settings file "Parm.dat" keeps its seven lines). One "name=value"
// a line, in any order:
//
//   from=Oklahoma City, OK
//   to=Flagstaff, AZ
//   depart=07:00        (or "first": the first legal minute of the date)
//   mph=50
//   hours=11            driving hours of a duty period (0: no limit)
//   duty=14             hours from a period's first departure to its last arrival (0: no limit)
//   off=10              hours of rest between two periods
//   break=0             1: 30 minutes off duty before 8 hours of driving
//   width=              the load's width in feet; empty: every curfew holds it
//   road-factor=1.1
//   rest=1
//
// A line whose value does not read costs that input its default and is named in the
// reader's problems; a name the reader does not know is passed over (a later version's).
// The departure date is not kept: the window starts from the main window's date.
inline constexpr const char* kTripPlanFileName = "TripPlan.dat";

struct TripPlanSettings {
    std::string from;                // a stop's name; empty: the path's first stop
    std::string to;                  // empty: the path's last stop
    std::optional<int> departMinute; // minutes after midnight; none: the first legal minute
    double mph = 50;
    double drivingHours = 11;
    double dutyHours = 14;
    double offHours = 10;
    bool breaks = false;
    std::optional<double> widthFeet;
    double roadFactor = 1.1;
    bool rest = false;

    bool operator==(const TripPlanSettings&) const = default;
};

// A number the plan takes, its range, and the option the command line names it by.
struct TripNumberRange {
    const char* option;  // "hours": --hours
    double low, high;
    bool zeroForNoLimit;  // 0 is taken too, for no limit
};
inline constexpr TripNumberRange kTripMphRange{"mph", 1, 100, false};
inline constexpr TripNumberRange kTripHoursRange{"hours", 1, 24, true};
inline constexpr TripNumberRange kTripDutyRange{"duty", 1, 24, true};
inline constexpr TripNumberRange kTripOffRange{"off", 1, 72, false};
inline constexpr TripNumberRange kTripWidthRange{"width", 1, 40, false};
inline constexpr TripNumberRange kTripRoadFactorRange{"road-factor", 1, 3, false};

// A number out of its range, or no number at all; the text is the one message the
// command line and the window both give: "--hours must be 0 for no limit, or lie
// between 1 and 24".
class TripNumberError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The number a text holds (StrToFloat) when it lies in the range; throws TripNumberError.
double ReadTripNumber(const TripNumberRange& range, const std::string& text);

struct TripPlanSettingsRead {
    TripPlanSettings settings;
    std::vector<std::string> problems;  // "line 3: 'fast' is not ... (mph keeps 50)"
};

TripPlanSettingsRead ParseTripPlanSettings(const std::vector<std::string>& lines);
std::vector<std::string> TripPlanSettingsLines(const TripPlanSettings& settings);

} // namespace dawnrule
