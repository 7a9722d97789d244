#pragma once

#include "trip/town_index.h"
#include "trip/trip_path.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// A path named by its towns in driving order, as an oversize permit names its route,
// each town optionally with the road miles of the leg that reaches it (the permit's
// figure); a leg without them takes great-circle miles times the road factor.
//
// A town is written "Town, ST" (the name as the state list has it, without regard to
// case); where several towns of that name lie in the state, "Town, ST@lat,lon" picks the
// one at those coordinates (within kTownPickMiles). The towns file holds one town a
// line, Windows-1252 with CR LF:
//
//     Amarillo, TX
//     Claude, TX, 28
//     Salem, AR@36.37,-91.82, 41.5
//
// "Town, ST" or "Town, ST, miles", "@lat,lon" after the state code where needed. The
// state code and the miles are read from the right: the last comma before them ends the
// name, so a name with commas in it ("Stambaugh, Iron River, MI") stays whole and
// reads back as written. No name of the lists holds an "@", which starts the
// coordinates. Blank lines and lines starting with "#" are left out. The command line's
// --town takes the same town with its miles after "=": "Okmulgee, OK=37".

inline constexpr double kTownPickMiles = 2;

struct TownQuery {
    std::string name;             // "Salem"
    std::string state;            // "AR", in capitals
    std::optional<GeoPoint> at;   // "@lat,lon"
};

struct TownStep {
    TownQuery town;
    std::optional<double> miles;  // road miles of the leg that reaches this town
};

// "Town, ST" or "Town, ST@lat,lon". Throws TripPlanError naming the text and what is
// wrong with it.
TownQuery ReadTownQuery(std::string_view text);

// The town a query names. Throws TripPlanError when no town of the lists has that name,
// and when several have and the query does not pick one, listing them with their
// coordinates as "Town, ST@lat,lon".
const Town& FindTown(const TownIndex& towns, const TownQuery& query);

// "Town, ST[@lat,lon]=miles", the command line's --town.
TownStep ReadTownArg(std::string_view text);

// A towns file's lines; a bad line throws TripPlanError "<fileName> line 3: <reason>".
std::vector<TownStep> ReadTownLines(const std::vector<std::string>& lines, const std::string& fileName);
// The file read by ReadTextLines ("Cannot open file <path>" when it cannot be).
std::vector<TownStep> ReadTownsFile(const std::string& path);

// A step as a line of the towns file; the coordinates written only where the query has them.
std::string TownLine(const TownStep& step);
// The steps written atomically by WriteTextLines (FileError when they cannot be).
void WriteTownsFile(const std::string& path, const std::vector<TownStep>& steps);

// The path through the towns, named by "Town, ST", `by` as given.
TripPath TownPath(const TownIndex& towns, const std::vector<TownStep>& steps, double roadFactor,
                  const std::string& by);

} // namespace dawnrule
