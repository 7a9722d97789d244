#include "locations/place_clock.h"

namespace dawnrule {

std::string PlaceClock::Missing(std::string_view what) const
{
    if (!zone) {
        return "no time zone known for " + std::string(what) + ": no town of the state lists within " +
               std::to_string(static_cast<int>(kPlaceZoneReachKm)) + " km";
    }
    return "the zone database does not know '" + std::string(zone->zone) + "' of " + std::string(what);
}

PlaceClock FindPlaceClock(ZoneDatabase& zones, double longitude, double latitude)
{
    PlaceClock place;
    place.zone = FindPlaceZone(longitude, latitude);
    if (place.zone)
        place.clock = zones.Find(place.zone->zone);
    return place;
}

} // namespace dawnrule
