// When a load may move at one stop: the states' calendars (weekend days, restricted
// holidays with their day before and day after, the long weekend) and the curfews
// around the stop, each case from an instant to the next one at which it may move; and
// the two rule files' lines.
#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "locations/place_clock.h"
#include "trip/curfews.h"
#include "trip/stop_hours.h"

#include <gtest/gtest.h>

#include <optional>

namespace dawnrule {
namespace {

constexpr std::int64_t kDay = 86400;

struct Place {
    const char* name;
    const char* state;
    double latitude, longitude;
};

// "11/25/2026 13:00" in the stop's clock.
std::int64_t LocalTime(const ZoneClock& zone, const std::string& text)
{
    const CivilDate date{std::stoi(text.substr(6, 4)), std::stoi(text.substr(0, 2)), std::stoi(text.substr(3, 2))};
    return LocalInstant(zone, date, std::stoi(text.substr(11, 2)) * 3600 + std::stoi(text.substr(14, 2)) * 60);
}

TEST(StopHours, CalendarsAndCurfewsCloseWhatTheySay)
{
    const Place richmond{"Richmond, VA", "VA", 37.54, -77.44}, albany{"Albany, NY", "NY", 42.65, -73.75},
        miami{"Miami, FL", "FL", 25.77, -80.19}, okc{"Oklahoma City, OK", "OK", 35.47, -97.52},
        silverSpring{"Silver Spring, MD", "MD", 38.99, -77.03}, wilmington{"Wilmington, DE", "DE", 39.74, -75.55},
        nashville{"Nashville, TN", "TN", 36.17, -86.78}, madison{"Madison, WI", "WI", 43.07, -89.40};
    const struct {
        const char* what;
        Place place;
        const char* rule;  // the state's Daylight.txt line
        std::optional<double> width;
        const char* at;    // local time asked
        const char* next;  // the first local time it may move: "HH:MM" on a date, or "window MM/DD/YYYY"
        unsigned kinds;    // of the closures that held it there (0: none)
    } rows[] = {
        {"a weekday", richmond, "VA 0 0 before=noon after=sunrise holidays=six long-weekend=closed", {},
         "11/24/2026 10:00", "11/24/2026 10:00", 0},
        {"the day before Thanksgiving, from noon", richmond, "VA 0 0 before=noon after=sunrise holidays=six", {},
         "11/25/2026 12:00", "window 11/27/2026", kClosedByCalendar},
        {"... but not before it", richmond, "VA 0 0 before=noon after=sunrise holidays=six", {},
         "11/25/2026 11:59", "11/25/2026 11:59", 0},
        {"before=sunset closes only the holiday", richmond, "VA 0 0 before=sunset holidays=six", {},
         "11/25/2026 14:00", "11/25/2026 14:00", 0},
        {"a Monday holiday with the long weekend closed", albany,
         "NY -30 +30 sat=none sun=none before=noon holidays=six long-weekend=closed", {}, "09/04/2026 13:00",
         "window 09/08/2026", kClosedByCalendar},
        {"no Saturday, no Sunday", albany, "NY -30 +30 sat=none sun=none", {}, "10/17/2026 09:00",
         "window 10/19/2026", kClosedByCalendar},
        {"Saturday until noon", miami, "FL -30 +30 sat=until-12:00 sun=until-12:00", {}, "10/17/2026 12:00",
         "10/17/2026 12:00", 0},
        {"... and not after", miami, "FL -30 +30 sat=until-12:00 sun=until-12:00", {}, "10/17/2026 12:01",
         "window 10/18/2026", kClosedByCalendar},
        {"holidays=none: Thanksgiving is a day like any", okc, "OK -30 +30 holidays=none", {}, "11/26/2026 10:00",
         "11/26/2026 10:00", 0},
        {"after=12:00 the day after", wilmington, "DE 0 0 before=noon after=12:00 holidays=?,good-friday", {},
         "04/03/2026 08:00", "04/04/2026 12:00", kClosedByCalendar},
        {"a weekday curfew", okc, "OK -30 +30", {}, "10/21/2026 07:00", "10/21/2026 09:00", kClosedByCurfew},
        {"... not on a Saturday", okc, "OK -30 +30", {}, "10/24/2026 08:00", "10/24/2026 08:00", 0},
        {"... its evening window", okc, "OK -30 +30", {}, "10/21/2026 15:30", "10/21/2026 18:30", kClosedByCurfew},
        {"a curfew for wide loads holds a 14-foot load", nashville, "TN none", 14.0, "10/21/2026 08:00",
         "10/21/2026 09:00", kClosedByCurfew},
        {"... not a 12-foot one", nashville, "TN none", 12.0, "10/21/2026 08:00", "10/21/2026 08:00", 0},
        {"... and a load of no width given", nashville, "TN none", {}, "10/21/2026 08:00", "10/21/2026 09:00",
         kClosedByCurfew},
        {"an allow curfew: only in its window", silverSpring, "MD -30 +30", 14.0, "10/20/2026 07:00",
         "10/20/2026 09:00", kClosedByCurfew},
        {"... its last minute still", silverSpring, "MD -30 +30", 14.0, "10/20/2026 15:30", "10/20/2026 15:30", 0},
        {"... Saturday's window", silverSpring, "MD -30 +30", 14.0, "10/24/2026 12:30", "window 10/25/2026",
         kClosedByCurfew},
        {"a season's curfew on a Friday in it", madison, "WI -30 +30", {}, "07/10/2026 16:30", "07/10/2026 20:00",
         kClosedByCurfew},
        {"... and out of it", madison, "WI -30 +30", {}, "10/09/2026 16:30", "10/09/2026 16:30", 0},
    };
    QtZoneDatabase zones;
    const CurfewsRead curfews = ParseCurfews(ReadTextLines(DAWNRULE_SOURCE_DIR "/data/Curfews.txt"));
    ASSERT_TRUE(curfews.problems.empty());
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const DaylightRulesRead read = ParseDaylightRules({r.rule});
        ASSERT_TRUE(read.problems.empty()) << read.problems[0].reason;
        const DaylightRule& rule = read.rules.ForState(r.place.state);
        const TripStop stop{r.place.name, r.place.state, r.place.latitude, r.place.longitude, 0};
        std::vector<const Curfew*> holding;
        for (const Curfew& c : curfews.curfews) {
            if (c.Holds(stop.state, stop.latitude, stop.longitude) && c.HoldsWidth(r.width))
                holding.push_back(&c);
        }
        const ZoneClock& zone = *FindPlaceClock(zones, stop.longitude, stop.latitude).clock;
        HolidayDates holidays;
        StopHours hours(stop, zone, rule, holding, false, holidays);
        const std::int64_t at = LocalTime(zone, r.at);
        const std::optional<OpenSpan> open = hours.OpenFrom(at, hours.LocalDay(at) + 10);
        ASSERT_TRUE(open);
        const std::string next(r.next);
        std::int64_t expected = 0;
        if (next.rfind("window ", 0) == 0) {
            const std::string date = next.substr(7);
            const CivilDate d{std::stoi(date.substr(6, 4)), std::stoi(date.substr(0, 2)), std::stoi(date.substr(3, 2))};
            expected = ComputeTravelWindow(rule, stop.longitude, stop.latitude, d, zone).start;
        } else {
            expected = LocalTime(zone, next);
        }
        EXPECT_EQ(std::max(at, open->start), expected) << (std::max(at, open->start) - expected) / 60 << " minutes off";
        unsigned held = 0;
        if (expected > at) {
            for (const StopClosure& c : hours.ClosuresBetween(at, expected, kAllClosures))
                held |= c.kind;
        }
        EXPECT_EQ(held & r.kinds, r.kinds);
        if (r.kinds == 0) {
            EXPECT_EQ(expected, at);
        }
    }
}

// A "?" decides the day: the rows of that date are marked check-permit; a stated rule
// does not mark them.
TEST(StopHours, CheckPermitWhereTheSourceIsSilent)
{
    QtZoneDatabase zones;
    const TripStop stop{"Albany, NY", "NY", 42.65, -73.75, 0};
    const ZoneClock& zone = *FindPlaceClock(zones, stop.longitude, stop.latitude).clock;
    const struct {
        const char* rule;
        CivilDate date;
        bool check;
    } rows[] = {
        {"NY -30 +30 sat=none sun=none holidays=six before=noon after=sunrise long-weekend=closed", {2026, 10, 17}, false},
        {"NY -30 +30 sun=none holidays=six before=noon after=sunrise long-weekend=closed", {2026, 10, 17}, true},
        {"NY -30 +30 sat=none sun=none", {2026, 10, 20}, false},             // a plain Tuesday
        {"NY -30 +30 sat=none sun=none", {2026, 11, 25}, true},              // the six assumed: the eve of one
        {"NY -30 +30 sat=none sun=none holidays=six before=noon", {2026, 11, 27}, true},  // after not stated
        {"NY unknown sat=none sun=none holidays=none", {2026, 10, 20}, true},  // no daylight rule
    };
    for (const auto& r : rows) {
        const DaylightRulesRead read = ParseDaylightRules({r.rule});
        HolidayDates holidays;
        StopHours hours(stop, zone, read.rules.ForState("NY"), {}, false, holidays);
        EXPECT_EQ(hours.CheckPermitOn(DaysSinceEpoch(r.date)), r.check) << r.rule << " " << r.date.month << "/" << r.date.day;
    }
}

TEST(Curfews, ReadsEachLineOrSaysWhyNot)
{
    const struct {
        const char* line;
        const char* reason;  // part of the refusal; "" when the line reads
    } rows[] = {
        {"OK  35.47  -97.52  15  Mon-Fri  07:00-09:00,15:30-18:30  prohibit  0  all  Oklahoma County  # a source", ""},
        {"MD 38.98 -77.01 14 Sat,Sun 09:00-12:00 allow 12 holiday-weekends Capital Beltway", ""},
        {"WI 43.07 -89.40 15 Fri 16:00-20:00 prohibit 0 05-4thFri..labor-day Dane County", ""},
        {"OR 45.52 -122.68 15 ? 07:00-09:00 prohibit 12 all Portland urban area", ""},
        {"PA 39.95 -75.16 15 Mon-Sun 19:00-23:59 allow 0 all Philadelphia", ""},
        {"XX 35 -97 15 Mon-Fri 07:00-09:00 prohibit 0 all Nowhere", "'XX' is not the code"},
        {"OK 95 -97 15 Mon-Fri 07:00-09:00 prohibit 0 all Nowhere", "not a valid latitude"},
        {"OK 35 -97 0 Mon-Fri 07:00-09:00 prohibit 0 all Nowhere", "radius"},
        {"OK 35 -97 15 Mon-Fry 07:00-09:00 prohibit 0 all Nowhere", "'Fry' is not a weekday"},
        {"OK 35 -97 15 Mon-Fri 09:00-07:00 prohibit 0 all Nowhere", "ends before it starts"},
        {"OK 35 -97 15 Mon-Fri 7:00-09:00 prohibit 0 all Nowhere", "'7:00' is not a time"},
        {"OK 35 -97 15 Mon-Fri 07:00-09:00 forbid 0 all Nowhere", "neither prohibit nor allow"},
        {"OK 35 -97 15 Mon-Fri 07:00-09:00 prohibit 0 05-9thFri..labor-day Nowhere", "is not a day"},
        {"OK 35 -97 15 Mon-Fri 07:00-09:00 prohibit 0 summer Nowhere", "is not a season"},
        {"OK 35 -97 15 Mon-Fri 07:00-09:00 prohibit 0 all", "expected STATE"},
    };
    for (const auto& r : rows) {
        const CurfewsRead read = ParseCurfews({"# Curfews.txt", r.line});
        if (*r.reason) {
            ASSERT_EQ(read.problems.size(), 1u) << r.line;
            EXPECT_EQ(read.problems[0].line, 2);
            EXPECT_NE(read.problems[0].reason.find(r.reason), std::string::npos) << read.problems[0].reason;
        } else {
            EXPECT_TRUE(read.problems.empty()) << r.line << ": " << read.problems[0].reason;
            EXPECT_EQ(read.curfews.size(), 1u);
        }
    }
    const CurfewsRead nul = ParseCurfews({std::string("OK 35 -97 15 Mon-Fri 07:00-09:00 prohibit 0 all A") + '\0'});
    ASSERT_EQ(nul.problems.size(), 1u);
    EXPECT_NE(nul.problems[0].reason.find("NUL byte"), std::string::npos);

    const CurfewsRead shipped = ParseCurfews(ReadTextLines(DAWNRULE_SOURCE_DIR "/data/Curfews.txt"));
    EXPECT_TRUE(shipped.problems.empty());
    EXPECT_EQ(shipped.curfews.size(), 56u);
}

TEST(Curfews, HoldTheirCircleTheirDaysAndTheirSeason)
{
    const CurfewsRead read = ParseCurfews({
        "WI 43.07 -89.40 15 Fri 16:00-20:00 prohibit 0 05-4thFri..labor-day Dane County",
        "CO 38.75 -105.18 15 ? 15:00-19:00 prohibit 0 holiday-weekends Cripple Creek",
        "TN 35.15 -90.05 15 Mon-Fri 07:00-09:00 prohibit 12.5 all Shelby County",
    });
    ASSERT_TRUE(read.problems.empty());
    const Curfew& dane = read.curfews[0];
    const Curfew& cripple = read.curfews[1];
    const Curfew& shelby = read.curfews[2];
    EXPECT_TRUE(dane.Holds("WI", 43.07, -89.20));   // 10 miles east
    EXPECT_FALSE(dane.Holds("WI", 43.07, -88.90));  // 25 miles
    EXPECT_FALSE(dane.Holds("IL", 43.07, -89.40));  // the circle holds only its state
    StateCalendar six;
    const struct {
        const Curfew* curfew;
        CivilDate date;
        bool applies;
    } days[] = {
        {&dane, {2026, 5, 22}, true},   // the fourth Friday in May
        {&dane, {2026, 5, 15}, false},  // the third
        {&dane, {2026, 9, 4}, true},    // the Friday before Labor Day
        {&dane, {2026, 9, 11}, false},
        {&dane, {2026, 7, 9}, false},   // a Thursday in season
        {&cripple, {2026, 9, 5}, true},   // the Saturday before Labor Day
        {&cripple, {2026, 9, 6}, true},
        {&cripple, {2026, 9, 12}, false},
        {&cripple, {2026, 7, 4}, true},   // July 4 on a Saturday: observed Friday, the weekend next to it
        {&cripple, {2026, 7, 3}, false},  // the Friday itself is no weekend
        {&shelby, {2026, 10, 21}, true},
        {&shelby, {2026, 10, 25}, false},
    };
    for (const auto& d : days)
        EXPECT_EQ(d.curfew->AppliesOn(d.date, six), d.applies) << d.curfew->area << " " << d.date.month << "/" << d.date.day;
    EXPECT_TRUE(shelby.HoldsWidth(std::nullopt));
    EXPECT_TRUE(shelby.HoldsWidth(13.0));
    EXPECT_FALSE(shelby.HoldsWidth(12.5));
    EXPECT_TRUE(dane.HoldsWidth(8.0));
}

} // namespace
} // namespace dawnrule
