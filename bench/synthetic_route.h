#pragma once

// A route of any length through the shipped towns of the 48 contiguous states, for the
// trip plan's benchmarks: the towns from the south up, in bands of half a degree of
// latitude driven west to east and back in turn (so the legs are short but for the
// turns), then back down the same way, and so on.

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
    TripRoute route;
    route.name = "Synthetic";
    const size_t n = towns.size();
    for (int i = 0; i < stops; ++i) {
        const size_t lap = static_cast<size_t>(i) / n, at = static_cast<size_t>(i) % n;
        const Town& t = towns[lap % 2 ? n - 1 - at : at];
        route.stops.push_back({"Stop " + std::to_string(i) + ", " + t.state, t.state, t.latitude, t.longitude, 0});
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
