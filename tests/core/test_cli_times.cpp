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

CliRun Times(std::vector<std::string> args)
{
    args.insert(args.begin(), "times");
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliTimes, PrintsRiseSetAndMessageSeparatedByTabs)
{
    const struct {
        std::vector<std::string> args;
        const char* line;
    } rows[] = {
        {{"--lon", "-74.0", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"}, "6:36A\t4:44P\t\n"},
        {{"--date", "11/09/2005", "--military", "--offset", "-5", "--lat", "40.7", "--lon", "-74"}, "0636\t1644\t\n"},
        {{"--lon", "-156.8", "--lat", "71.3", "--offset", "-9", "--date", "06/21/2005"}, "\t\tSun up or down all day\n"},
        {{"--lon", "-156.8", "--lat", "71.3", "--offset", "-9", "--date", "11/16/2005"}, "\t2:23P\tNo sunrise this date\n"},
        {{"--lon", "0", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"}, "\t\t\n"},
    };
    for (const auto& r : rows) {
        const CliRun run = Times(r.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, r.line);
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliTimes, BadInputIsOneLineOnStderrAndStatusTwo)
{
    const std::vector<std::string> good = {"--lon", "-74", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"};
    const auto with = [&good](const std::string& option, const std::string& value) {
        std::vector<std::string> args = good;
        for (size_t i = 0; i < args.size(); i += 2) {
            if (args[i] == option)
                args[i + 1] = value;
        }
        return args;
    };
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--lon"},
        {"--lon", "-74", "--lat", "40.7", "--offset", "-5"},
        {"--lon", "-74", "--lon", "-75", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"},
        {"--bogus", "1"},
        with("--lon", "abc"), with("--lon", "nan"), with("--lon", "1e400"), with("--lon", "-181"),
        with("--lat", "91"), with("--lat", ""), with("--offset", "15"), with("--offset", "-5:00"),
        with("--date", "2005-11-09"), with("--date", "13/09/2005"), with("--date", "02/30/2005"),
        with("--date", "02/29/1900"), with("--date", "00/10/2005"), with("--date", "11/9/2005"),
        with("--date", "11/09/0000"), with("--date", "1a/09/2005"), with("--date", std::string(5000, '9')),
        with("--date", "11/09/200x"), with("--date", "11/09/2005 "), with("--offset", "14.01"),
        with("--offset", "-12.5"), with("--lon", "1\n2"),
    };
    for (const auto& args : cases) {
        const CliRun run = Times(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.err.rfind("dawnrule-cli times: ", 0), 0u) << run.err;
    }
}

TEST(CliTimes, AcceptsEveryOffsetFromMinus12ToPlus14)
{
    // The eastern offsets beyond +12 (Tonga +13, Line Islands +14) are real zones.
    for (const char* offset : {"-12", "-3.5", "0", "5.75", "12", "13", "14"}) {
        const CliRun run = Times({"--lon", "172.5", "--lat", "-13.8", "--offset", offset, "--date", "06/21/2005"});
        EXPECT_EQ(run.status, 0) << offset << ": " << run.err;
        EXPECT_NE(run.out, "\t\t\n") << offset;
    }
}

TEST(CliTimes, ALineBreakInAnArgumentIsShownEscaped)
{
    const CliRun run = Times({"--lon", "1\n2", "--lat", "40.7", "--offset", "-5", "--date", "11/09/2005"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "dawnrule-cli times: --lon: '1\\n2' is not a valid floating point value\n");
}

TEST(CliTimes, JulianLeapDayBefore1583IsADate)
{
    const CliRun run = Times({"--lon", "-74", "--lat", "40.7", "--offset", "-5", "--date", "02/29/1500"});
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace dawnrule
