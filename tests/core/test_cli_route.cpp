#include "cli/cli_commands.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Route(std::vector<std::string> args)
{
    args.insert(args.begin(), "route");
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A scratch program folder with route files written as the shipped ones are (CR LF).
class CliRoute : public ::testing::Test {
protected:
    void SetUp() override
    {
        Write("NY", {"Title", "", "New York", "  New York, NY [40.70 -74.00]", "  Zero, NY     [0 -74.00]"});
        Write("Chicago", {"  Chicago, IL [41.85 -87.65]"});
        Write("Polar", {"  Utqiagvik, AK [71.30 -156.80]"});
        Write("Bad", {"Bad title", "  Good, NY [40.70 -74.00]", "  Bad, NY [40.70x -74.00]", "  Never, NY [41 -75]"});
    }

    void Write(const std::string& route, const std::vector<std::string>& lines)
    {
        std::ofstream f(folder / (route + ".txt"), std::ios::binary);
        for (const std::string& l : lines)
            f << l << "\r\n";
    }

    std::vector<std::string> Args(std::vector<std::string> names, const std::string& date = "11/09/2005",
                                  const std::string& offset = "-5")
    {
        std::vector<std::string> args = {"--date", date, "--offset", offset, "--folder", folder.string()};
        args.insert(args.end(), names.begin(), names.end());
        return args;
    }

    test::ScratchFolder scratch;
    const fs::path folder = scratch.path();
};

TEST_F(CliRoute, PrintsTheReportBoxAsProcessLeavesIt)
{
    const CliRun run = Route(Args({"NY"}));
    EXPECT_EQ(run.status, 0) << run.err;
    // The zero stop shows the labels as the latitude change reset them.
    EXPECT_EQ(run.out, "11/09/2005\n\nTitle\n\nNew York\n  New York, NY   6:36A  4:44P\n  Zero, NY       rise  set\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliRoute, MilitaryFormAndRoutesInTheOrderGiven)
{
    std::vector<std::string> args = Args({"Chicago", "NY", "Chicago"}, "06/21/2005", "-6");
    args.push_back("--military");
    const CliRun run = Route(args);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string chicago = "  Chicago, IL   0416  1929\n";
    EXPECT_EQ(run.out.substr(0, 12 + chicago.size()), "06/21/2005\n\n" + chicago);
    EXPECT_EQ(run.out.substr(run.out.size() - chicago.size()), chicago);
}

TEST_F(CliRoute, FailedRoutesWarnOnStderrAndGiveStatusOne)
{
    const CliRun run = Route(Args({"Gone", "Bad", "Chicago"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "dawnrule-cli route: File:Gone.txt not found\n"
              "dawnrule-cli route: File:Bad.txt line 3: '40.70x' is not a valid floating point value\n");
    // The bad route's earlier lines stay; the next route follows.
    EXPECT_EQ(run.out.rfind("11/09/2005\n\nBad title\n  Good, NY   6:36A  4:44P\n  Chicago, IL   ", 0), 0u) << run.out;
}

TEST_F(CliRoute, EveryMessageOfCalcIsOneLineNamingItsStop)
{
    const CliRun run = Route(Args({"NY", "Polar"}, "11/16/2005", "-9"));
    EXPECT_EQ(run.status, 0);  // a day without a sunrise is a result, not a failure
    EXPECT_EQ(run.err, "dawnrule-cli route: Polar.txt line 1: No sunrise this date\n");
    EXPECT_NE(run.out.find("\n  Utqiagvik, AK   Rise  2:23P\n"), std::string::npos) << run.out;
}

TEST_F(CliRoute, RouteFilesOfTheFolderOnlyAndTheFolderOption)
{
    // A path is no route name; a folder or a pipe in a route file's place cannot be read.
    const std::string absolute = (folder / "NY").string();
    fs::create_directory(folder / "Dir.txt");
    ASSERT_EQ(::mkfifo((folder / "Pipe.txt").c_str(), 0600), 0);
    const CliRun run = Route({"--date", "11/09/2005", "--offset", "-5", "--folder", folder.string(), absolute, "Dir",
                              "Pipe", "../NY", "NY"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "11/09/2005\n\nTitle\n\nNew York\n  New York, NY   6:36A  4:44P\n  Zero, NY       rise  set\n");
    EXPECT_EQ(run.err, "dawnrule-cli route: '" + absolute +
                           "' is not a route name: route files lie in the program's folder\n"
                           "dawnrule-cli route: Cannot open file " + (folder / "Dir.txt").string() + "\n"
                           "dawnrule-cli route: Cannot open file " + (folder / "Pipe.txt").string() + "\n"
                           "dawnrule-cli route: '../NY' is not a route name: route files lie in the program's folder\n");

    // After "--" every argument is a route name.
    Write("--odd", {"odd"});
    const CliRun odd = Route(Args({"--", "--odd"}));
    EXPECT_EQ(odd.status, 0) << odd.err;
    EXPECT_EQ(odd.out, "11/09/2005\n\nodd\n");
}

TEST_F(CliRoute, AllRoutesFailingStillPrintsTheHeader)
{
    const CliRun run = Route(Args({"Gone"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "11/09/2005\n\n");
}

TEST_F(CliRoute, UsageErrorsAreOneLineAndStatusTwo)
{
    const std::string dir = folder.string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"NY"},
        {"--date", "11/09/2005", "NY"},
        {"--offset", "-5", "NY"},
        {"--date", "11/09/2005", "--offset", "-5"},
        {"--date", "11/09/2005", "--offset", "-5", "--folder", dir},
        {"--date", "2005-11-09", "--offset", "-5", "NY"},
        {"--date", "02/30/2005", "--offset", "-5", "NY"},
        {"--date", "11/09/2005", "--offset", "15", "NY"},
        {"--date", "11/09/2005", "--offset", "-5:00", "NY"},
        {"--date", "11/09/2005", "--offset", "-5", "--folder"},
        {"--date", "11/09/2005", "--date", "11/10/2005", "--offset", "-5", "NY"},
        {"--date", "11/09/2005", "--offset", "-5", "--bogus", "NY"},
        {"--date", "11/09/2005", "--offset", "-5", "--military=yes", "NY"},
        {"--date", "11/09/2005\n", "--offset", "-5", "NY"},
    };
    for (const auto& args : cases) {
        const CliRun run = Route(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.err.rfind("dawnrule-cli route: ", 0), 0u) << run.err;
    }
}

TEST(CliRouteUsage, IsListed)
{
    EXPECT_NE(CliUsage().find("dawnrule-cli route --date mm/dd/yyyy --offset H [--military] [--folder DIR] NAME..."),
              std::string::npos);
}

// The real command, started from another folder: without --folder it finds the
// shipped route files beside itself, not in the current directory.
TEST(CliRouteProgram, LooksUpRoutesBesideTheExecutable)
{
    std::error_code ec;
    const fs::path bin = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const fs::path cli = bin / "dawnrule-cli";
    if (ec || !fs::exists(cli) || !fs::exists(bin / "I-97.txt"))
        GTEST_SKIP() << "dawnrule-cli and the route files are not built beside the tests";
    const std::string command =
        "cd / && '" + cli.string() + "' route --date 01/15/2026 --offset -5 I-97 2>&1; echo status=$?";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    ::pclose(pipe);
    EXPECT_EQ(output.rfind("01/15/2026\n\nI-97  south to north  18 miles\n\nMaryland\n  Annapolis, MD", 0), 0u) << output;
    EXPECT_NE(output.find("\nstatus=0\n"), std::string::npos) << output;
}

} // namespace
} // namespace dawnrule
