#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dawnrule {

// What the Trip Plan window keeps between runs, in a file of its own beside the program
// ("TripPlan.dat"; the settings file "Parm.dat" keeps its seven lines). One "name=value"
// a line, in any order; a line the reader does not know, or whose value does not read,
// leaves that input at its default, so a damaged file never stops the window:
//
//   from=Oklahoma City, OK
//   to=Flagstaff, AZ
//   depart=07:00        (or "first": the first legal minute of the date)
//   mph=50
//   hours=11            (0: no limit)
//   road-factor=1.1
//   rest=1
//
// The departure date is not kept: the window starts from the main window's date.
inline constexpr const char* kTripPlanFileName = "TripPlan.dat";

struct TripPlanSettings {
    std::string from;                // a stop's name; empty: the routes' first stop
    std::string to;                  // empty: the routes' last stop
    std::optional<int> departMinute; // minutes after midnight; none: the first legal minute
    double mph = 50;
    double hoursPerDay = 11;
    double roadFactor = 1.1;
    bool rest = false;

    bool operator==(const TripPlanSettings&) const = default;
};

// The ranges the inputs take, in the window and here.
inline constexpr double kTripMinMph = 1, kTripMaxMph = 100;
inline constexpr double kTripMaxHours = 24;
inline constexpr double kTripMinRoadFactor = 1, kTripMaxRoadFactor = 3;

TripPlanSettings ParseTripPlanSettings(const std::vector<std::string>& lines);
std::vector<std::string> TripPlanSettingsLines(const TripPlanSettings& settings);

} // namespace dawnrule
