// dawnrule-cli plan: usage errors, data errors with their status, and the CSV of a real
// plan.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"

#include <gtest/gtest.h>

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
        folder = fs::temp_directory_path() / ("dawnrule-cli-plan-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        for (const char* name : {"Daylight.txt", "I-40.txt", "I-44.txt"})
            fs::copy_file(fs::path(DAWNRULE_SOURCE_DIR "/data") / name, folder / name);
        std::ofstream(folder / "Far.txt") << "  Tulsa, OK  [36.15 -95.99]\r\n  Claremore, OK  [36.31 -95.62]\r\n";
        std::ofstream(folder / "Bad.txt") << "  Tulsa, OK  [36.15x -95.99]\r\n";
        std::ofstream(folder / "Off.txt") << "I-40\r\n  Barstow, CA  [34.90 -117.02]\r\n  Needles, CA  [134.85 -114.61]\r\n";
        fs::create_directories(folder / "badrules");
        std::ofstream(folder / "badrules" / "Daylight.txt") << "TX -30 +30\r\nOK soon\r\n";
    }
    void TearDown() override
    {
        fs::remove_all(folder);
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
    fs::path folder;
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
        {Trip({"12/21/2026", "--hours", "25", "I-40"}), 2, "--hours must lie between 0 and 24"},
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

// The fields of a CSV line, quotes undone.
std::vector<std::string> CsvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (ch == '"')
            quoted = !quoted;
        else if (ch == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    return fields;
}

TEST_F(CliPlan, CsvHasOneLinePerStopDayInFourteenFields)
{
    const CliRun run = Plan(Trip({"12/21/2026", "--home-zone", "America/Chicago", "--csv", "I-40"}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "day,date,stop,state,miles,arrive_local,depart_local,zone,arrive_home,depart_home,"
                    "roll_from_local,park_by_local,rule,flags");
    std::vector<std::vector<std::string>> rows;
    while (std::getline(lines, line))
        rows.push_back(CsvFields(line));
    ASSERT_EQ(rows.size(), 20u);  // 19 stops, Moriarty on two days
    for (const auto& f : rows) {
        ASSERT_EQ(f.size(), 14u);
        EXPECT_EQ(f[2].substr(f[2].size() - 4), ", " + f[3]);
        for (const size_t time : {5, 6, 8, 9, 10, 11})
            EXPECT_TRUE(f[time].empty() || (f[time].size() == 5 && f[time][2] == ':')) << f[time];
    }
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"1", "12/21/2026", "Oklahoma City, OK", "OK", "0.0", "",
                                                      "07:35", "CST", "", "07:35", "07:35", "17:21", "unknown",
                                                      "start;check-permit"}));
    // Checked by hand: 537.6 road miles to Moriarty by 17:20 MST (10:45 of driving), the
    // next leg would pass both 11 hours and Albuquerque's park-by 17:29; on from sunrise - 30.
    EXPECT_EQ(rows[12][2] + " " + rows[12][5] + " " + rows[12][11] + " " + rows[12][13],
              "Moriarty, NM 17:20 17:27 park");
    EXPECT_EQ(rows[13][2] + " " + rows[13][6] + " " + rows[13][10], "Moriarty, NM 06:39 06:39");
    EXPECT_EQ(rows.back()[0], "2");
    EXPECT_EQ(rows.back()[2], "Flagstaff, AZ");
    EXPECT_EQ(rows.back()[8], "15:04");  // 14:04 MST is 15:04 CST at home
    EXPECT_EQ(rows.back()[13], "end");
}

TEST_F(CliPlan, TextNamesTheHomeClockAndAlignsItsColumns)
{
    const CliRun run = Plan(Trip({"12/21/2026", "--home-zone", "America/Chicago", "I-40"}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream text(run.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[2], "home: Central, CST/CDT; local: each stop's zone");
    const auto header = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.find("Roll from") != std::string::npos; });
    ASSERT_NE(header, lines.end());
    const size_t rule = header->find("Rule");
    for (auto l = header + 1; l != lines.end(); ++l) {
        EXPECT_TRUE(l->compare(rule, 7, "unknown") == 0 || l->compare(rule, 7, "-30/+30") == 0) << *l;
        EXPECT_EQ(l->compare(rule - 2, 2, "  "), 0) << *l;
    }
}

} // namespace
} // namespace dawnrule
