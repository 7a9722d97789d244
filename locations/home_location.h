#pragma once

namespace dawnrule {

// The home place that the "Home " button recalls, as the home window holds it for the
// whole run and the settings file keeps it between runs (lines 4 to 7).
struct HomeLocation {
    double longitude = 0;  // dd.mm as decimal degrees, west negative; two decimals
    double latitude = 0;   // south negative
    double gmtOffset = 0;  // hours, may hold a half hour
    int offsetIndex = 0;   // the entry of the home offset list it came from; -1 for none

    bool operator==(const HomeLocation&) const = default;
};

} // namespace dawnrule
