// Paths from towns and from tracks: the towns file and --town forms with their errors,
// towns that share a name, miles given and estimated, the miles along a track and the
// towns a track passes within reach.
#include "common/text_file.h"
#include "trip/town_path.h"
#include "trip/waypoint_path.h"

#include "shipped_towns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

const TownIndex& Shipped()
{
    return test::ShippedTowns();
}

TEST(TownPath, TownsFileRoundTripsNamesWithCommasCoordinatesAndMiles)
{
    const std::vector<std::string> lines = {
        "# US-2 east",  "  Ironwood, MI ", "", "Stambaugh, Iron River, MI, 80.5",
        "Salem, AR@36.37,-91.82", "salem, ar@34.63,-92.56, 120",
    };
    const std::vector<TownStep> steps = ReadTownLines(lines, "east.txt");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[1].town.name, "Stambaugh, Iron River");
    EXPECT_EQ(steps[1].miles, 80.5);
    EXPECT_EQ(steps[3].town.state, "AR");
    ASSERT_TRUE(steps[3].town.at);
    EXPECT_EQ(steps[3].town.at->latitude, 34.63);

    char pattern[] = "/tmp/dawnrule-towns-XXXXXX";
    const fs::path folder = ::mkdtemp(pattern);
    const std::string file = (folder / "east.txt").string();
    WriteTownsFile(file, steps);
    EXPECT_EQ(ReadTextLines(file), (std::vector<std::string>{"Ironwood, MI", "Stambaugh, Iron River, MI, 80.5",
                                                            "Salem, AR@36.37,-91.82", "salem, AR@34.63,-92.56, 120"}));
    const std::vector<TownStep> again = ReadTownsFile(file);
    fs::remove_all(folder);
    ASSERT_EQ(again.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(TownLine(again[i]), TownLine(steps[i]));
}

TEST(TownPath, BadTownsNameTheLineOrTheCandidates)
{
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"Tulsa", "east.txt line 1: 'Tulsa': no state code after a comma"},
        {"Tulsa, XX", "east.txt line 1: 'Tulsa, XX': 'XX' is not a state code"},
        {"Tulsa, OK, -3", "the road miles '-3' do not lie above 0"},
        {"Salem, AR@95,-91", "'95' is not a valid latitude"},
        {", OK", "no town before the state code"},
    };
    for (const auto& c : cases) {
        try {
            ReadTownLines({c.text}, "east.txt");
            ADD_FAILURE() << c.text;
        } catch (const TripPlanError& e) {
            EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
        }
    }
    const auto error = [](const std::string& town) {
        try {
            FindTown(Shipped(), ReadTownQuery(town));
        } catch (const TripPlanError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(error("Tusla, OK"), "'Tusla, OK' is not a town of the state lists or U.txt");
    EXPECT_EQ(error("Salem, AR"), "'Salem, AR' names 2 towns: Salem, AR@34.63,-92.56; Salem, AR@36.37,-91.82; "
                                  "pick one as \"Town, ST@lat,lon\"");
    EXPECT_EQ(error("Salem, AR@35.5,-92"), "no 'Salem, AR' within 2 miles of 35.50,-92.00; the lists have "
                                           "Salem, AR@34.63,-92.56; Salem, AR@36.37,-91.82");
    EXPECT_EQ(FindTown(Shipped(), ReadTownQuery("salem, ar@36.38,-91.81")).latitude, 36.37);
}

TEST(TownPath, MilesAsGivenElseRoadFactor)
{
    const TripPath path = TownPath(Shipped(),
                                   {ReadTownArg("Amarillo, TX"), ReadTownArg("Claude, TX=28"),
                                    ReadTownArg("Clarendon, TX"), ReadTownArg("Memphis, TX=28")},
                                   1.25, "towns");
    ASSERT_EQ(path.stops.size(), 4u);
    EXPECT_EQ(path.stops[1].name, "Claude, TX");
    EXPECT_EQ(path.stops[1].state, "TX");
    EXPECT_DOUBLE_EQ(path.stops[1].miles, 28);
    const TripStop &claude = path.stops[1], &clarendon = path.stops[2];
    EXPECT_DOUBLE_EQ(clarendon.miles - 28, 1.25 * GreatCircleMiles(claude.latitude, claude.longitude,
                                                                    clarendon.latitude, clarendon.longitude));
    EXPECT_DOUBLE_EQ(path.stops[3].miles, clarendon.miles + 28);
    EXPECT_EQ(path.milesFrom, "miles as given, road factor 1.25 elsewhere");
    EXPECT_EQ(path.by, "towns");
    EXPECT_THROW(TownPath(Shipped(), {ReadTownArg("Amarillo, TX=5"), ReadTownArg("Claude, TX")}, 1.1, "towns"),
                 TripPlanError);

    const TripPath cut = CutPath(path, "claude, tx", "Memphis, TX");
    ASSERT_EQ(cut.stops.size(), 3u);
    EXPECT_DOUBLE_EQ(cut.stops.back().miles, path.stops[3].miles - 28);
    EXPECT_THROW(CutPath(path, "Memphis, TX", "Claude, TX"), TripPlanError);
}

// A track due north along 100 W from 35 N to 36 N, a point every 0.01 degree, among
// towns at known distances from it.
TEST(TrackPath, MilesAlongTheTrackAndTheTownsWithinReach)
{
    constexpr double kDeg = std::numbers::pi / 180;
    const double milesPerDegree = kEarthRadiusMiles * kDeg;
    // The longitude at `miles` east of the track at a latitude (negative: west).
    const auto off = [](double latitude, double miles) {
        return -100 + std::asin(std::sin(miles / kEarthRadiusMiles) / std::cos(latitude * kDeg)) / kDeg;
    };
    // The miles along the track to the foot of the perpendicular from such a town.
    const auto along = [&](double latitude, double miles) {
        const double foot = std::atan(std::tan(latitude * kDeg) / std::cos((off(latitude, miles) + 100) * kDeg));
        return (foot / kDeg - 35) * milesPerDegree;
    };
    const TownIndex towns({
        {"Start", "TX", 35.0, off(35.0, 0.5)},
        {"Near", "TX", 35.3, off(35.3, 1.9)},
        {"Midway", "OK", 35.6, off(35.6, -1.0)},
        {"Midway", "OK", 35.4, off(35.4, 1.0)},
        {"Far", "TX", 35.5, off(35.5, 2.1)},
        {"End", "OK", 36.0, off(36.0, -1.0)},
        {"Yard", "OK", 35.2, -100.0, true},  // the user's: no town of the track
    });
    std::vector<GeoPoint> track;
    for (int i = 0; i <= 100; ++i)
        track.push_back({35 + i / 100.0, -100});
    const TripPath path = PathAlongTrack(track, towns, "drive.gpx");

    const struct {
        const char* name;
        const char* state;
        double miles;
    } expected[] = {
        {"near Start, TX", "TX", 0},
        {"Near, TX", "TX", along(35.3, 1.9)},
        {"Midway, OK", "OK", along(35.4, 1.0)},
        {"Midway, OK", "OK", along(35.6, -1.0)},
        {"near End, OK", "OK", milesPerDegree},
    };
    ASSERT_EQ(path.stops.size(), std::size(expected));
    for (size_t i = 0; i < path.stops.size(); ++i) {
        EXPECT_EQ(path.stops[i].name, expected[i].name);
        EXPECT_EQ(path.stops[i].state, expected[i].state);
        EXPECT_NEAR(path.stops[i].miles, expected[i].miles, 1e-7) << expected[i].name;
    }
    EXPECT_DOUBLE_EQ(path.stops.back().latitude, 36);  // the track's end, not the town's
    EXPECT_EQ(path.milesFrom, "miles along the track");
    EXPECT_EQ(path.by, "drive.gpx");

    EXPECT_THROW(PathAlongTrack({}, towns, "empty.gpx"), TripPlanError);
    EXPECT_THROW(PathAlongTrack({track[0]}, towns, "dot.gpx"), TripPlanError);
}

} // namespace
} // namespace dawnrule
