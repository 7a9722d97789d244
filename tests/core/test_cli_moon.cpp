#include "cli/cli_commands.h"

#include "astro/calendar.h"
#include "astro/sun_moon.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dawnrule {
namespace {

struct MoonRun {
    int status;
    std::string out;
    std::string err;
};

MoonRun Moon(const std::vector<std::string>& args)
{
    std::vector<std::string> all = {"moon"};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(all, out, err);
    return {status, out.str(), err.str()};
}

// "label value" lines as numbers, read back at full precision.
std::map<std::string, long double> Values(const std::string& text)
{
    std::map<std::string, long double> values;
    std::istringstream lines(text);
    std::string label;
    std::string value;
    while (lines >> label >> value)
        values[label] = std::stold(value);
    return values;
}

TEST(MoonCommand, PrintsThePhaseAngleOfTheDateAtFullPrecision)
{
    const MoonRun run = Moon({"--date", "11/09/2005"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto values = Values(run.out);
    const TDateTime date = DateTimeOfCalendarDate(2005, 11, 9);
    EXPECT_EQ(values.at("tdatetime"), date);
    // 21 significant digits read back to the same long double.
    EXPECT_EQ(values.at("phase_angle"), MoonPhaseAngle(date));
    EXPECT_NEAR(values.at("phase_angle"), 90.933L, 5e-4L);
    const SkyPosition moon = MoonPosition(date);
    EXPECT_EQ(values.at("moon_longitude"), moon.EclipticLongitude);
    EXPECT_EQ(values.at("moon_latitude"), moon.EclipticLatitude);
    EXPECT_EQ(values.at("moon_distance_km"), moon.DistanceKm);
    EXPECT_EQ(values.at("sun_longitude"), SunPosition(date).EclipticLongitude);
}

TEST(MoonCommand, DateAndTimeInOneOrTwoArgumentsOrAsADayNumber)
{
    const MoonRun joined = Moon({"--date", "11/09/2005 20:30:00"});
    const MoonRun split = Moon({"--date", "11/09/2005", "20:30:00"});
    const MoonRun number = Moon({"--tdatetime", "38665.854166666667"});
    ASSERT_EQ(joined.status, 0) << joined.err;
    ASSERT_EQ(split.status, 0) << split.err;
    ASSERT_EQ(number.status, 0) << number.err;
    EXPECT_EQ(joined.out, split.out);
    EXPECT_EQ(joined.out, number.out);
    EXPECT_NEAR(Values(joined.out).at("tdatetime"), 38665 + 20.5 / 24, 1e-10);
    EXPECT_EQ(Values(joined.out).at("phase_angle"), MoonPhaseAngle(38665 + 20.5 / 24));
}

TEST(MoonCommand, EarlyJulianCalendarDates)
{
    // 4 October 1582 (Julian) is the day before 15 October 1582 (Gregorian).
    const MoonRun before = Moon({"--date", "10/04/1582"});
    const MoonRun after = Moon({"--date", "10/15/1582"});
    ASSERT_EQ(before.status, 0) << before.err;
    ASSERT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(Values(after.out).at("tdatetime") - Values(before.out).at("tdatetime"), 1);
}

struct BadArgumentsCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class MoonCommandErrorTest : public testing::TestWithParam<BadArgumentsCase> {};

TEST_P(MoonCommandErrorTest, PrintsOneLineAndReturns2)
{
    const BadArgumentsCase& c = GetParam();
    const MoonRun run = Moon(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "dawnrule-cli moon: " + std::string(c.message) + "\n");
}

const char* const kUsage = "expected --date \"mm/dd/yyyy[ hh:mm:ss]\" or --tdatetime N";

INSTANTIATE_TEST_SUITE_P(MoonCommand, MoonCommandErrorTest, testing::Values(
    BadArgumentsCase{"NoArguments", {}, kUsage},
    BadArgumentsCase{"MissingDate", {"--date"}, kUsage},
    BadArgumentsCase{"MissingNumber", {"--tdatetime"}, kUsage},
    BadArgumentsCase{"UnknownOption", {"--when", "11/09/2005"}, kUsage},
    BadArgumentsCase{"TooManyArguments", {"--date", "11/09/2005", "20:30:00", "x"}, kUsage},
    BadArgumentsCase{"Month13", {"--date", "13/01/2005"}, "Invalid month"},
    BadArgumentsCase{"April31", {"--date", "04/31/2005"}, "Invalid day"},
    BadArgumentsCase{"CalendarGap", {"--date", "10/10/1582"}, "Date invalid due to calendar change"},
    BadArgumentsCase{"Year0", {"--date", "01/01/0"}, "Invalid year"},
    BadArgumentsCase{"Year10000", {"--date", "01/01/10000"}, "Invalid year"},
    BadArgumentsCase{"YearBeyond16Bits", {"--date", "01/01/99999999999"}, "Invalid year"},
    BadArgumentsCase{"MonthBeyond16Bits", {"--date", "65537/01/2000"}, "Invalid month"},
    BadArgumentsCase{"Garbage", {"--date", "abc"}, "'abc' is not a valid date"},
    BadArgumentsCase{"SignedField", {"--date", "-1/01/2000"}, "'-1/01/2000' is not a valid date"},
    BadArgumentsCase{"EmptyField", {"--date", "11//2005"}, "'11//2005' is not a valid date"},
    BadArgumentsCase{"Hour24", {"--date", "11/09/2005", "24:00:00"}, "'24:00:00' is not a valid time"},
    BadArgumentsCase{"TimeGarbage", {"--date", "11/09/2005 noon"}, "'noon' is not a valid time"},
    BadArgumentsCase{"TrailingBlank", {"--date", "11/09/2005 "}, "'' is not a valid time"},
    BadArgumentsCase{"EmptyTime", {"--date", "11/09/2005", ""}, "'' is not a valid time"},
    BadArgumentsCase{"LineBreak", {"--date", "11/09/2005\n"}, "'11/09/2005\\n' is not a valid date"},
    BadArgumentsCase{"NumberGarbage", {"--tdatetime", "soon"}, "'soon' is not a valid floating point value"},
    BadArgumentsCase{"NotANumber", {"--tdatetime", "nan"}, "'nan' is not a valid floating point value"},
    BadArgumentsCase{"Absurd", {"--tdatetime", "1e300"},
                     "'1e300' is outside the dates 01/01/0001 to 12/31/9999"},
    BadArgumentsCase{"BeforeYear1", {"--tdatetime", "-700000"},
                     "'-700000' is outside the dates 01/01/0001 to 12/31/9999"}),
    [](const testing::TestParamInfo<BadArgumentsCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace dawnrule
