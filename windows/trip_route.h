#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The stops of a daylight trip: route files read as the Routes window reads them, joined
// into one drive from a From stop to a To stop.

// What makes a trip impossible to plan from its data: a route file that cannot be read
// or has a bad stop line, a stop that is not on its route, routes that do not meet, a
// stop with no time zone, no daylight for too long. The text says which and where.
class TripPlanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TripStop {
    std::string name;   // the stop line's label without the blanks around it: "Oklahoma City, OK"
    std::string state;  // the two letters after the label's last ", ": "OK"
    double latitude = 0;   // decimal degrees, north positive
    double longitude = 0;  // east positive
};

struct TripRoute {
    std::string name;             // "I-40"
    std::vector<TripStop> stops;  // stop lines in file order; other lines are left out
};

// A route's stops from its file's lines. A stop line is split by SplitStopLine and its
// numbers read by StrToFloat; a label without ", " and a state code after it is refused.
// Throws TripPlanError "File:I-40.txt line 12: <reason>".
TripRoute TripRouteFromLines(const std::string& routeName, const std::vector<std::string>& lines);

// The route file RouteFilePath(folder, routeName), read by ReadTextLines. Throws
// TripPlanError "File:I-40.txt not found" when it cannot be read.
TripRoute ReadTripRoute(const std::string& folder, const std::string& routeName);

// Great-circle miles between two points (sphere of the Earth's mean radius).
double GreatCircleMiles(double latitude1, double longitude1, double latitude2, double longitude2);

// Two routes with no town of the same name may still meet at two stops this close.
inline constexpr double kJunctionReachMiles = 10;

struct TripPath {
    std::vector<TripStop> stops;  // in driving order, From first, To last
    std::vector<double> miles;    // road miles from From to each stop
};

// The drive from `from` (a stop of the first route) to `to` (a stop of the last), stop
// names compared without regard to case. Each route is driven from where the load
// enters it to where it leaves it, backwards where that runs against the file's order.
// Consecutive routes join at a stop of the same name, the one nearest (in road miles
// along the route) to where the load entered the earlier route; when they share no
// name, at the closest pair of stops, one of each, within kJunctionReachMiles, and the
// hop between those two is a leg of its own. Road miles are great-circle miles between
// consecutive stops times roadFactor. Throws TripPlanError for a stop not on its
// route, two routes that do not meet (naming both), and a trip of one stop.
TripPath ChainRoutes(const std::vector<TripRoute>& routes, std::string_view from, std::string_view to,
                     double roadFactor);

} // namespace dawnrule
