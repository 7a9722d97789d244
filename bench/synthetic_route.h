#pragma once

// A route of any length through the shipped towns of the 48 contiguous states, for the
// trip plan's benchmarks: the towns from the south up, in bands of half a degree of
// latitude driven west to east and back in turn, then back down the same way, and so
// on; a town more than kSyntheticLegMiles from the last one taken (across the Gulf, say)
// is passed over, so every leg fits a day's driving.

#include "common/text_file.h"
#include "locations/city_record.h"
#include "locations/us_states.h"
#include "trip/route_path.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace dawnrule::bench {

inline TripRoute SyntheticRoute(int stops)
{
    struct Town {
        int band;
        double latitude, longitude;
        std::string state;
    };
    std::vector<Town> towns;
    for (const UsState& s : kUsStates) {
        if (s.code == "AK" || s.code == "HI")
            continue;
        for (const std::string& line : ReadTextLines(DAWNRULE_SOURCE_DIR "/data/" + StateFileName(s))) {
            const CityRecordValues v = ReadCityRecord(line);
            if (v.latitude && v.longitude)
                towns.push_back({static_cast<int>(std::floor(*v.latitude * 2)), *v.latitude, *v.longitude,
                                 std::string(s.code)});
        }
    }
    std::sort(towns.begin(), towns.end(), [](const Town& a, const Town& b) {
        if (a.band != b.band)
            return a.band < b.band;
        return a.band % 2 ? a.longitude > b.longitude : a.longitude < b.longitude;
    });
    constexpr double kSyntheticLegMiles = 150;
    TripRoute route;
    route.name = "Synthetic";
    const size_t n = towns.size();
    for (size_t i = 0; static_cast<int>(route.stops.size()) < stops; ++i) {
        const size_t lap = i / n, at = i % n;
        const Town& t = towns[lap % 2 ? n - 1 - at : at];
        if (!route.stops.empty() &&
            GreatCircleMiles(route.stops.back().latitude, route.stops.back().longitude, t.latitude, t.longitude) >
                kSyntheticLegMiles)
            continue;
        const std::string name = "Stop " + std::to_string(route.stops.size()) + ", " + t.state;
        route.stops.push_back({name, t.state, t.latitude, t.longitude, 0});
    }
    return route;
}

// The route as the lines of a route file: "  Stop 12, TX  [35.22 -101.83]".
inline std::vector<std::string> RouteFileLines(const TripRoute& route)
{
    std::vector<std::string> lines{route.name};
    for (const TripStop& s : route.stops) {
        char coordinates[48];
        std::snprintf(coordinates, sizeof coordinates, "  [%.2f %.2f]", s.latitude, s.longitude);
        lines.push_back("  " + s.name + coordinates);
    }
    return lines;
}

} // namespace dawnrule::bench
