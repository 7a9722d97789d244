#pragma once

#include "trip/town_index.h"
#include "trip/trip_path.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// A TripPath from points with coordinates, the way every source other than the route
// files ends: towns typed or listed, waypoints of a CSV file, the points of a GPX route
// or track. Each stop's state (and so its daylight rule) is the one its name ends in
// (", TX"), or else that of the nearest town of the state lists, as its zone is.

// A point of a route: a stop, or a point the road passes that is no stop (an unnamed
// point of a GPX route).
struct Waypoint {
    std::string name;             // Windows-1252; "" for an unnamed point
    GeoPoint at;
    std::optional<double> miles;  // road miles of the leg that reaches this stop, as given
    bool stop = true;
};

// The stops of the points in order: those marked stop, and the first and the last
// point in any case; an unnamed stop is called "near Town, ST" after its nearest town.
// A leg's road miles are the miles given with the stop it reaches, or else the
// great-circle miles through the points between, times `roadFactor`. The path's
// milesFrom tells which (MilesFromText). Throws TripPlanError for fewer than two points
// and for a stop without a state when the state lists are empty.
TripPath PathOfWaypoints(const std::vector<Waypoint>& points, const TownIndex& towns, double roadFactor,
                         const std::string& by);

// How far from a track a town of the state lists may lie and still be a stop of it.
inline constexpr double kTrackReachMiles = 2;

// The path along a track (a recorded drive): road miles measured along it, the sum of
// the great-circle miles between consecutive points, no road factor. Its stops: the
// first and the last point, named "near Town, ST" after their nearest towns, and between
// them every other town of the state lists within kTrackReachMiles of the track, in the
// order the track passes them, each at the miles along the track of the track's point
// nearest it (two towns of one name are two stops). milesFrom is "miles along the
// track". Throws TripPlanError for a track without points or of one point.
TripPath PathAlongTrack(const std::vector<GeoPoint>& track, const TownIndex& towns, const std::string& by);

// The road miles of a leg as a file or the command line gives them: a number above 0
// and up to kMaxLegMiles. Throws TripPlanError "the road miles 'x' ...".
inline constexpr double kMaxLegMiles = 10000;  // more than any drive in the 50 states
double ReadLegMiles(std::string_view text);

// Where a path's miles come from: "road factor 1.1" when no leg had its miles given,
// "miles as given" when every leg had, "miles as given, road factor 1.1 elsewhere" when
// some had.
std::string MilesFromText(bool someGiven, bool someEstimated, double roadFactor);

// A copy of the path from the stop named `from` to the stop named `to` (names compared
// without regard to case; "" is the first or the last stop), its miles counted from
// `from`. Throws TripPlanError for a name that is no stop of the path, or `to` not
// after `from`.
TripPath CutPath(const TripPath& path, const std::string& from, const std::string& to);

} // namespace dawnrule
