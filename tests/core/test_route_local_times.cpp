// The Routes report's local columns and the Local Zone option's core: the offset-list
// entry of a place's clock, the abbreviation shown, the date of the date field, the
// stop lines with their aligned columns, the clocks of the page heading, each stop's
// local day through a zone database, and dawnrule-cli route --local.
#include "app/local_zone.h"
#include "app/offset_list.h"
#include "app/qt_zone_clock.h"
#include "app/zururuz.h"
#include "cli/cli_commands.h"
#include "windows/route_local_times.h"
#include "windows/route_report.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace dawnrule {
namespace {

constexpr int kHour = 3600;

TEST(LocalOffsetEntry, MatchesThePlacesClock)
{
    const struct {
        const char* zone;
        int hours;
        bool daylight;
        int entry;
        const char* text;  // what the offset list then shows
    } rows[] = {
        {"America/New_York", -5, false, 0, "Eastern         (-5:00)"},
        {"America/Chicago", -6, false, 1, "Central          (-6:00)"},
        {"America/Denver", -7, false, 2, "Mountain      (-7:00)"},
        {"America/Los_Angeles", -8, false, 3, "Pacific          (-8:00)"},
        {"America/New_York", -4, true, 4, "Eastern DT   (-4:00)"},
        {"America/Chicago", -5, true, 5, "Central DT    (-5:00)"},
        {"America/Boise", -6, true, 6, "Mountain DT(-6:00)"},
        {"America/Los_Angeles", -7, true, 7, "Pacific DT    (-7:00)"},
        {"America/Phoenix", -7, false, 8, "Arizona      (-07:00)"},
        {"America/Phoenix", -6, true, 6, "Mountain DT(-6:00)"},  // 1967, the year Arizona kept daylight time
        {"America/Anchorage", -9, false, 9, "Alaska       (-9:00)"},
        {"America/Anchorage", -8, true, 15, "GMT (-8:00)"},
        {"Pacific/Honolulu", -10, false, 10, "Hawaii       (-10:00)"},
        {"America/Adak", -9, true, 14, "GMT (-9:00)"},
        {"America/Puerto_Rico", -4, false, 19, "GMT (-4:00)"},
        {"Europe/Paris", 1, false, 24, "GMT (+1:00)"},
        {"Europe/Paris", 2, true, 25, "GMT (+2:00)"},
        {"Pacific/Pago_Pago", -11, false, 12, "GMT (-11:00)"},
        {"Etc/GMT+12", -12, false, 11, "GMT (-12:00)"},
        {"Pacific/Tongatapu", 13, false, -1, nullptr},  // beyond the list
        {"Pacific/Kiritimati", 14, false, -1, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.zone) + " " + std::to_string(r.hours) + (r.daylight ? " daylight" : ""));
        const int entry = LocalOffsetEntry(r.zone, r.hours * kHour, r.daylight);
        EXPECT_EQ(entry, r.entry);
        if (r.text && entry >= 0) {
            EXPECT_EQ(kOffsetList[static_cast<size_t>(entry)].text, r.text);
            EXPECT_EQ(kOffsetList[static_cast<size_t>(entry)].offset, r.hours);  // the field gets the zone's own
        }
    }
    // Offsets that are not whole hours: local mean time of old, India, Newfoundland.
    EXPECT_EQ(LocalOffsetEntry("America/Chicago", -21036, false), -1);
    EXPECT_EQ(LocalOffsetEntry("Asia/Kolkata", 19800, false), -1);
    EXPECT_EQ(LocalOffsetEntry("America/St_Johns", -12600, false), -1);
}

LocalEvent Event(const char* text, const char* abbreviation)
{
    LocalEvent e;
    e.text = text;
    e.abbreviation = abbreviation;
    return e;
}

TEST(ShownAbbreviation, TheRiseTheSetOrNoonAndBothWhenTheyDiffer)
{
    LocalDayResult day;
    day.noonAbbreviation = "AKST";
    EXPECT_EQ(ShownAbbreviation(day), "AKST");  // polar night
    day.set = Event("2:14P", "AKDT");
    EXPECT_EQ(ShownAbbreviation(day), "AKDT");
    day.rise = Event("7:02A", "AKDT");
    EXPECT_EQ(ShownAbbreviation(day), "AKDT");
    day.rise = Event("7:02A", "EST");
    day.set = Event("6:12P", "EDT");
    EXPECT_EQ(ShownAbbreviation(day), "EST/EDT");
}

TEST(LocalDayDateOf, ReadsTheDateFieldsText)
{
    const struct {
        const char* text;
        bool ok;
        int year = 0, month = 0, day = 0;
    } rows[] = {
        {"03/08/2026", true, 2026, 3, 8}, {"12/31/9999", true, 9999, 12, 31}, {"01/02/1583", true, 1583, 1, 2},
        {"01/01/1583", false}, {"06/01/1500", false}, {"02/29/2025", false}, {"02/29/2024", true, 2024, 2, 29},
        {"13/01/2026", false}, {"1/5/2026", false},   {"03-08-2026", false}, {"03/08/20x6", false},
        {"", false},          {"03/08/2026 ", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        LocalDayInput in;
        ASSERT_EQ(LocalDayDateOf(r.text, in), r.ok);
        if (r.ok) {
            EXPECT_EQ(in.year, r.year);
            EXPECT_EQ(in.month, r.month);
            EXPECT_EQ(in.day, r.day);
        }
    }
}

TEST(RouteLocalStopLine, EachTimeRightAlignedUnderItsHeading)
{
    const std::string label = "  El Paso, TX     ";
    const auto times = [](const char* homeRise, const char* homeSet, const char* rise, const char* set,
                          const char* abbreviation, const char* message = "") {
        RouteLocalTimes t;
        t.homeRise = homeRise;
        t.homeSet = homeSet;
        t.rise = rise;
        t.set = set;
        t.abbreviation = abbreviation;
        t.message = message;
        return t;
    };
    RouteLocalTimes noZone = times("8:26A", "6:08P", "", "", "");
    noZone.marker = kRouteNoZone;
    RouteLocalTimes calcTexts = times("rise", "set", "", "", "");
    calcTexts.marker = kRouteNoZone;
    calcTexts.homeFromCalc = true;
    RouteLocalTimes polarNoZone = times("", "", "", "", "", "Sun up or down all day");
    polarNoZone.marker = kRouteNoZone;
    const struct {
        const char* name;
        RouteLocalTimes times;
        const char* line;
    } rows[] = {
        {"12-hour", times("8:26A", "6:08P", "7:26A", "5:08P", "MST"),
         "  El Paso, TX           8:26A     6:08P       7:26A      5:08P  MST"},
        {"two-digit hours and the evening-before mark", times("12:07A*", "10:59P", "11:07P", "9:59P", "AKDT"),
         "  El Paso, TX         12:07A*    10:59P      11:07P      9:59P  AKDT"},
        {"military", times("0826", "1808", "0726", "1708", "MST"),
         "  El Paso, TX            0826      1808        0726       1708  MST"},
        {"no set: the message after the zone", times("5:53A", "", "4:53A", "", "AKDT", "No sunset this date"),
         "  El Paso, TX           5:53A        --       4:53A         --  AKDT     No sunset this date"},
        {"neither", times("", "", "", "", "AKST", "Sun up or down all day"),
         "  El Paso, TX              --        --          --         --  AKST     Sun up or down all day"},
        {"a home time on the day after the date", times("7:20A", "2:42A+", "4:20A", "11:42P", "AKDT"),
         "  El Paso, TX           7:20A    2:42A+       4:20A     11:42P  AKDT"},
        // Without a zone the local columns stay empty and the zone column says so.
        {"no zone", noZone, "  El Paso, TX           8:26A     6:08P                         no zone"},
        {"Calc's texts kept as they are", calcTexts,
         "  El Paso, TX            rise       set                         no zone"},
        {"polar, no zone", polarNoZone,
         "  El Paso, TX              --        --                         no zone  Sun up or down all day"},
    };
    const std::string headings = RouteColumnHeadings(label.size(), true);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::string line = RouteLocalStopLine(label, r.times);
        EXPECT_EQ(line, r.line);
        // Every time ends where its heading ends, or its column is empty; the zone
        // starts under "Zone".
        for (const char* heading : {"Home rise", "Home set", "Local rise", "Local set"}) {
            const size_t start = headings.find(heading), end = start + std::string_view(heading).size();
            ASSERT_GE(line.size(), end);
            if (line.substr(start, end - start).find_first_not_of(' ') != std::string::npos) {
                EXPECT_NE(line[end - 1], ' ') << heading;
            }
        }
        EXPECT_NE(line.at(headings.find("Zone")), ' ');
    }
}

TEST(RouteColumnHeadings, StandOverTheColumns)
{
    EXPECT_EQ(RouteColumnHeadings(4, true), "      Home rise  Home set  Local rise  Local set  Zone");
    // The plain report pads nothing: "Set" goes over the first stop's set.
    EXPECT_EQ(RouteColumnHeadings(4, false, {"6:36A", "4:44P"}), "      Rise   Set");
    EXPECT_EQ(RouteColumnHeadings(4, false, {"0636", "1644"}), "      Rise  Set");
    EXPECT_EQ(RouteColumnHeadings(2, false, {"12:07A", "4:44P"}), "    Rise    Set");
}

TEST(GmtOffsetText, HoursAndMinutesWithTheirSign)
{
    const struct {
        double hours;
        const char* text;
    } rows[] = {{0, "GMT +0:00"}, {-0.0, "GMT +0:00"}, {-6, "GMT -6:00"},  {-10, "GMT -10:00"},
                {5.5, "GMT +5:30"}, {-3.5, "GMT -3:30"}, {9.75, "GMT +9:45"}, {14, "GMT +14:00"}};
    for (const auto& r : rows)
        EXPECT_EQ(GmtOffsetText(r.hours), r.text) << r.hours;
}

// A zone database of fixed clocks.
class FixedClock final : public ZoneClock {
public:
    FixedClock(int offset, std::string abbreviation) : offset_(offset), abbreviation_(std::move(abbreviation)) {}
    int OffsetAt(std::int64_t) const override { return offset_; }
    std::string AbbreviationAt(std::int64_t) const override { return abbreviation_; }

private:
    int offset_;
    std::string abbreviation_;
};

class FixedZones final : public ZoneDatabase {
public:
    const ZoneClock* Find(std::string_view name) override
    {
        const auto found = clocks.find(std::string(name));
        return found == clocks.end() ? nullptr : &found->second;
    }
    std::map<std::string, FixedClock> clocks{
        {"America/Chicago", FixedClock(-6 * kHour, "CST")},
        {"America/Denver", FixedClock(-7 * kHour, "MST")},
    };
};

// The plain computation at a fixed offset, as the report's texts without local times.
ZuruRuzResult Plain(double lon, double lat, double offset, int year, int month, int day)
{
    ZuruRuzInput in;
    in.longitude = lon;
    in.latitude = lat;
    in.gmtOffset = offset;
    in.year = year;
    in.month = month;
    in.day = day;
    return ComputeZuruRuz(in);
}

std::string ZuruRuzRise(double lon, double lat, double offset, int year, int month, int day)
{
    return Plain(lon, lat, offset, year, month, day).riseText.value_or("");
}

std::string ZuruRuzSet(double lon, double lat, double offset, int year, int month, int day)
{
    return Plain(lon, lat, offset, year, month, day).setText.value_or("");
}

// Minutes after midnight of a 12-hour text ("7:26A").
int ClockMinutes(const std::string& text)
{
    const int hour = std::stoi(text.substr(0, text.find(':'))) % 12;
    const int minutes = std::stoi(text.substr(text.find(':') + 1, 2));
    return (hour + (text.find('P') != std::string::npos ? 12 : 0)) * 60 + minutes;
}

TEST(RouteLocalClock, EachStopInItsOwnZoneAndTheSameEventsInTheHomeClock)
{
    FixedZones zones;
    const RouteRiseSet calc{"Rise", "Set"};
    RouteLocalClock clock(zones, "01/15/2026", -6, false);
    // Amarillo (Central), El Paso (Mountain), Amarillo again: the zone asked last is
    // not taken for the next stop.
    const struct {
        double lat, lon;
        double offset;
        const char* abbreviation;
    } stops[] = {{35.22, -101.83, -6, "CST"}, {31.76, -106.49, -7, "MST"}, {35.22, -101.83, -6, "CST"},
                 {35.2201, -101.8299, -6, "CST"}};  // held as the field holds it: 35.22 -101.83
    for (const auto& s : stops) {
        SCOPED_TRACE(s.abbreviation);
        const RouteLocalTimes t = clock.StopTimes(s.lat, s.lon, calc);
        EXPECT_EQ(t.marker, "");
        EXPECT_EQ(t.abbreviation, s.abbreviation);
        EXPECT_EQ(t.rise, ZuruRuzRise(s.lon, s.lat, s.offset, 2026, 1, 15));
        EXPECT_EQ(t.set, ZuruRuzSet(s.lon, s.lat, s.offset, 2026, 1, 16));  // the date's own evening
        EXPECT_EQ(t.message, "");
        // The home columns hold the same two events, an hour later on the clock in Central.
        const int shift = static_cast<int>(-6 - s.offset) * 60;
        EXPECT_EQ(ClockMinutes(t.homeRise), ClockMinutes(t.rise) + shift);
        EXPECT_EQ(ClockMinutes(t.homeSet), ClockMinutes(t.set) + shift);
    }

    // No zone: far from every town, a zone the database lacks. The home columns still
    // hold the date's own events, in the home clock.
    for (const auto& place : {std::pair{25.0, -95.0}, std::pair{21.31, -157.86}}) {  // the Gulf, Honolulu
        const RouteLocalTimes t = clock.StopTimes(place.first, place.second, calc);
        EXPECT_EQ(t.marker, kRouteNoZone);
        EXPECT_EQ(t.homeRise, ZuruRuzRise(place.second, place.first, -6, 2026, 1, 15));
        EXPECT_EQ(t.homeSet, ZuruRuzSet(place.second, place.first, -6, 2026, 1, 16));
    }
    // A zero coordinate is not computed, as Calc computes nothing: Calc's texts stay.
    for (const auto& place : {std::pair{0.0, -101.83}, std::pair{35.22, 0.0}}) {
        const RouteLocalTimes t = clock.StopTimes(place.first, place.second, calc);
        EXPECT_EQ(t.marker, kRouteNoZone);
        EXPECT_EQ(t.homeRise + t.homeSet, "RiseSet");
    }
    EXPECT_EQ(clock.StopTimes(35.22, -101.83, calc).abbreviation, "CST");  // and after those, the right zone again
    // A polar stop without a zone: no event in the home clock either, and the reason.
    const RouteLocalTimes polar = clock.StopTimes(75.0, -150.0, calc);
    EXPECT_EQ(polar.marker, kRouteNoZone);
    EXPECT_EQ(polar.homeRise + polar.homeSet, "");
    EXPECT_EQ(polar.message, "Sun up or down all day");

    RouteLocalClock military(zones, "01/15/2026", -6, true);
    EXPECT_EQ(military.StopTimes(31.76, -106.49, calc).rise.size(), 4u);

    // A date the local day does not reach: every stop says so and keeps Calc's texts.
    RouteLocalClock old(zones, "06/01/1500", -6, false);
    const RouteLocalTimes t = old.StopTimes(35.22, -101.83, calc);
    EXPECT_EQ(t.marker, kRouteNoLocalDay);
    EXPECT_EQ(t.homeRise + t.homeSet, "RiseSet");
}

// A home clock ahead of the stop's puts its late set on the day after the date: the
// home text says so, the stop's own does not. A home clock behind marks nothing.
TEST(RouteLocalClock, AHomeTimeOnTheDayAfterTheDateIsMarked)
{
    FixedZones zones;
    zones.clocks.emplace("America/Anchorage", FixedClock(-8 * kHour, "AKDT"));
    const RouteRiseSet calc{"Rise", "Set"};
    const auto minutes = [](std::string text) {
        if (!text.empty() && text.back() == '+')
            text.pop_back();
        return ClockMinutes(text);
    };
    const struct {
        double homeOffset;
        const char* riseMark;
        const char* setMark;
    } homes[] = {{-5, "", "+"}, {-8, "", ""}, {-10, "", ""}};
    for (const auto& h : homes) {
        SCOPED_TRACE(h.homeOffset);
        RouteLocalClock clock(zones, "06/21/2026", h.homeOffset, false);
        const RouteLocalTimes t = clock.StopTimes(61.22, -149.90, calc);  // Anchorage
        ASSERT_EQ(t.abbreviation, "AKDT");
        const int shift = static_cast<int>(h.homeOffset + 8) * 60;
        EXPECT_EQ(minutes(t.homeRise), (minutes(t.rise) + shift + 1440) % 1440);
        EXPECT_EQ(minutes(t.homeSet), (minutes(t.set) + shift + 1440) % 1440);
        EXPECT_EQ(t.homeRise.substr(t.homeRise.find_last_of("AP") + 1), h.riseMark);
        EXPECT_EQ(t.homeSet.substr(t.homeSet.find_last_of("AP") + 1), h.setMark);
        EXPECT_EQ(t.set.back(), 'P');  // the stop's own set is on the date
        EXPECT_EQ(clock.MarkedNextDay(), *h.setMark != 0);
    }
}

TEST(BuildRouteReport, TheStopLineHookFormatsStopsOnly)
{
    RouteReportOperations ops;
    ops.readLines = [](const std::string&) {
        return std::vector<std::string>{"Title", "  A, TX  [35.22 -101.83] TS", "", "  B, TX  [31.76 -106.49]"};
    };
    ops.zuruRuzTexts = [](double, double) { return RouteRiseSet{"r", "s"}; };
    ops.beginRoute = [](const std::string&, int) {};
    ops.step = [](int) {};
    std::vector<std::string> warnings;
    ops.warn = [&](const std::string& m) { warnings.push_back(m); };
    EXPECT_EQ(BuildRouteReport({"R"}, "", ops),
              (std::vector<std::string>{"Title", "  A, TX    r  s", "", "  B, TX    r  s"}));

    std::vector<std::string> seen;
    ops.stopLine = [&](const std::string& label, const RouteRiseSet& texts, double lat, double lon) {
        seen.push_back(label + "|" + texts.rise + texts.set + "|" + std::to_string(lat) + "|" + std::to_string(lon));
        return "stop " + std::to_string(seen.size());
    };
    EXPECT_EQ(BuildRouteReport({"R"}, "", ops), (std::vector<std::string>{"Title", "stop 1", "", "stop 2"}));
    EXPECT_EQ(seen, (std::vector<std::string>{"  A, TX  |rs|35.220000|-101.830000", "  B, TX  |rs|31.760000|-106.490000"}));

    // A hook that throws abandons the route at that stop, as a failed computation does.
    ops.stopLine = [](const std::string&, const RouteRiseSet&, double, double) -> std::string {
        throw std::runtime_error("no clock");
    };
    EXPECT_EQ(BuildRouteReport({"R"}, "", ops), (std::vector<std::string>{"Title"}));
    EXPECT_EQ(warnings, (std::vector<std::string>{"File:R.txt line 2: no clock"}));
}

struct CliRun {
    int status;
    std::string out, err;
};

// dawnrule-cli route --local in a scratch folder, with the system's zone database.
class CliRouteLocal : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream f(folder / "West.txt", std::ios::binary);
        for (const char* line : {"West", "", "  Amarillo, TX    [35.22 -101.83]", "  El Paso, TX     [31.76 -106.49]",
                                 "  Gulf            [25.00 -95.00]", "  Utqiagvik, AK   [71.29 -156.79]"})
            f << line << "\r\n";
    }

    CliRun Route(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"route", "--folder", folder.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, database);
        return {status, out.str(), err.str()};
    }

    QtZoneDatabase zones;
    ZoneDatabase* database = &zones;
    test::ScratchFolder scratch;
    const std::filesystem::path folder = scratch.path();
};

TEST_F(CliRouteLocal, EachStopGetsItsOwnClockAfterTheHomeTexts)
{
    const CliRun run = Route({"--date", "04/28/2026", "--offset", "-6", "--local", "West"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Every label is 18 characters wide, so the columns start at these characters.
    constexpr size_t kHomeRise = 18 + 2, kHomeSet = kHomeRise + 11, kLocalRise = kHomeSet + 10,
                     kLocalSet = kLocalRise + 12, kZone = kLocalSet + 11;
    const auto right = [](const std::string& text, size_t width) { return std::string(width - text.size(), ' ') + text; };
    // Home Central (-6: Central daylight time would be -5); Amarillo keeps CDT, El Paso
    // MDT; the Gulf has no town near; Utqiagvik has no sunset on the date.
    const std::string amarilloHome = ZuruRuzRise(-101.83, 35.22, -6, 2026, 4, 28);
    const std::string amarilloCalcSet = ZuruRuzSet(-101.83, 35.22, -6, 2026, 4, 28);  // the evening before
    const std::string amarilloLocal = ZuruRuzRise(-101.83, 35.22, -5, 2026, 4, 28);
    const std::string elPasoLocalSet = ZuruRuzSet(-106.49, 31.76, -6, 2026, 4, 29);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string l; std::getline(lines, l);)
        out.push_back(l);
    ASSERT_EQ(out.size(), 8u) << run.out;
    EXPECT_EQ(out[0], "04/28/2026");
    EXPECT_EQ(out[4].substr(0, kHomeRise + 9), "  Amarillo, TX      " + right(amarilloHome, 9));
    EXPECT_EQ(out[4].substr(kLocalRise, 10), right(amarilloLocal, 10));
    EXPECT_EQ(out[4].substr(kZone), "CDT");
    // The home set is the date's own evening, as the local one: not Calc's evening before.
    EXPECT_NE(out[4].substr(kHomeSet, 8), right(amarilloCalcSet, 8));
    EXPECT_EQ(ClockMinutes(out[4].substr(kHomeSet, 8).substr(out[4].substr(kHomeSet, 8).find_first_not_of(' '))),
              ClockMinutes(ZuruRuzSet(-101.83, 35.22, -5, 2026, 4, 29)) - 60);
    EXPECT_EQ(out[5].substr(kLocalSet, 9), right(elPasoLocalSet, 9));
    EXPECT_EQ(out[5].substr(kZone), "MDT");
    EXPECT_EQ(out[6].substr(kLocalRise), std::string(kZone - kLocalRise, ' ') + "no zone");
    EXPECT_EQ(out[7].substr(kLocalRise), "     4:53A         --  AKDT     No sunset this date");
    // The home Calc's own message, if it has one for Utqiagvik at -6, names the stop.
    const std::optional<std::string> message = Plain(-156.79, 71.29, -6, 2026, 4, 28).message;
    EXPECT_EQ(run.err, message ? "dawnrule-cli route: West.txt line 6: " + *message + "\n" : std::string());

    // Without --local, the report as before.
    const CliRun home = Route({"--date", "04/28/2026", "--offset", "-6", "West"});
    EXPECT_EQ(home.out.substr(0, 45), "04/28/2026\n\nWest\n\n  Amarillo, TX      " + amarilloHome + "  ");
}

// Every column under its heading, as exact lines: a home time on the day after the date
// carries its mark; a polar stop without a zone leaves the local columns empty.
TEST_F(CliRouteLocal, MarksAndEmptyColumnsKeepTheColumns)
{
    std::ofstream(folder / "North.txt", std::ios::binary) << "  Anchorage, AK   [61.22 -149.90]\r\n"
                                                             "  Beaufort Sea    [75.00 -150.00]\r\n";
    const CliRun run = Route({"--date", "06/21/2026", "--offset", "-5", "--local", "North"});
    EXPECT_EQ(run.out, "06/21/2026\n\n"
                       "  Anchorage, AK         7:20A    2:43A+       4:20A     11:43P  AKDT\n"
                       "  Beaufort Sea             --        --                         no zone  Sun up or down all day\n");
}

TEST_F(CliRouteLocal, WithoutAZoneDatabaseLocalIsAUsageError)
{
    database = nullptr;
    const CliRun run = Route({"--date", "04/28/2026", "--offset", "-6", "--local", "West"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "dawnrule-cli route: --local: this program has no zone database\n");
}

} // namespace
} // namespace dawnrule
