// dawnrule-cli plan: usage errors, data errors with their status, a damaged rules file's
// messages, and the home clock it takes when none is named. (Whole plans are pinned in
// test_plan_golden.cpp.)
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliPlan : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"Daylight.txt", "Curfews.txt", "I-40.txt", "I-44.txt"})
            fs::copy_file(fs::path(DAWNRULE_SOURCE_DIR "/data") / file, folder / file);
        std::ofstream(folder / "Far.txt") << "  Tulsa, OK  [36.15 -95.99]\r\n  Claremore, OK  [36.31 -95.62]\r\n";
        std::ofstream(folder / "Bad.txt") << "  Tulsa, OK  [36.15x -95.99]\r\n";
        std::ofstream(folder / "Off.txt") << "I-40\r\n  Barstow, CA  [34.90 -117.02]\r\n  Needles, CA  [134.85 -114.61]\r\n";
        fs::create_directory(folder / "Dir.txt");
        fs::create_directories(folder / "badrules");
        std::ofstream(folder / "badrules" / "Daylight.txt") << "TX -30 +30\r\nOK soon\r\n";
        fs::copy_file(folder / "Curfews.txt", folder / "badrules" / "Curfews.txt");
    }

    CliRun Plan(std::vector<std::string> args, bool withFolder = true)
    {
        args.insert(args.begin(), "plan");
        if (withFolder) {
            args.push_back("--folder");
            args.push_back(folder.string());
        }
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, &zones);
        return {status, out.str(), err.str()};
    }

    QtZoneDatabase zones;
    test::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
};

const std::vector<std::string> kTrip = {"--from", "Oklahoma City, OK", "--to", "Flagstaff, AZ", "--depart"};

std::vector<std::string> Trip(std::vector<std::string> more)
{
    std::vector<std::string> args = kTrip;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST_F(CliPlan, RefusesBadArgumentsAndBadData)
{
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{"--to", "Flagstaff, AZ", "--depart", "12/21/2026", "I-40"}, 2, "missing --from"},
        {Trip({"12/21/2026"}), 2, "no route name given"},
        {Trip({"12/21/2026", "--mph", "0", "I-40"}), 2, "--mph must lie between 1 and 100"},
        {Trip({"12/21/2026", "--hours", "25", "I-40"}), 2, "--hours must be 0 for no limit, or lie between 1 and 24"},
        {Trip({"12/21/2026", "--hours", "0.0001", "I-40"}), 2, "--hours must be 0 for no limit, or lie between 1 and 24"},
        {Trip({"12/21/2026", "--duty", "30", "I-40"}), 2, "--duty must be 0 for no limit, or lie between 1 and 24"},
        {Trip({"12/21/2026", "--off", "0", "I-40"}), 2, "--off must lie between 1 and 72"},
        {Trip({"12/21/2026", "--width", "12ft", "I-40"}), 2, "--width: '12ft' is not a valid floating point value"},
        {Trip({"12/21/2026", "--break", "yes", "I-40"}), 1, "File:yes.txt not found"},  // a flag takes no value
        {Trip({"12/21/2026 7:00", "I-40"}), 2, "--depart: '12/21/2026 7:00' is not a date"},
        {Trip({"12/21/2026 24:00", "I-40"}), 2, "not a time of day"},
        {Trip({"13/21/2026", "I-40"}), 2, "--depart: '13/21/2026' is not a date"},
        {Trip({"12/21/2026", "--home-zone", "America/Chicago", "--home-offset", "-6", "I-40"}),
         2,
         "exclude each other"},
        {Trip({"12/21/2026", "--home-zone", "Mars/Olympus", "I-40"}), 2, "does not know 'Mars/Olympus'"},
        {Trip({"12/21/2026", "--fast", "I-40"}), 2, "unknown argument '--fast'"},
        {Trip({"12/21/2026", "I-44"}), 1, "'Flagstaff, AZ' is not a stop of I-44"},
        {{"--from", "Oklahoma City, OK", "--to", "Claremore, OK", "--depart", "12/21/2026", "I-40", "Far"},
         1,
         "I-40 and Far do not meet"},
        {Trip({"12/21/2026", "Missing"}), 1, "File:Missing.txt not found"},
        {Trip({"12/21/2026", "Bad"}), 1, "File:Bad.txt line 1: '36.15x' is not a valid floating point value"},
        {Trip({"12/21/2026", "Dir"}), 1, "Cannot open file "},
        {Trip({"12/21/2026", "../I-40"}), 1, "'../I-40' is not a route name: route files lie in the program's folder"},
        {{"--from", "Amarillo, TX", "--to", "amarillo, tx", "--depart", "12/21/2026", "I-40"},
         1,
         "'Amarillo, TX' and 'amarillo, tx' are the same stop: there is no drive"},
        // A stop beyond the globe: the line's fault, as the Routes report says it.
        {{"--from", "Barstow, CA", "--to", "Needles, CA", "--depart", "12/21/2026", "Off"},
         1,
         "File:Off.txt line 3: '134.85' is not a valid latitude"},
    };
    for (const auto& c : cases) {
        const CliRun run = Plan(c.args);
        SCOPED_TRACE(c.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    std::vector<std::string> args = Trip({"12/21/2026", "I-40", "--folder", (folder / "badrules").string()});
    const CliRun bad = Plan(args, false);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "dawnrule-cli plan: " + (folder / "badrules" / "Daylight.txt").string() +
                           " line 2: 'soon' is neither minutes nor 'unknown' or 'none'\n");
}

// A badly damaged rules file: its first ten faults, then how many more; a NUL byte is a
// damaged line too, never the file's end (the states after it would be lost).
TEST_F(CliPlan, ADamagedRulesFileNamesItsFirstFaultsAndCountsTheRest)
{
    {
        std::ofstream f(folder / "badrules" / "Daylight.txt", std::ios::binary);
        f << "TX -30 +30\r\nOK -30 +30 sat=no" << '\0' << "ne\r\nNM -30 +30\r\n";
        for (int i = 0; i < 100000; ++i)
            f << "XX 0 0\r\n";
    }
    const CliRun run = Plan(Trip({"12/21/2026", "I-40", "--folder", (folder / "badrules").string()}), false);
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> lines;
    std::istringstream err(run.err);
    for (std::string line; std::getline(err, line);)
        lines.push_back(line);
    const std::string path = (folder / "badrules" / "Daylight.txt").string();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "dawnrule-cli plan: " + path + " line 2: the line holds a NUL byte: the file is damaged here");
    EXPECT_EQ(lines[1], "dawnrule-cli plan: " + path + " line 4: 'XX' is not the code of one of the 50 states");
    EXPECT_EQ(lines[10], "dawnrule-cli plan: " + path + ": and 99991 more lines it cannot read");
}

// With neither --home-zone nor --home-offset the home clock is this computer's zone.
TEST_F(CliPlan, TheHomeClockIsThisComputersZoneWhenNoneIsNamed)
{
    const char* saved = std::getenv("TZ");
    const std::string kept = saved ? saved : "";
    ::setenv("TZ", "America/Denver", 1);
    const CliRun run = Plan(Trip({"12/21/2026", "I-40"}));
    saved ? ::setenv("TZ", kept.c_str(), 1) : ::unsetenv("TZ");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nhome: Mountain, MST/MDT (this computer's zone); local: each stop's zone\n"),
              std::string::npos)
        << run.out.substr(0, 400);
}

} // namespace
} // namespace dawnrule
