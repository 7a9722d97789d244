#pragma once

#include "trip/town_index.h"
#include "trip/trip_path.h"

#include <string>

namespace dawnrule {

struct TripRequest;

// A path from any of the files a dispatcher hands over, by the file's extension
// (without regard to case): ".gpx" (trip/gpx_file.h), ".csv" (trip/path_csv.h), ".txt"
// a towns file (trip/town_path.h). The path is by the file's name. Throws TripPlanError
// for a file that cannot be read or is none of these.
TripPath ReadPathFile(const std::string& path, const TownIndex& towns, double roadFactor);

// The path of a request whose path is its towns or a file: the towns of the request's
// folder loaded, the path built ("towns" for the towns typed) and cut from the request's
// From to its To (CutPath: "" the first or the last stop). Throws TripPlanError.
TripPath TownsOrFilePath(const TripRequest& request);

} // namespace dawnrule
