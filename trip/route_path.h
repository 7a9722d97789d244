#pragma once

#include "trip/trip_path.h"

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The path of a daylight trip along route files (Interstates): the files read as the
// Routes report reads them, joined into one drive from a From stop to a To stop.

struct TripRoute {
    std::string name;             // "I-40"
    std::vector<TripStop> stops;  // stop lines in file order; other lines are left out
};

// A route's stops from its file's lines (ReadStopLine: coordinates within the globe); a
// label without ", " and a state code after it is refused. The stops' miles are 0.
// Throws TripPlanError "File:I-40.txt line 12: <reason>".
TripRoute TripRouteFromLines(const std::string& routeName, const std::vector<std::string>& lines);

// The route file RouteFilePath(folder, routeName), read by ReadTextLines. Throws
// TripPlanError with RouteFileProblem's text, or the name's fault, when it cannot be read.
TripRoute ReadTripRoute(const std::string& folder, const std::string& routeName);

// Two routes with no town of the same name may still meet at two stops this close.
inline constexpr double kJunctionReachMiles = 10;

// The drive from `from` (a stop of the first route) to `to` (a stop of the last), stop
// names compared without regard to case. Each route is driven from where the load
// enters it to where it leaves it, backwards where that runs against the file's order.
// Consecutive routes join at a stop of the same name, the one nearest (in road miles
// along the route) to where the load entered the earlier route; when they share no
// name, at the closest pair of stops, one of each, within kJunctionReachMiles, and the
// hop between those two is a leg of its own. Road miles are great-circle miles between
// consecutive stops times roadFactor. The path is by the routes' names ("I-35, I-40"),
// its miles from the road factor ("road factor 1.1"). Throws TripPlanError for a stop not on its
// route, two routes that do not meet (naming both), and a trip of one stop.
TripPath ChainRoutes(const std::vector<TripRoute>& routes, std::string_view from, std::string_view to,
                     double roadFactor);

} // namespace dawnrule
