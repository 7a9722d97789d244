// dawnrule-cli times --local: the place's own local day with its zone's abbreviation,
// through the system's zone database.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"

#include <gtest/gtest.h>

#include <sstream>

namespace dawnrule {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliTimesLocal : public ::testing::Test {
protected:
    CliRun Times(std::vector<std::string> args)
    {
        args.insert(args.begin(), "times");
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, database);
        return {status, out.str(), err.str()};
    }

    QtZoneDatabase zones;
    ZoneDatabase* database = &zones;
};

TEST_F(CliTimesLocal, PrintsRiseSetMessageAndAbbreviation)
{
    const struct {
        std::vector<std::string> args;
        const char* line;
    } rows[] = {
        // El Paso TX keeps mountain time; the first morning of daylight time.
        {{"--lon", "-106.49", "--lat", "31.76", "--date", "03/08/2026", "--local"}, "7:25A\t7:09P\t\tMDT\n"},
        {{"--lon", "-106.49", "--lat", "31.76", "--date", "03/07/2026", "--local"}, "6:26A\t6:08P\t\tMST\n"},
        {{"--local", "--military", "--date", "03/08/2026", "--lat", "31.76", "--lon", "-106.49"}, "0725\t1909\t\tMDT\n"},
        // New York, 11/09/2005: the same morning as the window's 6:36A, but the date's
        // own evening (the window shows the evening before, 4:44P).
        {{"--lon", "-74.0", "--lat", "40.7", "--date", "11/09/2005", "--local"}, "6:36A\t4:43P\t\tEST\n"},
        // Typed coordinates some 3 km from Honolulu.
        {{"--lon", "-157.83", "--lat", "21.30", "--date", "07/04/2026", "--local"}, "5:54A\t7:18P\t\tHST\n"},
        {{"--lon", "-156.79", "--lat", "71.29", "--date", "06/21/2026", "--local"}, "\t\tSun up or down all day\tAKDT\n"},
        {{"--lon", "-156.79", "--lat", "71.29", "--date", "04/28/2026", "--local"}, "4:53A\t\tNo sunset this date\tAKDT\n"},
        {{"--lon", "-156.79", "--lat", "71.29", "--date", "04/29/2026", "--local"}, "4:46A\t12:01A*\t\tAKDT\n"},
        // --zone instead of the town table: a place far from every town, or another zone.
        {{"--lon", "-116.5", "--lat", "38.5", "--date", "06/21/2026", "--local", "--zone", "America/Los_Angeles"},
         "5:22A\t8:14P\t\tPDT\n"},
        {{"--lon", "-106.49", "--lat", "31.76", "--date", "03/08/2026", "--local", "--zone", "America/Chicago"},
         "8:25A\t8:09P\t\tCDT\n"},
        // Like Calc, a zero coordinate computes nothing.
        {{"--lon", "0", "--lat", "31.76", "--date", "03/08/2026", "--local"}, "\t\t\t\n"},
    };
    for (const auto& r : rows) {
        const CliRun run = Times(r.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, r.line);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(CliTimesLocal, WithoutLocalTheLineIsAsBefore)
{
    const CliRun run = Times({"--lon", "-74.0", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "6:36A\t4:44P\t\n");
}

TEST_F(CliTimesLocal, ErrorsAreOneLineWithStatusTwo)
{
    const std::vector<std::string> place = {"--lon", "-106.49", "--lat", "31.76", "--date", "03/08/2026"};
    const auto with = [&place](std::vector<std::string> more) {
        std::vector<std::string> args = place;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        const char* error;
    } rows[] = {
        {{"--lon", "-116.5", "--lat", "38.5", "--date", "06/21/2026", "--local"},
         "dawnrule-cli times: no time zone known at --lon -116.5 --lat 38.5: no town within 25 km (--zone names one)\n"},
        {{"--lon", "-90", "--lat", "26", "--date", "06/21/2026", "--local"},
         "dawnrule-cli times: no time zone known at --lon -90 --lat 26: no town within 25 km (--zone names one)\n"},
        {with({"--local", "--zone", "America/Nowhere"}),
         "dawnrule-cli times: --zone: the system's zone database does not know 'America/Nowhere'\n"},
        {with({"--local", "--zone", "../../etc/passwd"}),
         "dawnrule-cli times: --zone: the system's zone database does not know '../../etc/passwd'\n"},
        {with({"--local", "--zone", "A\nB"}), "dawnrule-cli times: --zone: the system's zone database does not know 'A\\nB'\n"},
        {with({"--local", "--zone"}), "dawnrule-cli times: --zone needs a value\n"},
        {with({"--local", "--zone", "America/Denver", "--zone", "America/Denver"}),
         "dawnrule-cli times: --zone given twice\n"},
        {with({"--local", "--offset", "-7"}),
         "dawnrule-cli times: --offset and --local exclude each other: the zone gives the offset\n"},
        {with({"--zone", "America/Denver", "--offset", "-7"}), "dawnrule-cli times: --zone needs --local\n"},
        {with({}), "dawnrule-cli times: missing --offset\n"},
        {{"--lon", "-106.49", "--date", "03/08/2026", "--local"}, "dawnrule-cli times: missing --lat\n"},
        {{"--lon", "-106.49", "--lat", "31.76", "--date", "01/01/1583", "--local"},
         "dawnrule-cli times: --date: --local computes dates from 01/02/1583 on\n"},
    };
    for (const auto& r : rows) {
        const CliRun run = Times(r.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, r.error);
    }
}

TEST_F(CliTimesLocal, WithoutAZoneDatabaseLocalIsAnError)
{
    database = nullptr;
    const CliRun run = Times({"--lon", "-106.49", "--lat", "31.76", "--date", "03/08/2026", "--local"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "dawnrule-cli times: --local: this program has no zone database\n");
    // The plain computation needs none.
    EXPECT_EQ(Times({"--lon", "-74", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"}).status, 0);
}

} // namespace
} // namespace dawnrule
