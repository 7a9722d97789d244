#include "trip/trip_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dawnrule {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

} // namespace

double GreatCircleMiles(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double p1 = latitude1 * kDegree, p2 = latitude2 * kDegree;
    const double dp = p2 - p1, dl = (longitude2 - longitude1) * kDegree;
    const double h =
        std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * kEarthRadiusMiles * std::asin(std::sqrt(std::min(1.0, h)));
}

} // namespace dawnrule
