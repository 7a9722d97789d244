// dawnrule-cli plan over towns and path files: the errors with their status in one
// table, and a plan by towns and by a towns file cut From to To, written as GPX and
// iCalendar besides.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

class CliPlanPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/dawnrule-plan-path-XXXXXX";
        scratch = ::mkdtemp(pattern);
        Write("notxml.gpx", "<gpx>\n<trk>\n</gpx>\n");
        Write("empty.gpx", "<gpx><trk><trkseg></trkseg></trk></gpx>\n");
        Write("beyond.csv", "Amarillo TX,35.22,-101.83\r\nClaude TX,35.11,-201.36\r\n");
        Write("route.kml", "<kml/>\n");
        Write("us287.txt", "Amarillo, TX\r\nClaude, TX, 28\r\nClarendon, TX, 32\r\nMemphis, TX\r\n");
    }
    void TearDown() override { fs::remove_all(scratch); }

    void Write(const std::string& name, const std::string& text) { std::ofstream(scratch / name) << text; }
    std::string In(const std::string& name) const { return (scratch / name).string(); }

    struct Run {
        int status;
        std::string out, err;
    };
    Run Plan(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"plan", "--depart", "01/11/2027", "--folder", DAWNRULE_SOURCE_DIR "/data"});
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, &zones);
        return {status, out.str(), err.str()};
    }

    QtZoneDatabase zones;
    fs::path scratch;
};

TEST_F(CliPlanPath, ErrorsAreOneLineWithTheirStatus)
{
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"--path", In("us287.txt"), "--town", "Tulsa, OK"}, 2, "--path and --town exclude each other"},
        {{"--path", In("us287.txt"), "I-40"}, 2, "route names and --path or --town exclude each other"},
        {{"--town", "Tulsa"}, 2, "--town 'Tulsa': no state code after a comma"},
        {{"--town", "Tulsa, OK=far"}, 2, "--town 'Tulsa, OK=far': the road miles 'far' is not a valid"},
        {{}, 2, "no route name given, nor --path or --town"},
        {{"--path", In("missing.gpx")}, 1, "Cannot open file " + In("missing.gpx")},
        {{"--path", In("route.kml")}, 1, In("route.kml") + ": not a GPX, CSV or towns file"},
        {{"--path", In("notxml.gpx")}, 1, "notxml.gpx line 3: not XML: "},
        {{"--path", In("empty.gpx")}, 1, "empty.gpx: the track has no points"},
        {{"--path", In("beyond.csv")}, 1, "beyond.csv line 2: '-201.36' is not a valid longitude"},
        {{"--town", "Tulsa, OK", "--town", "Tusla, OK"}, 1, "'Tusla, OK' is not a town of the state lists"},
        {{"--town", "Salem, AR", "--town", "Tulsa, OK"}, 1, "'Salem, AR' names 2 towns: Salem, AR@34.63,-92.56; "},
        {{"--path", In("us287.txt"), "--from", "Memphis, TX", "--to", "Claude, TX"},
         1,
         "'Claude, TX' does not come after 'Memphis, TX' on us287.txt"},
        {{"--path", In("us287.txt"), "--gpx-out", In("no/such/plan.gpx")}, 1, "Cannot create file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        const Run run = Plan(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("dawnrule-cli plan: " + c.err, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST_F(CliPlanPath, PlansByTownsAndByATownsFileAndWritesGpxAndIcs)
{
    const Run towns = Plan({"--town", "Amarillo, TX", "--town", "Claude, TX=28", "--town", "Clarendon, TX",
                            "--gpx-out", In("plan.gpx"), "--ics-out", In("plan.ics")});
    ASSERT_EQ(towns.status, 0) << towns.err;
    EXPECT_EQ(towns.out.rfind("Daylight trip plan: Amarillo, TX to Clarendon, TX by towns, departing Mon 01/11/2027\n"
                              "50 mph; duty periods of 11 hours' driving within 14 hours, 10 hours' rest between; "
                              "miles as given, road factor 1.1 elsewhere, ",
                              0),
              0u)
        << towns.out;
    const std::vector<std::string> gpx = ReadTextLines(In("plan.gpx"));
    EXPECT_EQ(std::count_if(gpx.begin(), gpx.end(), [](const std::string& l) { return l.find("<wpt ") != l.npos; }), 3);
    const std::vector<std::string> ics = ReadTextLines(In("plan.ics"));
    EXPECT_EQ(std::count(ics.begin(), ics.end(), "BEGIN:VEVENT"), 1);

    const Run file = Plan({"--path", In("us287.txt"), "--from", "claude, tx", "--csv"});
    ASSERT_EQ(file.status, 0) << file.err;
    std::istringstream lines(file.out);
    std::string header, first, line, last;
    std::getline(lines, header);
    std::getline(lines, first);
    while (std::getline(lines, line))
        last = line;
    EXPECT_EQ(first.rfind("1,01/11/2027,\"Claude, TX\",TX,0.0,", 0), 0u) << first;
    EXPECT_EQ(last.rfind("1,01/11/2027,\"Memphis, TX\",TX,", 0), 0u) << last;
}

} // namespace
} // namespace dawnrule
