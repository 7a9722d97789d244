#pragma once

// The time zone of every shipped town, generated into place_zones_table.cpp by
// tools/gen_place_zones.py from tools/published/us-places-zones.tsv. One row per distinct
// point of the state lists (coordinates rounded to two decimals as the lists hold them),
// ordered by latitude, then longitude; towns at the same point share its row (the
// generator refuses a point whose towns lie in different zones).

#include <cstdint>
#include <span>

namespace dawnrule {

struct PlaceZoneRow {
    std::int16_t latitude;   // hundredths of a degree, north positive
    std::int16_t longitude;  // hundredths of a degree, east positive
    std::uint8_t zone;       // index into kPlaceZoneNames
};

extern const std::span<const char* const> kPlaceZoneNames;  // IANA names, sorted
extern const std::span<const PlaceZoneRow> kPlaceZoneRows;

} // namespace dawnrule
