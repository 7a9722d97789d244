// The files a path comes from and a plan goes to: CSV waypoints (quoted commas, header,
// line numbers in errors), GPX routes and tracks and their errors, a plan written as GPX
// and read back as a path, and as iCalendar parsed back by libical.
#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "trip/gpx_file.h"
#include "trip/path_csv.h"
#include "trip/plan_calendar.h"
#include "trip/town_path.h"
#include "trip/trip_request.h"

#include "shipped_towns.h"

#include <gtest/gtest.h>

#include <libical/ical.h>

#include <sstream>

namespace dawnrule {
namespace {

const TownIndex& Shipped()
{
    return test::ShippedTowns();
}

std::string ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const TripPlanError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(PathFiles, CsvWaypointsWithQuotedCommasHeaderAndMiles)
{
    const std::string text = "\xEF\xBB\xBFname,latitude,longitude,miles\n"
                             "\"Amarillo, TX\",35.22,-101.83,\n"
                             "\n"
                             "  Claude , 35.11 , -101.36 , 28\n"
                             "\"Gate \"\"B\"\", Caf\xC3\xA9\",34.94,-100.89\n";
    const TripPath path = PathOfWaypoints(ReadCsvWaypoints(text, "permit.csv"), Shipped(), 1.1, "permit.csv");
    ASSERT_EQ(path.stops.size(), 3u);
    EXPECT_EQ(path.stops[0].name, "Amarillo, TX");
    EXPECT_EQ(path.stops[1].name, "Claude");
    EXPECT_EQ(path.stops[1].state, "TX");  // of its nearest town
    EXPECT_EQ(path.stops[1].miles, 28);
    EXPECT_EQ(path.stops[2].name, "Gate \"B\", Caf\xE9");  // UTF-8 to Windows-1252
    EXPECT_EQ(path.milesFrom, "miles as given, road factor 1.1 elsewhere");

    const struct {
        std::string text;
        std::string error;
    } bad[] = {
        {"A,35,-101\nB,95,-101\n", "permit.csv line 2: '95' is not a valid latitude"},
        {"A,35,-101\nB,35\n", "permit.csv line 2: 2 fields where"},
        {"A,35,-101,12\nB,35,-100\n", "permit.csv line 1: the first stop takes no miles"},
        {"A,35,-101\nB,35,-100,x\n", "permit.csv line 2: the road miles 'x' is not a valid floating point value"},
        {"A,35,-101\n\"B,35,-100\n", "permit.csv line 2: "},
    };
    for (const auto& c : bad)
        EXPECT_EQ(ErrorOf([&] { ReadCsvWaypoints(c.text, "permit.csv"); }).rfind(c.error, 0), 0u) << c.error;
}

TEST(PathFiles, GpxRoutesTracksAndTheirErrors)
{
    const std::string route = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><rte>
  <rtept lat="35.22" lon="-101.83"><name>Amarillo, TX</name></rtept>
  <rtept lat="35.15" lon="-101.60"/>
  <rtept lat="35.11" lon="-101.36"><name> Claude </name></rtept>
</rte></gpx>)";
    const TripPath byRoute = GpxPath(route, "us287.gpx", Shipped(), 1.1);
    ASSERT_EQ(byRoute.stops.size(), 2u);  // the unnamed point is no stop, but its miles count
    EXPECT_EQ(byRoute.stops[1].name, "Claude");
    EXPECT_DOUBLE_EQ(byRoute.stops[1].miles, 1.1 * (GreatCircleMiles(35.22, -101.83, 35.15, -101.60) +
                                                     GreatCircleMiles(35.15, -101.60, 35.11, -101.36)));

    const std::string track = R"(<gpx:gpx xmlns:gpx="http://www.topografix.com/GPX/1/1"><gpx:trk>
<gpx:trkseg><gpx:trkpt lat="35.22" lon="-101.83"/><gpx:trkpt lat="35.16" lon="-101.59"/></gpx:trkseg>
<gpx:trkseg><gpx:trkpt lat="35.11" lon="-101.36"/></gpx:trkseg></gpx:trk></gpx:gpx>)";
    const TripPath byTrack = GpxPath(track, "drive.gpx", Shipped(), 1.1);
    EXPECT_EQ(byTrack.stops.front().name, "near Amarillo, TX");
    EXPECT_EQ(byTrack.stops.back().name, "near Claude, TX");
    EXPECT_EQ(byTrack.milesFrom, "miles along the track");

    const struct {
        std::string text;
        std::string error;
    } bad[] = {
        {"<gpx>\n<rte>\n<rtept lat=\"35\" lon=\"-101\">\n</gpx>", "f.gpx line 4: not XML: "},
        {"<kml/>", "f.gpx: not a GPX file: its root element is <kml>"},
        {"<gpx><wpt lat=\"35\" lon=\"-101\"/></gpx>", "f.gpx: no route (rte/rtept) or track"},
        {"<gpx><trk><trkseg/></trk></gpx>", "f.gpx: the track has no points"},
        {"<gpx><trk><trkseg>\n<trkpt lat=\"35\" lon=\"-101\"/>\n<trkpt lat=\"35\" lon=\"-181\"/></trkseg></trk></gpx>",
         "f.gpx line 3: '-181' is not a valid longitude"},
        {"<gpx><rte>\n<rtept lat=\"35\"/><rtept lat=\"35\" lon=\"-100\"/></rte></gpx>",
         "f.gpx line 2: a <rtept> without lat and lon"},
    };
    for (const auto& c : bad)
        EXPECT_EQ(ErrorOf([&] { GpxPath(c.text, "f.gpx", Shipped(), 1.1); }).rfind(c.error, 0), 0u) << c.error;
}

class PlanFiles : public ::testing::Test {
protected:
    TripPlan Plan(double drivingHours)
    {
        const TripPath path = TownPath(Shipped(),
                                       {ReadTownArg("Amarillo, TX"), ReadTownArg("Claude, TX"),
                                        ReadTownArg("Clarendon, TX"), ReadTownArg("Childress, TX"),
                                        ReadTownArg("Vernon, TX"), ReadTownArg("Wichita Falls, TX"),
                                        ReadTownArg("Fort Worth, TX")},
                                       1.1, "towns");
        TripOptions options;
        options.departDate = {2027, 1, 11};
        options.drivingHours = drivingHours;
        std::vector<std::string> error;
        const TripRules rules = ReadTripRules(DAWNRULE_SOURCE_DIR "/data", error).value();
        return PlanTrip(path, options, rules, {&zones, &home});
    }

    QtZoneDatabase zones;
    HomeClock home = HomeClock::OfOffset(-6);
};

TEST_F(PlanFiles, GpxOfAPlanReadsBackAsItsPath)
{
    const TripPlan plan = Plan(3);  // parks on the way: stops with two rows
    ASSERT_GT(plan.rows.size(), 7u);
    const std::string gpx = TripPlanGpx(plan);
    const TripPath back = GpxPath(gpx, "plan.gpx", Shipped(), 1.1);
    std::vector<const TripStopRow*> stops;
    for (const TripStopRow& r : plan.rows) {
        if (stops.empty() || r.stop != stops.back()->stop)
            stops.push_back(&r);
    }
    ASSERT_EQ(back.stops.size(), stops.size());
    for (size_t i = 0; i < stops.size(); ++i) {
        EXPECT_EQ(back.stops[i].name, stops[i]->stop);
        EXPECT_NEAR(back.stops[i].latitude, stops[i]->latitude, 1e-9);
        EXPECT_NEAR(back.stops[i].longitude, stops[i]->longitude, 1e-9);
    }
    // The first waypoint leaves at the departure, in UTC.
    EXPECT_NE(gpx.find("<time>" + IsoUtcText(plan.rows.front().depart->utc) + "</time>"), std::string::npos);
    EXPECT_EQ(IsoUtcText(1799673960), "2027-01-11T13:26:00Z");
}

TEST_F(PlanFiles, IcsHasAnEventADayInFoldedCrLfLines)
{
    const TripPlan plan = Plan(3);
    const size_t driven = std::count_if(plan.days.begin(), plan.days.end(), [](const TripDay& d) { return d.roll && d.park; });
    ASSERT_GE(driven, 3u);
    const std::string ics = TripPlanIcs(plan, 1799600000);
    size_t start = 0, lines = 0;
    for (size_t end; (end = ics.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
        EXPECT_LE(end - start, 75u) << ics.substr(start, end - start);
        EXPECT_EQ(ics.substr(start, end - start).find('\n'), std::string::npos);
    }
    EXPECT_EQ(start, ics.size());  // every line ends in CR LF
    EXPECT_GT(lines, 10 * driven);

    icalcomponent* calendar = icalparser_parse_string(ics.c_str());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), static_cast<int>(driven));
    icalcomponent* first = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstart(first)), plan.days.front().roll->time.utc);
    EXPECT_EQ(std::string(icalcomponent_get_location(first)), "Amarillo, TX to " + plan.days.front().park->stop);
    EXPECT_NE(std::string(icalcomponent_get_description(first)).find("Claude, TX: arrive "), std::string::npos);
    icalcomponent_free(calendar);
}

} // namespace
} // namespace dawnrule
