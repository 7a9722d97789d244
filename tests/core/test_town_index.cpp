// The town index over the shipped lists: lookups without regard to case, towns that
// share a name, the type-ahead, and its grid against a plain scan of every town for the
// nearest town and the towns near a line; the user's places with and without a state.
#include "trip/town_index.h"
#include "trip/trip_path.h"

#include "shipped_towns.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

const TownIndex& Shipped()
{
    return test::ShippedTowns();
}

double Miles(const Town& t, const GeoPoint& p)
{
    return GreatCircleMiles(t.latitude, t.longitude, p.latitude, p.longitude);
}

// The point a fraction f of the way along the great-circle arc from a to b.
GeoPoint Between(const GeoPoint& a, const GeoPoint& b, double f)
{
    constexpr double d = std::numbers::pi / 180;
    const auto unit = [](const GeoPoint& p) {
        return std::array<double, 3>{std::cos(p.latitude * d) * std::cos(p.longitude * d),
                                     std::cos(p.latitude * d) * std::sin(p.longitude * d), std::sin(p.latitude * d)};
    };
    const auto u = unit(a), v = unit(b);
    const double angle = std::acos(std::min(1.0, u[0] * v[0] + u[1] * v[1] + u[2] * v[2]));
    const double wa = std::sin((1 - f) * angle) / std::sin(angle), wb = std::sin(f * angle) / std::sin(angle);
    const double x = wa * u[0] + wb * v[0], y = wa * u[1] + wb * v[1], z = wa * u[2] + wb * v[2];
    return {std::atan2(z, std::hypot(x, y)) / d, std::atan2(y, x) / d};
}

TEST(TownIndex, FindsTownsWithoutRegardToCaseAndAllOfOneName)
{
    EXPECT_EQ(Shipped().Towns().size(), 17288u);
    const auto falls = Shipped().Find(" wichita FALLS ", "tx");
    ASSERT_EQ(falls.size(), 1u);
    EXPECT_EQ(falls[0]->Label(), "Wichita Falls, TX");
    EXPECT_DOUBLE_EQ(falls[0]->latitude, 33.91);
    const auto salem = Shipped().Find("Salem", "AR");
    ASSERT_EQ(salem.size(), 2u);
    EXPECT_NE(salem[0]->latitude, salem[1]->latitude);
    EXPECT_EQ(Shipped().Find("Stambaugh, Iron River", "MI").size(), 1u);  // a comma in the name
    EXPECT_TRUE(Shipped().Find("Wichita Falls", "OK").empty());
}

TEST(TownIndex, CompletesTypedBeginningsInOrder)
{
    const auto labels = [](std::string_view typed, size_t limit) {
        std::vector<std::string> out;
        for (const Town* t : Shipped().Complete(typed, limit))
            out.push_back(t->Label());
        return out;
    };
    EXPECT_EQ(labels("wichita f", 5), (std::vector<std::string>{"Wichita Falls, TX"}));
    EXPECT_EQ(labels("Tulsa,o", 5), (std::vector<std::string>{"Tulsa, OK"}));
    const std::vector<std::string> springs = labels("SPRINGFIELD, ", 100);
    EXPECT_EQ(springs.size(), 20u);
    EXPECT_TRUE(std::is_sorted(springs.begin(), springs.end()));
    EXPECT_EQ(labels("Springfield", 3).size(), 3u);
    EXPECT_TRUE(labels("Xyzzy", 5).empty());
}

TEST(TownIndex, NearestAndNearLineAgreeWithAScanOfEveryTown)
{
    std::vector<const Town*> lists;
    for (const Town& t : Shipped().Towns())
        lists.push_back(&t);
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> lat(25, 49), lon(-125, -67);
    for (int i = 0; i < 200; ++i) {
        const GeoPoint p{lat(random), lon(random)};
        const Town* scan = *std::min_element(lists.begin(), lists.end(),
                                             [&](const Town* a, const Town* b) { return Miles(*a, p) < Miles(*b, p); });
        ASSERT_EQ(Shipped().Nearest(p), scan) << p.latitude << "," << p.longitude;
    }
    // Alaska's far north and across the 180th meridian too.
    EXPECT_EQ(Shipped().Nearest({71.3, -156.8})->Label(), "Utqiagvik, AK");

    // A zigzag across Oklahoma and Texas of long and short arcs, within 5 miles.
    std::vector<GeoPoint> line{{35.47, -97.52}, {35.0, -97.9}, {33.9, -98.5}, {33.91, -98.49}, {32.7, -97.3}};
    const auto near = Shipped().NearLine(line, 5);
    ASSERT_GT(near.size(), 20u);
    EXPECT_TRUE(std::is_sorted(near.begin(), near.end(),
                               [](const auto& a, const auto& b) { return a.alongMiles < b.alongMiles; }));
    size_t scanned = 0;
    for (const Town* t : lists) {
        if (t->latitude < 32.5 || t->latitude > 35.7 || t->longitude < -98.7 || t->longitude > -97.1)
            continue;  // far from every arc
        // The line's nearest point, by sampling each great-circle arc finely.
        double best = 1e9;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            for (int k = 0; k <= 2000; ++k)
                best = std::min(best, Miles(*t, Between(line[i], line[i + 1], k / 2000.0)));
        }
        const auto found = std::find_if(near.begin(), near.end(), [&](const auto& n) { return n.town == t; });
        if (found != near.end())
            EXPECT_NEAR(found->offMiles, best, 0.01) << t->Label();
        else
            EXPECT_GT(best, 4.99) << t->Label();
        scanned += best < 5;
    }
    EXPECT_EQ(scanned, near.size());
}

TEST(TownIndex, UserPlacesTakeTheirStateOrTheNearestTownsAndAreNoTrackTowns)
{
    char pattern[] = "/tmp/dawnrule-towns-XXXXXX";
    const fs::path folder = ::mkdtemp(pattern);
    for (const auto& entry : fs::directory_iterator(DAWNRULE_SOURCE_DIR "/data")) {
        if (entry.path().filename().string().size() == 6 && entry.path().extension() == ".txt")
            fs::create_symlink(entry.path(), folder / entry.path().filename());
    }
    std::ofstream(folder / "U.txt", std::ios::binary)
        << "Yard 2, OK  N\xB0" "35.40,W\xB0-97.60\r\nDock 7  N35.10,W-101.37\r\nnot a record\r\n";
    const TownIndex index = TownIndex::Load(folder.string());
    fs::remove_all(folder);

    EXPECT_EQ(index.Towns().size(), 17290u);
    ASSERT_EQ(index.Find("yard 2", "ok").size(), 1u);
    const auto dock = index.Find("Dock 7", "TX");  // beside Claude, TX
    ASSERT_EQ(dock.size(), 1u);
    EXPECT_TRUE(dock[0]->user);
    EXPECT_EQ(index.Nearest({35.10, -101.37})->Label(), "Claude, TX");
    for (const TownNearLine& n : index.NearLine({{35.10, -101.37}, {35.40, -97.60}}, 2))
        EXPECT_FALSE(n.town->user) << n.town->Label();
}

} // namespace
} // namespace dawnrule
