// The zone of a place: the shipped towns' own zones, typed coordinates near and far, the
// 25 km reach, and the index against a plain scan of the whole table.
#include "common/text_file.h"
#include "locations/city_record.h"
#include "locations/place_zone.h"
#include "locations/place_zones_table.h"
#include "locations/us_states.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

namespace dawnrule {
namespace {

const std::string kSource = DAWNRULE_SOURCE_DIR;
constexpr double kRadiusKm = 6371.0088;
constexpr double kDeg = std::numbers::pi / 180;

struct Coordinates {
    double longitude, latitude;
};

// The coordinates the fields take when the town is picked from its state list.
Coordinates ShippedTown(const std::string& state, const std::string& town)
{
    const std::vector<std::string> lines = ReadTextLines(kSource + "/data/" + state + ".txt");
    for (const std::string& line : lines) {
        if (line.rfind(town + "  ", 0) != 0)
            continue;
        const CityRecordValues v = ReadCityRecord(line);
        if (v.Complete())
            return {*v.longitude, *v.latitude};
    }
    ADD_FAILURE() << town << " is not in " << state << ".txt";
    return {0, 0};
}

// The point `km` along the great circle from a place, heading `bearing` degrees from north.
Coordinates Moved(Coordinates from, double km, double bearing)
{
    const double d = km / kRadiusKm, t = bearing * kDeg;
    const double lat1 = from.latitude * kDeg, lon1 = from.longitude * kDeg;
    const double lat2 = std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(t));
    const double lon2 =
        lon1 + std::atan2(std::sin(t) * std::sin(d) * std::cos(lat1), std::cos(d) - std::sin(lat1) * std::sin(lat2));
    return {lon2 / kDeg, lat2 / kDeg};
}

// Haversine distance, the way a reader checks it by hand.
double HaversineKm(Coordinates a, Coordinates b)
{
    const double p1 = a.latitude * kDeg, p2 = b.latitude * kDeg;
    const double dl = (b.longitude - a.longitude) * kDeg;
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return 2 * kRadiusKm * std::asin(std::sqrt(h));
}

std::string ZoneAt(Coordinates c)
{
    const std::optional<PlaceZone> z = FindPlaceZone(c.longitude, c.latitude);
    return z ? std::string(z->zone) : "(none)";
}

TEST(PlaceZone, TownsOfTheSplitStatesAndTheZonesWithoutDaylightTime)
{
    const struct {
        const char* state;
        const char* town;
        const char* zone;
    } rows[] = {
        {"TX", "El Paso", "America/Denver"},       {"TX", "Dallas", "America/Chicago"},
        {"FL", "Pensacola", "America/Chicago"},    {"FL", "Tallahassee", "America/New_York"},
        {"IN", "Gary", "America/Chicago"},         {"IN", "Indianapolis", "America/Indiana/Indianapolis"},
        {"ID", "Boise", "America/Boise"},          {"ID", "Coeur d'Alene", "America/Los_Angeles"},
        {"OR", "Ontario", "America/Boise"},        {"OR", "Portland", "America/Los_Angeles"},
        {"AZ", "Window Rock", "America/Denver"},   {"AZ", "Phoenix", "America/Phoenix"},
        {"HI", "Honolulu", "Pacific/Honolulu"},    {"AK", "Utqiagvik", "America/Anchorage"},
        {"AK", "Nome", "America/Nome"},            {"ND", "Fargo", "America/Chicago"},
        {"KY", "Louisville", "America/Kentucky/Louisville"},
    };
    for (const auto& r : rows) {
        const Coordinates c = ShippedTown(r.state, r.town);
        const std::optional<PlaceZone> z = FindPlaceZone(c.longitude, c.latitude);
        ASSERT_TRUE(z) << r.town;
        EXPECT_EQ(z->zone, r.zone) << r.town;
        EXPECT_EQ(z->distanceKm, 0) << r.town;
    }
}

TEST(PlaceZone, EveryTownOfTheShippedListsIsATablePoint)
{
    int towns = 0;
    for (const UsState& state : kUsStates) {
        for (const std::string& line : ReadTextLines(kSource + "/data/" + std::string(state.code) + ".txt")) {
            const CityRecordValues v = ReadCityRecord(line);
            ASSERT_TRUE(v.Complete()) << line;
            const std::optional<PlaceZone> z = FindPlaceZone(*v.longitude, *v.latitude);
            ASSERT_TRUE(z) << line;
            EXPECT_EQ(z->distanceKm, 0) << line;
            ++towns;
        }
    }
    EXPECT_EQ(towns, 17288);
}

TEST(PlaceZone, TypedCoordinatesNearATownAndFarFromEveryTown)
{
    const Coordinates elPaso = ShippedTown("TX", "El Paso");
    const Coordinates nearElPaso{elPaso.longitude + 0.03, elPaso.latitude - 0.02};  // some 3.5 km off
    const std::optional<PlaceZone> z = FindPlaceZone(nearElPaso.longitude, nearElPaso.latitude);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->zone, "America/Denver");
    EXPECT_GT(z->distanceKm, 1);
    EXPECT_LT(z->distanceKm, 6);

    const Coordinates honolulu = ShippedTown("HI", "Honolulu");
    EXPECT_EQ(ZoneAt(Moved(honolulu, 4, 200)), "Pacific/Honolulu");

    // Mid-Nevada (80 km from Tonopah), the Gulf of Mexico, the open Pacific, the South.
    for (const Coordinates far : {Coordinates{-116.5, 38.5}, Coordinates{-90.0, 26.0}, Coordinates{-140.0, 30.0},
                                  Coordinates{-58.4, -34.6}, Coordinates{2.35, 48.85}}) {
        EXPECT_EQ(ZoneAt(far), "(none)") << far.longitude << " " << far.latitude;
    }
}

TEST(PlaceZone, ReachEndsAt25Kilometres)
{
    // Towns with no other town within 90 km: Jordan MT, and Utqiagvik at 71 N, where a
    // degree of longitude is only 36 km.
    for (const auto& [state, town] : {std::pair{"MT", "Jordan"}, std::pair{"AK", "Utqiagvik"}}) {
        const Coordinates at = ShippedTown(state, town);
        const std::string zone = ZoneAt(at);
        for (const double bearing : {0.0, 90.0, 180.0, 270.0, 45.0}) {
            const Coordinates inside = Moved(at, 24.9, bearing);
            const std::optional<PlaceZone> z = FindPlaceZone(inside.longitude, inside.latitude);
            ASSERT_TRUE(z) << town << " " << bearing;
            EXPECT_EQ(z->zone, zone);
            EXPECT_NEAR(z->distanceKm, 24.9, 1e-6);
            const Coordinates outside = Moved(at, 25.1, bearing);
            EXPECT_EQ(ZoneAt(outside), "(none)") << town << " " << bearing;
        }
    }
}

TEST(PlaceZone, OddInputHasNoZoneOrWrapsTheLongitude)
{
    const Coordinates boise = ShippedTown("ID", "Boise");
    EXPECT_EQ(ZoneAt({boise.longitude + 360, boise.latitude}), "America/Boise");
    EXPECT_EQ(ZoneAt({boise.longitude - 720, boise.latitude}), "America/Boise");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const Coordinates c : {Coordinates{nan, 40}, Coordinates{-100, nan}, Coordinates{inf, 40}, Coordinates{-100, -inf},
                                Coordinates{-100, 90.5}, Coordinates{-100, 90}, Coordinates{0, -90}, Coordinates{180, 0},
                                Coordinates{-180, 65}, Coordinates{179.99, 65}}) {
        EXPECT_EQ(ZoneAt(c), "(none)") << c.longitude << " " << c.latitude;
    }
}

// The index gives what a scan of every row gives, for points spread around the towns
// (within and beyond the reach), across band edges and at the northern and western ends.
TEST(PlaceZone, IndexAgreesWithAScanOfTheWholeTable)
{
    std::mt19937 rng(17288);
    std::uniform_int_distribution<size_t> pick(0, kPlaceZoneRows.size() - 1);
    std::uniform_real_distribution<double> km(0, 40), bearing(0, 360);
    int found = 0;
    const int points = 1500;
    for (int i = 0; i < points; ++i) {
        const PlaceZoneRow& row = kPlaceZoneRows[pick(rng)];
        const Coordinates q = Moved({row.longitude / 100.0, row.latitude / 100.0}, km(rng), bearing(rng));
        double best = std::numeric_limits<double>::infinity();
        int zone = -1;
        for (const PlaceZoneRow& r : kPlaceZoneRows) {
            const double d = HaversineKm(q, {r.longitude / 100.0, r.latitude / 100.0});
            if (d < best) {
                best = d;
                zone = r.zone;
            }
        }
        const std::optional<PlaceZone> z = FindPlaceZone(q.longitude, q.latitude);
        if (best > kPlaceZoneReachKm + 1e-6) {
            EXPECT_FALSE(z) << q.longitude << " " << q.latitude << " nearest at " << best;
            continue;
        }
        if (best < kPlaceZoneReachKm - 1e-6) {
            ASSERT_TRUE(z) << q.longitude << " " << q.latitude << " nearest at " << best;
            EXPECT_NEAR(z->distanceKm, best, 1e-6);
            // Two towns at the very same distance may differ; none lies this close here.
            EXPECT_EQ(z->zone, kPlaceZoneNames[static_cast<size_t>(zone)]) << q.longitude << " " << q.latitude;
            ++found;
        }
    }
    EXPECT_GT(found, points / 2);  // most points lie within reach of some town
    EXPECT_LT(found, points);
}

} // namespace
} // namespace dawnrule
