#pragma once

#include "trip/town_index.h"
#include "trip/trip_path.h"
#include "trip/trip_plan.h"

#include <string>
#include <string_view>

namespace dawnrule {

// GPX 1.1, the exchange format of truck GPS units and routing programs, both ways: a
// route or a recorded track read as a path, and a plan written for the driver's GPS or
// phone.
//
// XML is read and written with pugixml: a small, fast DOM parser that is packaged by
// Debian, keeps the core free of Qt, and reaches the few elements a GPX file needs
// (gpx, rte/rtept, trk/trkseg/trkpt, name) by walking children, with no XPath or schema
// machinery. It reads and writes UTF-8 throughout (it converts a file that declares
// another encoding); GPX text is UTF-8 while the program's names are Windows-1252, so
// names pass through common/cp1252.h both ways. Element names are matched without
// their namespace prefix.

// The path of a GPX text. Its first route (rte) with points, when it has one: the
// points' names are the stops (Windows-1252), the first and last point stops in any
// case, and the legs' miles are great-circle miles through all points times the road
// factor. Otherwise its tracks (every trkpt of every trkseg of every trk, in order) as
// PathAlongTrack reads them. `fileName` names the path (`by`) and the errors. Throws
// TripPlanError "<fileName> line 12: <reason>" for text that is not XML and for a point
// without coordinates or beyond the globe, "<fileName>: <reason>" for a root that is no
// <gpx>, a file without route or track points, and a track of fewer than two points.
TripPath GpxPath(std::string_view text, const std::string& fileName, const TownIndex& towns, double roadFactor);

// The file (read by ReadTextLines) as a path by its file name.
TripPath ReadGpxPath(const std::string& path, const TownIndex& towns, double roadFactor);

// The plan as GPX 1.1: a waypoint for each stop in driving order (name, coordinates, its
// <time> the departure, at the last stop the arrival, in UTC; its <desc> each of its
// dates' arrival and departure in the stop's clock, the window to roll in and the
// flags), and the stops as a route (rte) named after the plan.
std::string TripPlanGpx(const TripPlan& plan);
// Written atomically by WriteTextLines; FileError "Cannot create file <path>" when not.
void WriteTripPlanGpx(const std::string& path, const TripPlan& plan);

// "2026-12-21T13:38:00Z": ISO 8601 in UTC.
std::string IsoUtcText(std::int64_t utc);

} // namespace dawnrule
