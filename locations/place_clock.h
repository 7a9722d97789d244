#pragma once

#include "app/zone_clock.h"
#include "locations/place_zone.h"

#include <optional>
#include <string>
#include <string_view>

namespace dawnrule {

// The clock of a place: the zone of the nearest shipped town within reach
// (FindPlaceZone), as the system's zone database keeps it. Every part of the program
// that shows a place in its own clock looks it up here.
struct PlaceClock {
    std::optional<PlaceZone> zone;     // none beyond kPlaceZoneReachKm of every town
    const ZoneClock* clock = nullptr;  // none without a zone, or when the database does not know it

    explicit operator bool() const { return clock != nullptr; }
    // Why there is no clock, for a message about `what` ("'Needles, CA'"): "no town of the
    // state lists within 25 km of ..." or "the zone database does not know 'America/X' of ...".
    std::string Missing(std::string_view what) const;
};

PlaceClock FindPlaceClock(ZoneDatabase& zones, double longitude, double latitude);

} // namespace dawnrule
