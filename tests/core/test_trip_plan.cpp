// The daylight trip plan: its rules checked as properties of whole plans along the
// shipped routes (never leaves before the window opens, arrives within the window and
// the day's hours but for flagged long legs, never parks while the next stop is within
// reach, rests on Sundays and holidays), routes driven backwards and joined, the clock
// change in March, polar days, and the guard against endless waiting.
#include "app/fixed_offset_clock.h"
#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "locations/place_zone.h"
#include "trip/route_path.h"
#include "trip/trip_plan.h"
#include "trip/trip_plan_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;
const std::string kData = DAWNRULE_SOURCE_DIR "/data";

class TripPlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shipped = ParseDaylightRules(ReadTextLines(kData + "/Daylight.txt")).rules;
        folder = fs::temp_directory_path() / ("dawnrule-trip-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void WriteRoute(const std::string& name, const std::vector<std::string>& lines)
    {
        std::ofstream f(folder / (name + ".txt"), std::ios::binary);
        for (const std::string& l : lines)
            f << l << "\r\n";
    }

    struct Trip {
        TripPath path;
        TripOptions options;
        TripRules rules;
    };

    Trip Input(const std::vector<std::string>& routes, const std::string& from, const std::string& to,
               CivilDate date, const std::string& dir = kData)
    {
        std::vector<TripRoute> read;
        for (const std::string& r : routes) {
            read.push_back(ReadTripRoute(dir, r));
            for (const TripStop& s : read.back().stops)
                stops[s.name] = s;
        }
        Trip in;
        in.path = ChainRoutes(read, from, to, 1.1);
        in.options.departDate = date;
        in.rules.daylight = shipped;
        return in;
    }

    TripPlan Plan(const Trip& in) { return PlanTrip(in.path, in.options, in.rules, {&zones, &home}); }

    const ZoneClock& ClockOf(const std::string& stop)
    {
        const TripStop& s = stops.at(stop);
        return *zones.Find(FindPlaceZone(s.longitude, s.latitude)->zone);
    }

    TravelWindow WindowAt(const Trip& in, const std::string& stop, std::int64_t t)
    {
        const TripStop& s = stops.at(stop);
        const ZoneClock& zone = ClockOf(stop);
        const CivilDate date = DateOfDays(static_cast<int>((t + zone.OffsetAt(t)) / 86400));
        return ComputeTravelWindow(in.rules.daylight.ForState(s.state), s.longitude, s.latitude, date, zone);
    }

    void CheckRules(const Trip& in, const TripPlan& plan);

    QtZoneDatabase zones;
    HomeClock home = HomeClock::OfOffset(-6);
    DaylightRules shipped;
    std::map<std::string, TripStop> stops;
    fs::path folder;
};

void TripPlanTest::CheckRules(const Trip& in, const TripPlan& plan)
{
    const std::int64_t limit = std::llround(in.options.hoursPerDay * 3600);
    std::int64_t today = 0;  // seconds driven since the last park
    const TripStopRow* leaving = nullptr;
    bool longLegToday = false;
    for (const TripStopRow& row : plan.rows) {
        SCOPED_TRACE(row.stop + " day " + std::to_string(row.day));
        EXPECT_EQ(row.rule == "unknown", (row.flags & kTripCheckPermit) != 0);
        const bool rest = in.options.restSundaysAndHolidays && (WeekdayOf(row.date) == 0 || (row.flags & kTripHoliday));
        if (row.arrive) {
            ASSERT_TRUE(leaving && leaving->depart);
            const std::int64_t leg = row.arrive->utc - leaving->depart->utc;
            today += leg;
            const bool longLeg = row.flags & kTripLongLeg;
            longLegToday |= longLeg;
            if (!longLeg) {
                ASSERT_TRUE(row.rollFrom && row.parkBy);
                EXPECT_GE(row.arrive->utc, row.rollFrom->utc);
                EXPECT_LE(row.arrive->utc, row.parkBy->utc);
                EXPECT_FALSE(rest) << "arrives on a rest day";
            }
            EXPECT_TRUE(limit == 0 || longLegToday || today <= limit) << "drove " << today << " s";
        }
        if (row.flags & kTripPark) {
            // Parks only when going on breaks a limit: B's window or the day's hours.
            for (const TripStopRow* r = &row + 1; r <= &plan.rows.back(); ++r) {
                if (r->arrive) {
                    const std::int64_t leg = r->arrive->utc - (r - 1)->depart->utc;
                    const std::int64_t at = row.arrive->utc + leg;
                    const TravelWindow there = WindowAt(in, r->stop, at);
                    const bool hours = limit > 0 && today + leg > limit;
                    const bool window = !there.open || at > there.end || at < there.start ||
                                        row.arrive->utc > row.parkBy->utc;
                    EXPECT_TRUE(hours || window) << "parks early before " << r->stop;
                    break;
                }
            }
            today = 0;
            longLegToday = false;
        }
        if (row.depart) {
            ASSERT_TRUE(row.rollFrom && row.parkBy);
            EXPECT_GE(row.depart->utc, row.rollFrom->utc) << "leaves before the window opens";
            EXPECT_LE(row.depart->utc, row.parkBy->utc) << "leaves after the window closed";
            EXPECT_FALSE(rest) << "rolls on a rest day";
            leaving = &row;
        }
    }
    EXPECT_TRUE(plan.rows.front().flags & kTripStart);
    EXPECT_TRUE(plan.rows.back().flags & kTripEnd);
    for (const TripDay& d : plan.days) {
        const bool bounded = limit > 0 && !(d.flags & kTripLongLeg);
        EXPECT_TRUE(!bounded || d.drivingHours * 3600 <= limit + 1) << "day " << d.day;
    }
}

TEST_F(TripPlanTest, KeepsTheDaylightRulesAlongShippedRoutes)
{
    const struct {
        std::vector<std::string> routes;
        const char* from;
        const char* to;
        CivilDate date;
        std::optional<int> minute;
        double hours;
        bool rest;
    } cases[] = {
        {{"I-40"}, "Oklahoma City, OK", "Flagstaff, AZ", {2026, 12, 21}, {}, 11, false},
        {{"I-40"}, "Flagstaff, AZ", "Oklahoma City, OK", {2026, 12, 26}, 12 * 60, 4, true},  // backwards, rests
        {{"I-90"}, "Seattle, WA", "Boston, MA", {2026, 6, 19}, {}, 8, false},
        {{"I-95"}, "Miami, FL", "Houlton, ME", {2026, 11, 20}, 15 * 60, 9, true},  // Thanksgiving, Sundays
        {{"I-35", "I-40"}, "Dallas, TX", "Barstow, CA", {2026, 3, 6}, {}, 11, false},
        {{"I-65"}, "Nashville, TN", "Columbus, IN", {2026, 1, 9}, 22 * 60, 0, false},  // night in KY, TN
        {{"I-80"}, "San Francisco, CA", "Teaneck, NJ", {2026, 10, 30}, {}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        Trip in = Input(c.routes, c.from, c.to, c.date);
        in.options.departMinute = c.minute;
        in.options.hoursPerDay = c.hours;
        in.options.restSundaysAndHolidays = c.rest;
        const TripPlan plan = Plan(in);
        CheckRules(in, plan);
    }
}

std::vector<std::string> StopsOf(const TripPlan& plan)
{
    std::vector<std::string> names;
    for (const TripStopRow& r : plan.rows) {
        if (names.empty() || names.back() != r.stop)
            names.push_back(r.stop);
    }
    return names;
}

TEST_F(TripPlanTest, DrivesARouteBackwardsWhenToComesFirst)
{
    const TripPlan east = Plan(Input({"I-40"}, "Kingman, AZ", "Amarillo, TX", {2026, 6, 1}));
    const TripPlan west = Plan(Input({"I-40"}, "amarillo, tx", "Kingman, AZ", {2026, 6, 1}));
    std::vector<std::string> back = StopsOf(west);
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(StopsOf(east), back);
    EXPECT_EQ(StopsOf(east).front(), "Kingman, AZ");
    EXPECT_NEAR(east.totalMiles, west.totalMiles, 1e-9);
}

TEST_F(TripPlanTest, JoinsRoutesAtACommonTownOrTwoNearStops)
{
    // I-35 north from Dallas meets I-40 at Oklahoma City: it stands once in the plan.
    const std::vector<std::string> joined = StopsOf(Plan(Input({"I-35", "I-40"}, "Dallas, TX", "Amarillo, TX",
                                                                   {2026, 6, 1})));
    EXPECT_EQ(std::count(joined.begin(), joined.end(), "Oklahoma City, OK"), 1);
    EXPECT_EQ(joined[joined.size() - 2], "Shamrock, TX");

    // No town of the same name, but two stops 4 miles apart: the hop is a leg.
    WriteRoute("North", {"North", "  Guthrie, OK  [35.88 -97.43]", "  Edmond, OK  [35.65 -97.48]"});
    WriteRoute("West", {"  El Reno, OK  [35.53 -97.95]", "Line", "  Yukon, OK  [35.51 -97.76]",
                        "  Oklahoma City, OK  [35.60 -97.49]"});
    const TripPlan hop = Plan(Input({"North", "West"}, "Guthrie, OK", "El Reno, OK", {2026, 6, 1}, folder));
    EXPECT_EQ(StopsOf(hop), (std::vector<std::string>{"Guthrie, OK", "Edmond, OK", "Oklahoma City, OK",
                                                      "Yukon, OK", "El Reno, OK"}));
    EXPECT_NEAR(hop.rows[2].miles - hop.rows[1].miles, 1.1 * GreatCircleMiles(35.65, -97.48, 35.60, -97.49), 1e-9);

    WriteRoute("Far", {"  Tulsa, OK  [36.15 -95.99]", "  Claremore, OK  [36.31 -95.62]"});
    try {
        Plan(Input({"North", "Far"}, "Guthrie, OK", "Claremore, OK", {2026, 6, 1}, folder));
        FAIL() << "no junction, no error";
    } catch (const TripPlanError& e) {
        EXPECT_STREQ(e.what(), "North and Far do not meet: no town of the same name, no two stops within 10 miles");
    }
}

TEST_F(TripPlanTest, RestDaysAreStoodAtTheParkingStop)
{
    Trip in = Input({"I-40"}, "Flagstaff, AZ", "Oklahoma City, OK", {2026, 12, 26});
    in.options.hoursPerDay = 4;
    in.options.restSundaysAndHolidays = true;
    const TripPlan plan = Plan(in);
    std::vector<std::pair<int, std::string>> stands;
    for (const TripDay& d : plan.days) {
        if (!d.roll)
            stands.emplace_back(d.date.day, d.standsAt);
    }
    // Sunday, December 27 and New Year's Day, a Friday.
    ASSERT_EQ(stands.size(), 2u);
    EXPECT_EQ(stands[0].first, 27);
    EXPECT_EQ(stands[1].first, 1);
    in.options.restSundaysAndHolidays = false;
    for (const TripDay& d : Plan(in).days)
        EXPECT_TRUE(d.roll) << "day " << d.day;
}

// Every day in March the load rolls within minutes of the day before, in local time,
// but for the day after daylight time begins (Sunday, March 8, 2026): an hour later.
TEST_F(TripPlanTest, FollowsTheClockChangeMidTrip)
{
    DaylightRules rules = ParseDaylightRules({"TX -30 +30", "OK -30 +30", "KS -30 +30", "MO -30 +30",
                                              "IA -30 +30", "MN -30 +30"}).rules;
    Trip in = Input({"I-35"}, "Laredo, TX", "Duluth, MN", {2026, 3, 4});
    in.rules.daylight = rules;
    in.options.hoursPerDay = 3;
    const TripPlan plan = Plan(in);
    CheckRules(in, plan);
    ASSERT_GE(plan.days.size(), 7u);
    for (size_t i = 1; i < plan.days.size(); ++i) {
        const TripTime& a = plan.days[i - 1].roll->time;
        const TripTime& b = plan.days[i].roll->time;
        const auto minutesOfDay = [](const TripTime& t) { return ((t.utc + t.localOffset) % 86400) / 60; };
        const int change = plan.days[i].date.day == 8 ? 60 : 0;
        EXPECT_NEAR(minutesOfDay(b) - minutesOfDay(a), change, 15) << "day " << plan.days[i].day;
        EXPECT_EQ(b.abbreviation, plan.days[i].date.day >= 8 ? "CDT" : "CST");
    }
}

TEST_F(TripPlanTest, PolarDaysFromTheSunsAltitudeAndNoEndlessWaiting)
{
    WriteRoute("Top", {"  Utqiagvik, AK  [71.29 -156.79]", "  Airstrip, AK  [71.20 -156.60]"});
    // Midnight sun: the whole day is open, the load rolls at midnight.
    TripPlan summer = Plan(Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2026, 6, 21}, folder));
    ASSERT_TRUE(summer.rows.front().depart);
    EXPECT_EQ(summer.rows.front().depart->utc, summer.rows.front().rollFrom->utc);
    EXPECT_EQ(summer.rows.front().parkBy->utc - summer.rows.front().rollFrom->utc, 86400);
    EXPECT_EQ(summer.rows.front().flags & (kTripNoSunrise | kTripNoSunset), kTripNoSunrise | kTripNoSunset);

    // Early August: the set of the night before comes before the day's rise; the day's
    // light runs from the rise to the next set, after midnight, and the load rolls.
    const TripPlan august = Plan(Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2027, 8, 3}, folder));
    const TripStopRow& first = august.rows.front();
    ASSERT_TRUE(first.depart && first.parkBy);
    EXPECT_EQ(first.day, 1);
    EXPECT_EQ(first.depart->utc, first.rollFrom->utc);
    EXPECT_EQ((first.parkBy->utc + first.parkBy->localOffset) / 86400, DaysSinceEpoch({2027, 8, 4}));

    // Polar night: it stands from December 1 until the sun comes back late in January.
    Trip in = Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2026, 12, 1}, folder);
    const TripPlan winter = Plan(in);
    CheckRules(in, winter);
    ASSERT_GT(winter.rows.size(), 40u);
    EXPECT_FALSE(winter.rows.front().rollFrom);
    EXPECT_EQ(winter.rows.front().flags & kTripNoSunrise, kTripNoSunrise);
    EXPECT_EQ(winter.days.back().date.month, 1);

    in.options.maxWaitDays = 30;
    try {
        Plan(in);
        FAIL() << "waited past the guard";
    } catch (const TripPlanError& e) {
        EXPECT_STREQ(e.what(), "no daylight to roll in at 'Utqiagvik, AK' for 30 days from 12/01/2026");
    }
}

TEST_F(TripPlanTest, ALegTooLongForAnyDayIsDrivenFromTheWindowStart)
{
    WriteRoute("Long", {"  Amarillo, TX  [35.22 -101.83]", "  Flagstaff, AZ  [35.20 -111.65]",
                        "  Winslow, AZ  [35.02 -110.70]"});
    Trip in = Input({"Long"}, "Amarillo, TX", "Winslow, AZ", {2026, 6, 1}, folder);
    in.options.departMinute = 12 * 60;  // too late for the long leg today
    const TripPlan plan = Plan(in);
    CheckRules(in, plan);
    ASSERT_EQ(plan.rows.size(), 5u);  // Amarillo and Flagstaff two days each, Winslow
    EXPECT_FALSE(plan.rows[0].depart);
    EXPECT_EQ(plan.rows[1].depart->utc, plan.rows[1].rollFrom->utc);
    EXPECT_TRUE(plan.rows[2].flags & kTripLongLeg);
    EXPECT_TRUE(plan.rows[2].flags & kTripPark);  // the day's hours are spent
}

TEST_F(TripPlanTest, ReportsAStopWithoutAZone)
{
    WriteRoute("Sea", {"  Shore, TX  [27.80 -97.39]", "  Offshore, TX  [26.00 -94.00]"});
    try {
        Plan(Input({"Sea"}, "Shore, TX", "Offshore, TX", {2026, 6, 1}, folder));
        FAIL() << "no zone, no error";
    } catch (const TripPlanError& e) {
        EXPECT_STREQ(e.what(), "no time zone known for 'Offshore, TX': no town of the state lists within 25 km");
    }
}

} // namespace
} // namespace dawnrule

namespace dawnrule {
namespace {

// The Trip Plan window's inputs between runs: what is written reads back the same, and a
// damaged line leaves only its own input at the default.
TEST(TripPlanSettings, ReadBackAsWrittenAndDamagedLinesFallBack)
{
    TripPlanSettings kept;
    kept.from = "Oklahoma City, OK";
    kept.to = "Flagstaff, AZ";
    kept.departMinute = 7 * 60 + 5;
    kept.mph = 55;
    kept.hoursPerDay = 0;
    kept.roadFactor = 1.25;
    kept.rest = true;
    EXPECT_EQ(ParseTripPlanSettings(TripPlanSettingsLines(kept)), kept);
    EXPECT_EQ(ParseTripPlanSettings(TripPlanSettingsLines({})), TripPlanSettings{});

    const TripPlanSettings damaged = ParseTripPlanSettings(
        {"mph=fast", "hours=25", "road-factor=0.5", "depart=25:00", "rest=yes", "no equals sign", "to=Tulsa, OK",
         "from=A=B"});
    TripPlanSettings expected;
    expected.to = "Tulsa, OK";
    expected.from = "A=B";
    EXPECT_EQ(damaged, expected);
}

} // namespace
} // namespace dawnrule
