#pragma once

namespace dawnrule {

// The home place that the "Home " button recalls: the values of the home window's
// fields, kept for the whole run and saved in the settings file.
struct HomeLocation {
    double longitude = 0;  // dd.mm as decimal degrees, west negative
    double latitude = 0;   // south negative
    double gmtOffset = 0;  // hours, may hold a half hour
};

} // namespace dawnrule
