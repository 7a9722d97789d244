#include "app/parm_file.h"

#include "common/number_text.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

namespace dawnrule {
namespace {

TEST(ParmFlag, PositionsBeyondTheTextAreOff)
{
    EXPECT_TRUE(ParmFlag("100110000000", kFlagCityList));
    EXPECT_FALSE(ParmFlag("100110000000", kFlagLed));
    EXPECT_TRUE(ParmFlag("100110000000", kFlagLockOffset));
    EXPECT_TRUE(ParmFlag("100110000000", kFlagMilitary));
    EXPECT_TRUE(ParmFlag("0001", kFlagLockOffset));
    EXPECT_FALSE(ParmFlag("0001", kFlagMilitary));
    EXPECT_FALSE(ParmFlag("", kFlagCityList));
    EXPECT_FALSE(ParmFlag("x1", kFlagCityList));
    EXPECT_FALSE(ParmFlag("11111", 0));
}

TEST(ParmFileLines, WritesTheSevenLines)
{
    ParmValues v;
    v.military = true;
    v.offsetChosen = true;
    v.offset = -5;
    v.offsetIndex = 0;
    v.homeLongitude = -86.47;
    v.homeLatitude = 0;
    v.homeOffset = 5.5;
    v.homeOffsetIndex = 74;
    EXPECT_EQ(ParmFileLines(v),
              (std::vector<std::string>{"000010000000", "-5", "0", "-86.47", "0", "5.5", "74"}));

    v = {};
    v.cityList = v.led = v.lockOffset = true;
    v.offsetChosen = false;  // no offset chosen: "0" and "-1" whatever the field holds
    v.offset = -7;
    v.offsetIndex = 3;
    v.homeOffsetIndex = -1;
    EXPECT_EQ(ParmFileLines(v), (std::vector<std::string>{"110100000000", "0", "-1", "0", "0", "0", "-1"}));
}

// The home window's "Save" writes the home lines from the run and keeps lines 1 to 3 of
// the file as they stand, unless the file has none to keep.
TEST(ParmLinesWithHome, KeepsTheFilesFirstLinesUnlessDamaged)
{
    ParmValues run;
    run.led = true;
    run.offsetChosen = true;
    run.offset = -6;
    run.offsetIndex = 1;
    run.homeLongitude = -88.02;
    run.homeLatitude = 30.41;
    run.homeOffset = 5.5;
    run.homeOffsetIndex = 74;
    using Lines = std::vector<std::string>;
    const Lines fromRun = {"010000000000", "-6", "1", "-88.02", "30.41", "5.5", "74"};
    const Lines kept = {"100110000000", "-3.5", "48", "-88.02", "30.41", "5.5", "74"};
    const struct {
        const char* name;
        std::optional<Lines> file;
        Lines written;
    } rows[] = {
        {"intact", Lines{"100110000000", "-3.5", "48", "1", "2", "3", "4"}, kept},
        {"first three lines only", Lines{"100110000000", "-3.5", "48"}, kept},
        {"lines beyond the seventh", Lines{"100110000000", "-3.5", "48", "", "", "", "", "extra"}, kept},
        {"missing or unreadable", std::nullopt, fromRun},
        {"empty", Lines{}, fromRun},
        {"two lines", Lines{"100110000000", "-3.5"}, fromRun},
        {"flags too short", Lines{"10011", "-3.5", "48"}, fromRun},
        {"flags too long", Lines{"1001100000000", "-3.5", "48"}, fromRun},
        {"flag not 0 or 1", Lines{"10011000000x", "-3.5", "48"}, fromRun},
        {"offset not a number", Lines{"100110000000", "x", "48"}, fromRun},
        {"offset empty", Lines{"100110000000", "", "48"}, fromRun},
        {"index not an integer", Lines{"100110000000", "-3.5", "4.8"}, fromRun},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ParmLinesWithHome(r.file, run), r.written) << r.name;
}

TEST(ParmFileLines, LocalZoneAndLocalTimesArePositionsSixAndSeven)
{
    ParmValues v;
    v.localZone = true;
    EXPECT_EQ(ParmFileLines(v)[0], "000001000000");
    v = {};
    v.routeLocalTimes = true;
    EXPECT_EQ(ParmFileLines(v)[0], "000000100000");
    v.cityList = v.led = v.lockOffset = v.military = v.localZone = true;
    EXPECT_EQ(ParmFileLines(v)[0], "110111100000");

    // Both off: every line exactly as the file has always been written.
    ParmValues off;
    off.cityList = off.lockOffset = true;
    off.offsetChosen = true;
    off.offset = -4;
    off.offsetIndex = 4;
    off.homeLongitude = -88.02;
    off.homeLatitude = 30.41;
    off.homeOffset = -5;
    EXPECT_EQ(ParmFileLines(off), (std::vector<std::string>{"100100000000", "-4", "4", "-88.02", "30.41", "-5", "0"}));
}

TEST(ParseParmLines, PositionsSixAndSevenReadBackAndChangeNothingElse)
{
    const std::vector<std::string> rest = {"-4", "4", "-88.02", "30.41", "-5", "0"};
    const auto read = [&rest](const std::string& flags) {
        std::vector<std::string> lines{flags};
        lines.insert(lines.end(), rest.begin(), rest.end());
        return ParseParmLines(lines);
    };
    const struct {
        const char* flags;
        bool localZone, routeLocalTimes;
        const char* same;  // the file without them
    } rows[] = {
        {"000001000000", true, false, "000000000000"},  {"000000100000", false, true, "000000000000"},
        {"000001100000", true, true, "000000000000"},   {"110111100000", true, true, "110110000000"},
        {"0000011", true, true, "00000"},                {"00000", false, false, "00000"},
        {"111111111111", true, true, "110110000000"},   // 3 and 8 to 12 are still not read
        {"0000010x1", true, false, "000000000"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.flags);
        const ParmReading with = read(r.flags);
        EXPECT_EQ(with.values.localZone, r.localZone);
        EXPECT_EQ(with.values.routeLocalTimes, r.routeLocalTimes);
        EXPECT_FALSE(with.error);
        ParmValues others = with.values;
        others.localZone = others.routeLocalTimes = false;
        EXPECT_EQ(others, read(r.same).values);
        // Written back, the line holds the two positions as read.
        EXPECT_EQ(ParmFileLines(with.values)[0].substr(5, 2),
                  std::string(r.localZone ? "1" : "0") + (r.routeLocalTimes ? "1" : "0"));
    }
}

// The values that matter for reading back: a value and its text must give back the
// very same double (bit for bit, but for -0, which is written as "0").
bool SameNumber(double a, double b)
{
    return (a == 0 && b == 0) || std::memcmp(&a, &b, sizeof a) == 0;
}

ParmValues Locked(double offset, int index, double lon, double lat, double homeOffset, int homeIndex)
{
    ParmValues v;
    v.lockOffset = true;
    v.offsetChosen = true;
    v.offset = offset;
    v.offsetIndex = index;
    v.homeLongitude = lon;
    v.homeLatitude = lat;
    v.homeOffset = homeOffset;
    v.homeOffsetIndex = homeIndex;
    return v;
}

void ExpectReadsBack(const ParmValues& v)
{
    const ParmReading r = ParseParmLines(ParmFileLines(v));
    ASSERT_FALSE(r.error) << *r.error;
    const auto lines = ParmFileLines(v);
    EXPECT_TRUE(SameNumber(r.values.offset, v.offset)) << lines[1];
    EXPECT_EQ(r.values.offsetIndex, v.offsetIndex);
    EXPECT_TRUE(SameNumber(r.values.homeLongitude, v.homeLongitude)) << lines[3];
    EXPECT_TRUE(SameNumber(r.values.homeLatitude, v.homeLatitude)) << lines[4];
    EXPECT_TRUE(SameNumber(r.values.homeOffset, v.homeOffset)) << lines[5];
    EXPECT_EQ(r.values.homeOffsetIndex, v.homeOffsetIndex);
    EXPECT_EQ(r.values.lockOffset, v.lockOffset);
}

TEST(ParmRoundTrip, ExtremeValuesReadBackAsWritten)
{
    const double extremes[] = {
        DBL_MAX, -DBL_MAX, 1e307, -1e307, DBL_MIN, -DBL_MIN, 5e-324, -5e-324, 2.2250738585072009e-308,
        -0.0, 0.0, 0.1 + 0.2, 1.0 / 3, -86.47, 30.41, -5, -3.5, 5.5, 99999.99, -99999.99,
        1.2345678901234567e-5, 9007199254740993.0, 123456789012345680.0, 1e21, 1e-7,
    };
    for (const double x : extremes) {
        SCOPED_TRACE(FloatToStr(x));
        ExpectReadsBack(Locked(x, 4, x, -x, x, 74));
    }
}

TEST(ParmRoundTrip, RandomValuesReadBackAsWritten)
{
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<int> cents(-9999999, 9999999);
    std::uniform_int_distribution<int> index(-1, 92);
    for (int i = 0; i < 20000; ++i) {
        // Any finite double, and values with two decimals as the fields hold them.
        double any;
        do {
            const std::uint64_t b = bits(random);
            std::memcpy(&any, &b, sizeof any);
        } while (!std::isfinite(any));
        const double twoDecimals = cents(random) / 100.0;
        ExpectReadsBack(Locked(any, index(random), twoDecimals, any, twoDecimals, index(random)));
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(ParseParmLines, EachLineReadsOnItsOwn)
{
    const struct {
        const char* name;
        std::vector<std::string> lines;
        ParmValues expected;
        const char* error;  // nullptr: none
    } rows[] = {
        {"default start", {"000000000000", "0", "-1", "0", "0", "0", "0"}, ParmValues{}, nullptr},
        {"locked entry", {"100110000000", "-4", "4", "-88.02", "30.41", "-5", "0"},
         [] {
             ParmValues v = Locked(-4, 4, -88.02, 30.41, -5, 0);
             v.offsetChosen = false;
             v.cityList = v.military = true;
             return v;
         }(),
         nullptr},
        {"unlocked: lines 2 and 3 are not read", {"000000000000", "junk", "junk", "1", "2", "3", "4"},
         [] {
             ParmValues v;
             v.homeLongitude = 1;
             v.homeLatitude = 2;
             v.homeOffset = 3;
             v.homeOffsetIndex = 4;
             return v;
         }(),
         nullptr},
        {"bad home longitude keeps the rest", {"000100000000", "-6", "1", "1.79769313486232e+308", "30.41", "-5", "0"},
         [] {
             ParmValues v = Locked(-6, 1, 0, 30.41, -5, 0);
             v.offsetChosen = false;
             return v;
         }(),
         "'1.79769313486232e+308' is not a valid floating point value"},
        {"first bad line's message only", {"000100000000", "-6", "x", "-88.02", "y", "-5", "z"},
         [] {
             ParmValues v = Locked(-6, -1, -88.02, 0, -5, -1);
             v.offsetChosen = false;
             return v;
         }(),
         "'x' is not a valid integer value"},
        {"empty and missing lines", {"00010", "", ""},
         [] {
             ParmValues v = Locked(0, -1, 0, 0, 0, -1);
             v.offsetChosen = false;
             return v;
         }(),
         "'' is not a valid integer value"},
        {"blank number lines are 0", {"000000000000", "", "", " ", "", "\t", "-1"},
         [] {
             ParmValues v;
             v.homeOffsetIndex = -1;
             return v;
         }(),
         nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const ParmReading reading = ParseParmLines(r.lines);
        EXPECT_EQ(reading.values, r.expected);
        if (r.error)
            EXPECT_EQ(reading.error.value_or("none"), r.error);
        else
            EXPECT_FALSE(reading.error) << *reading.error;
    }
}

TEST(ParseParmLines, WhatIsReadIsWhatTheNextCloseWrites)
{
    // One damaged line: everything else survives the next "Close ".
    const std::vector<std::string> damaged = {"000110000000", "-6", "1", "-88.02", "3O.41", "-5", "0"};
    ParmValues v = ParseParmLines(damaged).values;
    v.offsetChosen = true;
    EXPECT_EQ(ParmFileLines(v),
              (std::vector<std::string>{"000110000000", "-6", "1", "-88.02", "0", "-5", "0"}));
}

// What a new user starts with: the state buttons, the LED, each place in its own clock
// and the Routes window's local columns; no offset locked, no home place; and an empty
// list of their own towns, so the USER window opens without an error.
TEST(ShippedFiles, StartANewUserWithTheHelpfulOptions)
{
    const std::string data = std::string(DAWNRULE_SOURCE_DIR) + "/data/";
    const std::vector<std::string> lines = ReadTextLines(data + kParmFileName);
    EXPECT_EQ(lines.size(), static_cast<size_t>(kParmLineCount));
    const ParmReading r = ParseParmLines(lines);
    EXPECT_FALSE(r.error);
    ParmValues expected;
    expected.cityList = expected.led = expected.localZone = expected.routeLocalTimes = true;
    EXPECT_EQ(r.values, expected);
    EXPECT_EQ(ParmFileLines(r.values), lines);  // as "Close " would write it
    EXPECT_TRUE(ReadTextLines(data + "U.txt").empty());
}

}  // namespace
}  // namespace dawnrule
