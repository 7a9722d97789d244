// The daylight trip plan: its rules checked as properties of whole plans along the
// shipped routes, against a check of its own of when a load may move at an instant (the
// day's window, the state's weekend days and holidays, the curfews), the duty periods
// (driving and duty hours, rests, never resting while the next stop is within reach,
// breaks), the day numbers; then the June and December days, the calendar's and the
// curfews' holds with their notes, the legs no period can hold, the clock changes, the
// polar days and the guard against endless waiting.
#include "app/qt_zone_clock.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "scratch_folder.h"
#include "locations/place_clock.h"
#include "trip/route_path.h"
#include "trip/trip_plan.h"
#include "trip/trip_plan_settings.h"
#include "trip/trip_request.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;
const std::string kData = DAWNRULE_SOURCE_DIR "/data";
constexpr std::int64_t kDay = 86400;

std::int64_t Seconds(double hours)
{
    return std::llround(hours * 3600);
}

class TripPlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> error;
        shipped = *ReadTripRules(kData, error);
    }

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
        for (const std::string& r : routes)
            read.push_back(ReadTripRoute(dir, r));
        Trip in;
        in.path = ChainRoutes(read, from, to, 1.1);
        in.options.departDate = date;
        in.rules = shipped;
        return in;
    }

    TripPlan Plan(const Trip& in) { return PlanTrip(in.path, in.options, in.rules, {&zones, &home}); }

    // When the load may move at a stop at an instant, worked out on its own: inside a
    // daylight window of the local date (or of the date before, that may run past
    // midnight), on no weekend day the state closes, in no holiday's closure, outside
    // every curfew that holds the stop.
    bool MayMove(const Trip& in, const TripStop& s, std::int64_t t);
    void CheckRules(const Trip& in, const TripPlan& plan);

    QtZoneDatabase zones;
    HomeClock home = HomeClock::OfOffset(-6);
    TripRules shipped;
    test::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
};

bool TripPlanTest::MayMove(const Trip& in, const TripStop& s, std::int64_t t)
{
    const ZoneClock& zone = *FindPlaceClock(zones, s.longitude, s.latitude).clock;
    const DaylightRule& rule = in.rules.daylight.ForState(s.state);
    const std::int64_t local = t + zone.OffsetAt(t);
    const int day = static_cast<int>(FloorDiv(local, kDay));
    const std::int64_t second = local - std::int64_t{day} * kDay;
    const CivilDate date = DateOfDays(day);
    bool daylight = false;
    for (const int d : {day - 1, day}) {
        const TravelWindow w = ComputeTravelWindow(rule, s.longitude, s.latitude, DateOfDays(d), zone);
        daylight |= w.open && t >= w.start && t <= w.end;
    }
    if (!daylight)
        return false;
    const StateCalendar& c = rule.calendar;
    const int weekday = WeekdayOf(date);
    for (const auto& [dayOfWeek, weekend] : {std::pair{6, c.saturday}, std::pair{0, c.sunday}}) {
        if (weekday == dayOfWeek && (weekend.kind == WeekendDayRule::Kind::kNone ||
                                     (weekend.kind == WeekendDayRule::Kind::kUntil && second > weekend.untilMinute * 60)))
            return false;
    }
    if (in.options.restSundaysAndHolidays && (weekday == 0 || MarksOf(date).holiday))
        return false;
    for (int i = 0; i < kStateHolidayCount; ++i) {
        if (!(c.holidays & (1u << i)))
            continue;
        for (const int year : {date.year - 1, date.year, date.year + 1}) {
            const CivilDate h = StateHolidayDate(static_cast<StateHoliday>(i), year);
            const int hd = DaysSinceEpoch(h), hw = WeekdayOf(h);
            const int before = hd - (c.longWeekendClosed && hw == 1 ? 3 : 1);
            const int after = hd + (c.longWeekendClosed && hw == 5 ? 3 : 1);
            std::int64_t start = LocalInstant(zone, DateOfDays(before), c.beforeMinute * 60);
            if (c.before == StateCalendar::Before::kSunset)
                start = ComputeTravelWindow(rule, s.longitude, s.latitude, DateOfDays(before), zone).end + 1;
            std::int64_t end = LocalInstant(zone, DateOfDays(after), c.afterMinute * 60);
            if (c.after == StateCalendar::After::kSunrise) {
                end = rule.kind == DaylightRuleKind::kNone
                          ? SunriseOn(s.longitude, s.latitude, DateOfDays(after), zone).value()
                          : ComputeTravelWindow(rule, s.longitude, s.latitude, DateOfDays(after), zone).start;
            }
            if (t >= start && t < end)
                return false;
        }
    }
    for (const Curfew& f : in.rules.curfews) {
        if (!f.Holds(s.state, s.latitude, s.longitude) || !f.HoldsWidth(in.options.widthFeet) || !f.AppliesOn(date, c))
            continue;
        bool inside = false;
        for (const auto& [from, to] : f.windows)
            inside |= f.allow ? second >= from * 60 && (to == 1440 || second <= to * 60) : second >= from * 60 && second < to * 60;
        if (inside != f.allow)
            return false;
    }
    return true;
}

void TripPlanTest::CheckRules(const Trip& in, const TripPlan& plan)
{
    const TripOptions& o = in.options;
    const std::int64_t driving = Seconds(o.drivingHours), duty = Seconds(o.dutyHours), off = Seconds(o.offHours);
    std::vector<const TripDay*> periods;
    for (const TripDay& d : plan.days) {
        if (d.roll)
            periods.push_back(&d);
    }
    ASSERT_FALSE(periods.empty());
    for (size_t p = 0; p < periods.size(); ++p) {
        SCOPED_TRACE("period " + std::to_string(p + 1));
        EXPECT_EQ(periods[p]->day, static_cast<int>(p + 1));
        EXPECT_TRUE(driving == 0 || Seconds(periods[p]->drivingHours) <= driving + 1);
        EXPECT_TRUE(duty == 0 || periods[p]->park->time.utc - periods[p]->roll->time.utc <= duty);
        if (p > 0) {
            EXPECT_GE(periods[p]->roll->time.utc - periods[p - 1]->park->time.utc, off) << "a rest too short";
        }
    }

    // Each stop: where the path has it, its rows in order of date, the first with the
    // arrival, the last with the departure.
    size_t k = 0, firstOfStop = 0;
    int lastDay = 1;
    for (size_t r = 0; r < plan.rows.size(); ++r) {
        const TripStopRow& row = plan.rows[r];
        SCOPED_TRACE(row.stop + " " + std::to_string(row.date.month) + "/" + std::to_string(row.date.day));
        if (r == 0 || plan.rows[r - 1].stop != row.stop || row.arrive) {
            firstOfStop = r;
            while (in.path.stops[k].name != row.stop)
                ++k;
        }
        const TripStop& stop = in.path.stops[k];
        EXPECT_GE(row.day, lastDay) << "day numbers go back";
        EXPECT_LE(row.day, static_cast<int>(periods.size()));
        lastDay = row.day;
        if (row.arrive) {
            EXPECT_TRUE(MayMove(in, stop, row.arrive->utc)) << "arrives where it may not move";
            const TripDay& p = *periods[static_cast<size_t>(row.day - 1)];
            EXPECT_TRUE(row.arrive->utc > p.roll->time.utc && row.arrive->utc <= p.park->time.utc)
                << "the arrival row belongs to the period that drove there";
        }
        if (row.depart) {
            EXPECT_TRUE(MayMove(in, stop, row.depart->utc)) << "leaves where it may not move";
            const TripDay& p = *periods[static_cast<size_t>(row.day - 1)];
            EXPECT_TRUE(row.depart->utc >= p.roll->time.utc && row.depart->utc < p.park->time.utc)
                << "the departure row belongs to the period that leaves";
            const TripStopRow& arrival = plan.rows[firstOfStop];
            if ((row.flags & kTripWait) && arrival.arrive) {
                EXPECT_LT(row.depart->utc - arrival.arrive->utc, off) << "a wait as long as a rest";
            }
        }
    }

    // Never rests while the next stop can be reached within every limit: from the
    // arrival at a rest, no minute before the rest's own end would do.
    for (size_t p = 0; p + 1 < periods.size(); ++p) {
        const TripDay& d = *periods[p];
        size_t at = 0;
        while (in.path.stops[at].name != d.park->stop)
            ++at;
        if (at + 1 >= in.path.stops.size() || o.breaks)
            continue;
        const std::int64_t leg =
            std::llround((in.path.stops[at + 1].miles - in.path.stops[at].miles) / o.mph * 3600);
        const std::int64_t t = d.park->time.utc;
        for (std::int64_t leave = t; leave < std::min(t + off, periods[p + 1]->roll->time.utc); leave += 60) {
            const bool limits = (driving == 0 || Seconds(d.drivingHours) + leg <= driving) &&
                                (duty == 0 || leave + leg - d.roll->time.utc <= duty);
            if (limits && MayMove(in, in.path.stops[at], leave) && MayMove(in, in.path.stops[at + 1], leave + leg)) {
                ADD_FAILURE() << "rests at " << d.park->stop << " though it could leave " << (leave - t) / 60
                              << " minutes after arriving";
                break;
            }
        }
    }
    EXPECT_TRUE(plan.rows.front().flags & kTripStart);
    EXPECT_TRUE(plan.rows.back().flags & kTripEnd);
}

TEST_F(TripPlanTest, KeepsEveryRuleAlongShippedRoutes)
{
    const struct {
        std::vector<std::string> routes;
        const char* from;
        const char* to;
        CivilDate date;
        std::optional<int> minute;
        double hours, duty, off;
        bool breaks, rest;
        std::optional<double> width;
    } cases[] = {
        {{"I-95"}, "Richmond, VA", "Portland, ME", {2026, 11, 25}, 7 * 60, 11, 14, 10, false, false, {}},  // Thanksgiving
        {{"I-40"}, "Wilmington, NC", "Barstow, CA", {2026, 10, 29}, 12 * 60, 11, 14, 10, false, false, {}},
        {{"I-40"}, "Flagstaff, AZ", "Oklahoma City, OK", {2026, 12, 26}, 12 * 60, 4, 14, 10, false, true, {}},
        {{"I-90"}, "Seattle, WA", "Boston, MA", {2026, 6, 19}, {}, 11, 14, 10, true, false, 14.0},
        {{"I-95"}, "Miami, FL", "Houlton, ME", {2026, 11, 20}, 15 * 60, 9, 12, 8, false, true, {}},
        {{"I-35", "I-40"}, "Dallas, TX", "Barstow, CA", {2026, 3, 6}, {}, 11, 14, 10, false, false, {}},
        {{"I-65"}, "Nashville, TN", "Columbus, IN", {2026, 1, 9}, 22 * 60, 0, 0, 10, false, false, {}},  // night in TN, KY
        {{"I-80"}, "San Francisco, CA", "Teaneck, NJ", {2026, 10, 30}, {}, 0, 14, 10, false, false, 16.0},
        {{"I-94"}, "Billings, MT", "Detroit, MI", {2026, 7, 2}, {}, 11, 14, 10, true, false, {}},  // Milwaukee, July 4
        {{"I-35"}, "Laredo, TX", "Duluth, MN", {2026, 9, 3}, 6 * 60, 11, 14, 10, false, false, 13.0},  // Labor Day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        Trip in = Input(c.routes, c.from, c.to, c.date);
        in.options.departMinute = c.minute;
        in.options.drivingHours = c.hours;
        in.options.dutyHours = c.duty;
        in.options.offHours = c.off;
        in.options.breaks = c.breaks;
        in.options.restSundaysAndHolidays = c.rest;
        in.options.widthFeet = c.width;
        CheckRules(in, Plan(in));
    }
}

// At 45 degrees north a June day's light (some 16 hours) outlasts the 14-hour duty
// window: the duty hours end the day. In December the sun ends it first.
TEST_F(TripPlanTest, TheDutyWindowEndsAJuneDayTheSunADecemberOne)
{
    for (const CivilDate date : {CivilDate{2026, 6, 22}, CivilDate{2026, 12, 14}}) {
        Trip in = Input({"I-90"}, "Seattle, WA", "Boston, MA", date);
        in.options.drivingHours = 0;  // only the duty window and the sun
        const TripPlan plan = Plan(in);
        CheckRules(in, plan);
        int byDuty = 0, periods = 0;
        for (const TripDay& d : plan.days) {
            if (!d.roll || d.park->stop == plan.to)
                continue;
            ++periods;
            // Ended by the duty window: the next leg would have ended past it.
            size_t k = 0;
            while (in.path.stops[k].name != d.park->stop)
                ++k;
            const std::int64_t leg = std::llround((in.path.stops[k + 1].miles - in.path.stops[k].miles) / in.options.mph * 3600);
            byDuty += d.park->time.utc + leg - d.roll->time.utc > Seconds(in.options.dutyHours);
        }
        if (date.month == 6)
            EXPECT_EQ(byDuty, periods) << "June: every full period runs its 14 hours";
        else
            EXPECT_EQ(byDuty, 0) << "December: the sun parks the load first";
    }
}

// Thanksgiving on I-95: the load drives through Virginia, Maryland and Delaware on the
// Wednesday morning and parks in Pennsylvania before noon, the state's calendar closing
// it until sunrise on Friday; the stand says why.
TEST_F(TripPlanTest, AStatesCalendarParksTheLoadAndSaysWhy)
{
    Trip in = Input({"I-95"}, "Richmond, VA", "Portland, ME", {2026, 11, 25});
    in.options.departMinute = 7 * 60;
    const TripPlan plan = Plan(in);
    ASSERT_GE(plan.days.size(), 3u);
    EXPECT_EQ(plan.days[0].park->stop, "Chester, PA");
    EXPECT_TRUE(plan.days[0].flags & kTripCalendar);
    EXPECT_EQ(plan.days[1].standsAt, "Chester, PA");  // Thanksgiving Day itself
    EXPECT_EQ(plan.days[2].date, (CivilDate{2026, 11, 27}));
    const TripStopRow& park = *std::find_if(plan.rows.begin(), plan.rows.end(),
                                            [](const TripStopRow& r) { return r.flags & kTripPark; });
    ASSERT_EQ(park.notes.size(), 1u);
    EXPECT_EQ(park.notes[0], "PA: Thanksgiving, closed 11/25/2026 12:00 to 11/27/2026 sunrise");
    ASSERT_FALSE(plan.holds.empty());
    EXPECT_EQ(plan.holds.front().flag, kTripCalendar);

    // New York closes its weekends: a Friday afternoon arrival waits for Monday.
    Trip weekend = Input({"I-90"}, "Erie, PA", "Boston, MA", {2026, 10, 16});
    weekend.options.departMinute = 13 * 60;
    const TripPlan held = Plan(weekend);
    CheckRules(weekend, held);
    std::vector<std::string> notes;
    for (const TripStopRow& r : held.rows) {
        if (r.state == "NY" && (r.flags & kTripCalendar))
            notes.insert(notes.end(), r.notes.begin(), r.notes.end());
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"NY: no Saturday", "NY: no Sunday"}));
}

// Oklahoma City's Interstates are closed to oversize loads 7 to 9 on weekday mornings:
// a load there at 8 leaves at 9, with the area named; on a Saturday it leaves at once.
TEST_F(TripPlanTest, ACurfewHoldsTheLoadAndNamesItsArea)
{
    WriteRoute("Metro", {"  Oklahoma City, OK  [35.47 -97.52]", "  Edmond, OK  [35.65 -97.48]"});
    for (const auto& [date, leaves] : {std::pair{CivilDate{2026, 10, 21}, 9 * 60}, std::pair{CivilDate{2026, 10, 24}, 8 * 60}}) {
        Trip in = Input({"Metro"}, "Oklahoma City, OK", "Edmond, OK", date, folder.string());
        in.options.departMinute = 8 * 60;
        const TripPlan plan = Plan(in);
        const TripStopRow& from = plan.rows.front();
        ASSERT_TRUE(from.depart);
        EXPECT_EQ((from.depart->utc + from.depart->localOffset) % kDay / 60, leaves);
        EXPECT_EQ((from.flags & kTripCurfew) != 0, leaves == 9 * 60);
        if (leaves == 9 * 60) {
            EXPECT_EQ(from.notes, (std::vector<std::string>{"curfew: Oklahoma County Interstates (seat Oklahoma City)"}));
        }
    }
}

// A leg that no duty period can hold fails the plan, naming the leg and the limit.
TEST_F(TripPlanTest, ALegNoDutyPeriodCanHoldFailsThePlan)
{
    const struct {
        double mph, hours, duty;
        bool breaks;
        const char* error;
    } rows[] = {
        {3, 11, 14, false,
         "the leg from 'Amarillo, TX' to 'Flagstaff, AZ' takes 203:11 of driving at 3 mph, more than the 11 driving "
         "hours of a duty period"},
        {3, 0, 14, false, "more than the 14 hours of a duty period"},
        {3, 0, 0, false, "no daylight at its two ends holds it for 366 days from 06/01/2026"},
        {70, 11, 14, true, "takes 8:42 of driving at 70 mph, more than the 8 hours of driving allowed between breaks"},
    };
    WriteRoute("Long", {"  Amarillo, TX  [35.22 -101.83]", "  Flagstaff, AZ  [35.20 -111.65]"});
    for (const auto& r : rows) {
        Trip in = Input({"Long"}, "Amarillo, TX", "Flagstaff, AZ", {2026, 6, 1}, folder.string());
        in.options.mph = r.mph;
        in.options.drivingHours = r.hours;
        in.options.dutyHours = r.duty;
        in.options.breaks = r.breaks;
        try {
            Plan(in);
            ADD_FAILURE() << "planned: " << r.error;
        } catch (const TripPlanError& e) {
            EXPECT_NE(std::string(e.what()).find(r.error), std::string::npos) << e.what();
        }
    }
}

// The day numbers are the duty periods', in the summary and the rows alike, never 0:
// a short westward leg over a zone line just after midnight reaches a stop whose local
// date is the day before.
TEST_F(TripPlanTest, DayNumbersAreTheDutyPeriodsEvenOverAZoneLine)
{
    Trip in = Input({"I-65"}, "Elizabethtown, KY", "Cave City, KY", {2026, 1, 15});
    in.options.departMinute = 10;
    in.options.mph = 100;
    const TripPlan plan = Plan(in);
    CheckRules(in, plan);
    for (const TripStopRow& r : plan.rows)
        EXPECT_EQ(r.day, 1) << r.stop;
    EXPECT_EQ(plan.rows.back().date, (CivilDate{2026, 1, 14}));  // Central time, still the evening before

    Trip south = Input({"I-65"}, "Louisville, KY", "Mobile, AL", {2026, 11, 25});
    const TripPlan plan2 = Plan(south);
    CheckRules(south, plan2);
    std::set<int> summary, rows;
    for (const TripDay& d : plan2.days)
        summary.insert(d.day);
    for (const TripStopRow& r : plan2.rows)
        rows.insert(r.day);
    EXPECT_EQ(summary, rows);
}

// Where the state sets no daylight limit, a date's window is the local day itself: 25
// hours on the day daylight time ends, 23 on the day it begins.
TEST_F(TripPlanTest, NoLimitStatesKeepTheClockChangeDays)
{
    const DaylightRule none = ParseDaylightRules({"TN none"}).rules.ForState("TN");
    const ZoneClock& nashville = *zones.Find("America/Chicago");
    for (const auto& [date, hours] : {std::pair{CivilDate{2026, 11, 1}, 25}, std::pair{CivilDate{2026, 3, 8}, 23},
                                      std::pair{CivilDate{2026, 3, 9}, 24}}) {
        const TravelWindow w = ComputeTravelWindow(none, -86.78, 36.17, date, nashville);
        EXPECT_EQ(w.end - w.start, hours * 3600) << date.month << "/" << date.day;
    }
    // Driving through the night of November 1 in Tennessee and Kentucky.
    Trip in = Input({"I-65"}, "Nashville, TN", "Bowling Green, KY", {2026, 10, 31});
    in.options.departMinute = 23 * 60 + 30;
    CheckRules(in, Plan(in));
}

TEST_F(TripPlanTest, PolarDaysFromTheSunsAltitudeAndNoEndlessWaiting)
{
    WriteRoute("Top", {"  Utqiagvik, AK  [71.29 -156.79]", "  Airstrip, AK  [71.20 -156.60]"});
    // Midnight sun: the whole day is open, the load rolls at midnight.
    TripPlan summer = Plan(Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2026, 6, 22}, folder.string()));
    ASSERT_TRUE(summer.rows.front().depart);
    EXPECT_EQ(summer.rows.front().depart->utc, summer.rows.front().rollFrom->utc);
    EXPECT_EQ(summer.rows.front().parkBy->utc - summer.rows.front().rollFrom->utc, kDay);
    EXPECT_EQ(summer.rows.front().flags & (kTripNoSunrise | kTripNoSunset), kTripNoSunrise | kTripNoSunset);

    // Early August: the set of the night before comes after midnight, before the day's
    // rise; the day's light runs from the rise to the next set, after midnight. At the
    // date's first minute the evening before is still light: the load rolls then.
    Trip august = Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2027, 8, 3}, folder.string());
    const TripPlan plan = Plan(august);
    CheckRules(august, plan);
    const TripStopRow& first = plan.rows.front();
    ASSERT_TRUE(first.depart && first.parkBy);
    EXPECT_EQ((first.depart->utc + first.depart->localOffset) % kDay, 0);
    EXPECT_LT(first.depart->utc, first.rollFrom->utc);
    EXPECT_EQ((first.parkBy->utc + first.parkBy->localOffset) / kDay, DaysSinceEpoch({2027, 8, 4}));

    // The edges of the polar night and of the midnight sun: the last sunrise before the
    // night (November 18), and late April's short nights.
    for (const CivilDate date : {CivilDate{2026, 11, 19}, CivilDate{2026, 11, 18}, CivilDate{2026, 4, 28}}) {
        Trip in = Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", date, folder.string());
        const TripPlan plan = Plan(in);
        CheckRules(in, plan);
        for (const TripStopRow& r : plan.rows) {
            if (r.rollFrom) {
                EXPECT_LT(r.rollFrom->utc, r.parkBy->utc);
                EXPECT_LE(r.parkBy->utc - r.rollFrom->utc, kDay + 4 * 3600);
            }
        }
    }

    // Polar night: it stands from December 1 until the sun comes back late in January.
    Trip in = Input({"Top"}, "Utqiagvik, AK", "Airstrip, AK", {2026, 12, 1}, folder.string());
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

TEST_F(TripPlanTest, ReportsAStopWithoutAZoneAndAPathOfOneStop)
{
    WriteRoute("Sea", {"  Shore, TX  [27.80 -97.39]", "  Offshore, TX  [26.00 -94.00]"});
    try {
        Plan(Input({"Sea"}, "Shore, TX", "Offshore, TX", {2026, 6, 1}, folder.string()));
        FAIL() << "no zone, no error";
    } catch (const TripPlanError& e) {
        EXPECT_STREQ(e.what(), "no time zone known for 'Offshore, TX': no town of the state lists within 25 km");
    }
    // A path of one stop is refused as an argument, whoever built it.
    TripPath one;
    one.stops.push_back({"Amarillo, TX", "TX", 35.22, -101.83, 0});
    TripOptions options;
    options.departDate = {2026, 6, 1};
    EXPECT_THROW(PlanTrip(one, options, shipped, {&zones, &home}), std::invalid_argument);
}

// The Trip Plan window's inputs between runs: what is written reads back the same, and a
// damaged line costs only its own input, named in the problems.
TEST(TripPlanSettings, ReadBackAsWrittenAndDamagedLinesFallBack)
{
    TripPlanSettings kept;
    kept.from = "Oklahoma City, OK";
    kept.to = "Flagstaff, AZ";
    kept.departMinute = 7 * 60 + 5;
    kept.mph = 55;
    kept.drivingHours = 0;
    kept.dutyHours = 12.5;
    kept.offHours = 34;
    kept.breaks = true;
    kept.widthFeet = 14.5;
    kept.roadFactor = 1.25;
    kept.rest = true;
    EXPECT_EQ(ParseTripPlanSettings(TripPlanSettingsLines(kept)).settings, kept);
    EXPECT_EQ(ParseTripPlanSettings(TripPlanSettingsLines({})).settings, TripPlanSettings{});

    const TripPlanSettingsRead damaged = ParseTripPlanSettings(
        {"mph=fast", "hours=25", "road-factor=0.5", "depart=25:00", "rest=yes", "no equals sign", "to=Tulsa, OK",
         "from=A=B", "hours=0.0001", "width=", "colour=red"});
    TripPlanSettings expected;
    expected.to = "Tulsa, OK";
    expected.from = "A=B";
    EXPECT_EQ(damaged.settings, expected);
    ASSERT_EQ(damaged.problems.size(), 7u);
    EXPECT_EQ(damaged.problems[0], "line 1: --mph: 'fast' is not a valid floating point value (mph keeps 50)");
    EXPECT_EQ(damaged.problems[1], "line 2: --hours must be 0 for no limit, or lie between 1 and 24 (hours keeps 11)");
    EXPECT_EQ(damaged.problems[6], "line 9: --hours must be 0 for no limit, or lie between 1 and 24 (hours keeps 11)");
}

// The numbers the plan takes: the command line's and the window's one check.
TEST(TripPlanSettings, NumbersInTheirRangesOrOneMessage)
{
    const struct {
        const TripNumberRange& range;
        const char* text;
        double value;       // when taken
        const char* error;  // when refused
    } rows[] = {
        {kTripHoursRange, "0", 0, ""},
        {kTripHoursRange, "1", 1, ""},
        {kTripHoursRange, "24", 24, ""},
        {kTripHoursRange, "0.0001", 0, "--hours must be 0 for no limit, or lie between 1 and 24"},
        {kTripHoursRange, "25", 0, "--hours must be 0 for no limit, or lie between 1 and 24"},
        {kTripHoursRange, "-1", 0, "--hours must be 0 for no limit"},
        {kTripMphRange, "0", 0, "--mph must lie between 1 and 100"},
        {kTripMphRange, "55.5", 55.5, ""},
        {kTripDutyRange, "14", 14, ""},
        {kTripOffRange, "0", 0, "--off must lie between 1 and 72"},
        {kTripWidthRange, "14.5", 14.5, ""},
        {kTripWidthRange, "wide", 0, "--width: 'wide' is not a valid floating point value"},
        {kTripRoadFactorRange, "0.9", 0, "--road-factor must lie between 1 and 3"},
    };
    for (const auto& r : rows) {
        if (!*r.error) {
            EXPECT_EQ(ReadTripNumber(r.range, r.text), r.value) << r.text;
            continue;
        }
        try {
            ReadTripNumber(r.range, r.text);
            ADD_FAILURE() << r.range.option << " " << r.text << " taken";
        } catch (const TripNumberError& e) {
            EXPECT_NE(std::string(e.what()).find(r.error), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace dawnrule
