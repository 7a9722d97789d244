#pragma once

#include <optional>
#include <string_view>

namespace dawnrule {

// How far a typed place may lie from the nearest shipped town and still take its zone.
inline constexpr double kPlaceZoneReachKm = 25;

struct PlaceZone {
    std::string_view zone;  // IANA name ("America/Denver"), static storage
    double distanceKm = 0;  // great-circle distance to the town whose zone it is
};

// The time zone of a place from its coordinates as the fields hold them (decimal degrees;
// the fields have two decimals): the zone of the nearest shipped town (the towns of the
// 50 state lists, locations/place_zones_table.h), when it lies within 25 km along the
// great circle (sphere of the Earth's mean radius, 6371.0088 km), none beyond that. A
// shipped town's own coordinates give its own zone at distance 0 (the table holds one
// zone per point). Two towns at exactly the same distance: the one first in the table's
// latitude bands, then by longitude. Longitudes are taken modulo 360; a non-finite
// coordinate or a latitude beyond +-90 has no zone.
//
// The first call builds an index of the table (about a millisecond); every call after
// that reads only the towns in a few narrow latitude bands around the place. Safe to
// call from several threads.
std::optional<PlaceZone> FindPlaceZone(double longitude, double latitude);

} // namespace dawnrule
