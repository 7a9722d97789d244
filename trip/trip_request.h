#pragma once

#include "app/zone_clock.h"
#include "locations/home_location.h"
#include "trip/home_clock.h"
#include "trip/town_path.h"
#include "trip/trip_plan.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace dawnrule {

// What the Trip Plan window and `dawnrule-cli plan` ask for, and the one loader that
// answers both: it reads and checks the rules beside the program, chooses the home
// clock, builds the path and plans.

// The home clock asked for, in this order: a zone by name (the command line's
// --home-zone, a name the database knows), the zone of a home place (or its offset
// when no zone is found), a fixed offset in hours; with none of them, this computer's
// own zone (the caption says so), or GMT when the system names none.
struct TripHomeChoice {
    std::optional<std::string> zone;
    std::optional<HomeLocation> place;
    std::optional<double> offsetHours;
};

// Where the path comes from: route files joined From to To (routeNames, from and to
// required), towns (towns), or a file of them (pathFile: .gpx, .csv, a towns .txt); for
// these two From and To pick a part of the path, "" its first or its last stop.
enum class TripPathSource { kRoutes, kTowns, kFile };

struct TripRequest {
    std::string folder;                   // the program's folder: Daylight.txt and the route files
    std::vector<std::string> routeNames;  // in driving order
    std::string from, to;                 // stops of the first and the last route
    TripPathSource source = TripPathSource::kRoutes;
    std::vector<TownStep> towns;          // in driving order
    std::string pathFile;
    double roadFactor = 1.1;
    TripOptions options;
    TripHomeChoice home;
    // The towns of the folder, when the caller keeps them loaded; none: loaded for a path
    // of towns or from a file. Must outlive the request's planning.
    const TownIndex* townIndex = nullptr;
    // Set from another thread to stop: the outcome is then `cancelled`, without a plan.
    const std::atomic<bool>* cancel = nullptr;
};

// A plan, or the lines that say why there is none (most often one).
struct TripOutcome {
    std::optional<TripPlan> plan;
    std::vector<std::string> error;
    bool cancelled = false;
};

// The home clock of the choice; a zone name the database does not know counts as none.
HomeClock ChooseHomeClock(const TripHomeChoice& choice, ZoneDatabase& zones, int year);

// The rules from the folder's Daylight.txt and Curfews.txt; a file that cannot be read
// or has damaged lines fills `error` instead: "Cannot open file <path>", "<path> line 3:
// <reason>", at most kShownFileProblems lines of a file, then "<path>: and 12 more
// lines it cannot read".
inline constexpr size_t kShownFileProblems = 10;
std::optional<TripRules> ReadTripRules(const std::string& folder, std::vector<std::string>& error);

TripOutcome PlanTripRequest(const TripRequest& request, ZoneDatabase& zones);

} // namespace dawnrule
