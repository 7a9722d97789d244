#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace dawnrule {

// The planner's only view of a route: the stops the load passes, in driving order, with
// the road miles from the first. Where the stops and miles come from (route files joined
// From to To, and the road factor that turns straight-line miles into road miles) is
// the business of whoever builds the path.

// What makes a trip impossible to plan from its data: a route file that cannot be read
// or has a bad stop line, a stop that is not on its route, routes that do not meet, a
// stop with no time zone, no daylight for too long. The text says which and where.
class TripPlanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TripStop {
    std::string name;      // "Oklahoma City, OK"
    std::string state;     // "OK"
    double latitude = 0;   // decimal degrees, north positive
    double longitude = 0;  // east positive
    double miles = 0;      // road miles from the path's first stop
};

struct TripPath {
    std::vector<TripStop> stops;  // in driving order, From first, To last; miles never decrease
    std::string by;               // what the plan's heading names the way by: "I-35, I-40"
    std::string milesFrom;        // where the miles came from: "road factor 1.1"
};

// The Earth's mean radius (IUGG, 6371.0088 km) in statute miles.
inline constexpr double kEarthRadiusMiles = 6371.0088 / 1.609344;

// Great-circle miles between two points (sphere of the Earth's mean radius).
double GreatCircleMiles(double latitude1, double longitude1, double latitude2, double longitude2);

} // namespace dawnrule
