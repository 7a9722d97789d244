#include "locations/place_zone.h"

#include "common/number_text.h"
#include "common/vector_state.h"
#include "locations/place_zones_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace dawnrule {

namespace {

constexpr double kEarthRadiusKm = 6371.0088;  // mean radius (IUGG)
constexpr double kDegree = std::numbers::pi / 180;
constexpr double kReachRadians = kPlaceZoneReachKm / kEarthRadiusKm;
constexpr double kReachDegrees = kReachRadians / kDegree;
// Latitude bands of the index, in hundredths of a degree (0.1 degree, 11 km).
constexpr int kBandHundredths = 10;
// Slack on the search box, far above the rounding of its bounds, far below a town's spacing.
constexpr double kBoxSlackDegrees = 1e-6;

struct Point {
    double x, y, z;  // on the unit sphere
};

Point UnitVector(double latitudeDegrees, double longitudeDegrees)
{
    const double lat = latitudeDegrees * kDegree;
    const double lon = longitudeDegrees * kDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double SquaredChord(const Point& a, const Point& b)
{
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}


struct Town {
    double longitude;  // degrees, the band's sort key
    Point at;
    std::uint8_t zone;
};

// The table's towns grouped in latitude bands, each band sorted by longitude.
struct Index {
    int firstBand = 0;
    std::vector<std::uint32_t> bandStart;  // bands + 1 entries into towns
    std::vector<Town> towns;

    int LastBand() const { return firstBand + static_cast<int>(bandStart.size()) - 2; }
};

Index BuildIndex()
{
    Index index;
    if (kPlaceZoneRows.empty())
        return index;
    std::vector<std::pair<int, Town>> banded;
    banded.reserve(kPlaceZoneRows.size());
    int first = std::numeric_limits<int>::max();
    int last = std::numeric_limits<int>::min();
    for (const PlaceZoneRow& row : kPlaceZoneRows) {
        const double lat = row.latitude / 100.0;
        const double lon = row.longitude / 100.0;
        const int band = static_cast<int>(FloorDiv(row.latitude, kBandHundredths));
        first = std::min(first, band);
        last = std::max(last, band);
        banded.push_back({band, Town{lon, UnitVector(lat, lon), row.zone}});
    }
    // Stable: equal keys keep the table's order, so ties always go the same way.
    std::stable_sort(banded.begin(), banded.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.longitude < b.second.longitude;
    });
    index.firstBand = first;
    index.bandStart.assign(static_cast<size_t>(last - first) + 2, 0);
    index.towns.reserve(banded.size());
    for (const auto& [band, town] : banded) {
        ++index.bandStart[static_cast<size_t>(band - first) + 1];
        index.towns.push_back(town);
    }
    for (size_t i = 1; i < index.bandStart.size(); ++i)
        index.bandStart[i] += index.bandStart[i - 1];
    return index;
}

const Index& TheIndex()
{
    static const Index index = BuildIndex();
    return index;
}

} // namespace

std::optional<PlaceZone> FindPlaceZone(double longitude, double latitude)
{
    ClearUpperVectorState(); // full speed after a paint; see common/vector_state.h
    if (!std::isfinite(longitude) || !std::isfinite(latitude) || std::fabs(latitude) > 90)
        return std::nullopt;
    const Index& index = TheIndex();
    if (index.towns.empty())
        return std::nullopt;
    longitude = std::remainder(longitude, 360.0);  // -180 .. 180

    // The box around the circle of reach: latitude bands, and longitude ranges (two when
    // the box crosses the 180th meridian, the whole band near a pole).
    const double latLow = latitude - kReachDegrees - kBoxSlackDegrees;
    const double latHigh = latitude + kReachDegrees + kBoxSlackDegrees;
    const int bandLow = std::max(index.firstBand, static_cast<int>(std::floor(latLow * 100 / kBandHundredths)));
    const int bandHigh = std::min(index.LastBand(), static_cast<int>(std::floor(latHigh * 100 / kBandHundredths)));
    const double widest = std::max(std::fabs(latLow), std::fabs(latHigh));
    const double halfWidth =
        widest >= 89 ? 360 : kReachDegrees / std::cos(widest * kDegree) + kBoxSlackDegrees;
    struct Range {
        double low, high;
    };
    Range ranges[2];
    int rangeCount = 0;
    if (halfWidth >= 180) {
        ranges[rangeCount++] = {-360, 360};
    } else {
        const double low = longitude - halfWidth;
        const double high = longitude + halfWidth;
        ranges[rangeCount++] = {low, high};
        if (low < -180)
            ranges[rangeCount++] = {low + 360, high + 360};
        else if (high > 180)
            ranges[rangeCount++] = {low - 360, high - 360};
    }

    const Point place = UnitVector(latitude, longitude);
    const double chordLimit = 2 * std::sin(kReachRadians / 2);
    const double limit = chordLimit * chordLimit;
    double best = std::numeric_limits<double>::infinity();
    const Town* nearest = nullptr;
    for (int band = bandLow; band <= bandHigh; ++band) {
        const auto begin = index.towns.begin() + index.bandStart[static_cast<size_t>(band - index.firstBand)];
        const auto end = index.towns.begin() + index.bandStart[static_cast<size_t>(band - index.firstBand) + 1];
        for (int r = 0; r < rangeCount; ++r) {
            auto town = std::lower_bound(begin, end, ranges[r].low,
                                         [](const Town& t, double lon) { return t.longitude < lon; });
            for (; town != end && town->longitude <= ranges[r].high; ++town) {
                const double d = SquaredChord(place, town->at);
                if (d <= limit && d < best) {
                    best = d;
                    nearest = &*town;
                }
            }
        }
    }
    if (!nearest)
        return std::nullopt;
    const double distance = 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(best) / 2));
    return PlaceZone{kPlaceZoneNames[nearest->zone], distance};
}

} // namespace dawnrule
