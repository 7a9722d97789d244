#pragma once

#include "trip/town_index.h"
#include "trip/trip_path.h"
#include "trip/waypoint_path.h"

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// A path from a CSV file of waypoints, as routing programs and spreadsheets export
// them: one stop a line in driving order, "name,lat,lon" or "name,lat,lon,miles", the
// miles those of the leg that reaches the stop (empty: great-circle miles times the
// road factor; the first stop takes none). A first line whose second field begins with
// "lat" ("name,latitude,longitude,miles") is a header. Fields are CSV's: a quoted field
// may hold commas, quotes doubled and line ends; blanks around a field are cut; blank
// lines are left out. The text is read as UTF-8 when it is valid UTF-8 (a byte-order
// mark is dropped), else as Windows-1252. Parsed by libcsv.

// The waypoints of a CSV text; a bad line throws TripPlanError "<fileName> line 3:
// <reason>": a field that does not parse, a coordinate beyond the globe, fewer than
// three or more than four fields.
std::vector<Waypoint> ReadCsvWaypoints(std::string_view text, const std::string& fileName);

// The file (read by ReadTextLines) as a path by its file name.
TripPath ReadCsvPath(const std::string& path, const TownIndex& towns, double roadFactor);

} // namespace dawnrule
