// Whole plans of dawnrule-cli, pinned byte for byte: a handful of trips chosen to show
// what a driver reads (the Thanksgiving calendar, rests of ten hours, a night across
// midnight where no daylight limit holds, a half-hour home offset, a zone without
// daylight time, rest days, breaks, a curfew, a weekend closure, names with quotes and
// commas in CSV). A change of output shows as a diff of the files in tests/core/golden/:
// regenerate them with tools/update_golden.sh and read the diff before committing.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;
const fs::path kGolden = DAWNRULE_SOURCE_DIR "/tests/core/golden";
const fs::path kData = DAWNRULE_SOURCE_DIR "/data";

struct Golden {
    const char* file;
    std::vector<std::string> args;  // after "plan", before --folder
};

const Golden kPlans[] = {
    {"thanksgiving-i95.txt",
     {"--from", "Richmond, VA", "--to", "Portland, ME", "--depart", "11/25/2026 07:00", "--home-zone",
      "America/New_York", "I-95"}},
    {"wilmington-barstow-i40.csv",
     {"--from", "Wilmington, NC", "--to", "Barstow, CA", "--depart", "10/29/2026 12:00", "--home-zone",
      "America/Chicago", "--csv", "I-40"}},
    {"night-through-kentucky.txt",
     {"--from", "Nashville, TN", "--to", "Louisville, KY", "--depart", "10/31/2026 22:00", "--hours", "0", "--duty",
      "0", "--mph", "25", "--home-offset", "-5.5", "I-65"}},
    {"arizona-rest-and-breaks.txt",
     {"--from", "Amarillo, TX", "--to", "Barstow, CA", "--depart", "12/19/2026", "--rest", "--break", "--home-zone",
      "America/Phoenix", "I-40"}},
    {"oklahoma-city-curfew.txt",
     {"--from", "Dallas, TX", "--to", "Wichita, KS", "--depart", "10/21/2026 11:00", "--width", "14", "--home-zone",
      "America/Chicago", "I-35"}},
    {"new-york-weekend.txt",
     {"--from", "Erie, PA", "--to", "Boston, MA", "--depart", "10/16/2026 13:00", "--home-zone", "America/New_York",
      "I-90"}},
    {"quoted-names.csv",
     {"--from", "Amarillo, TX", "--to", "Gap \"Dodge\", NM", "--depart", "06/01/2026", "--home-zone",
      "America/Chicago", "--csv", "Quoted"}},
};

TEST(PlanGolden, WholePlansAreAsPinned)
{
    const test::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
    for (const char* file : {"Daylight.txt", "Curfews.txt", "I-95.txt", "I-40.txt", "I-65.txt", "I-35.txt", "I-90.txt"})
        fs::copy_file(kData / file, folder / file);
    std::ofstream(folder / "Quoted.txt", std::ios::binary)
        << "Quoted\r\n  Amarillo, TX  [35.22 -101.83]\r\n  Tucumcari, NM  [35.17 -103.72]\r\n"
           "  Gap \"Dodge\", NM  [35.10 -104.70]\r\n";
    const bool update = std::getenv("DAWNRULE_UPDATE_GOLDEN") != nullptr;
    QtZoneDatabase zones;
    for (const Golden& g : kPlans) {
        SCOPED_TRACE(g.file);
        std::vector<std::string> args{"plan"};
        args.insert(args.end(), g.args.begin(), g.args.end());
        args.insert(args.end(), {"--folder", folder.string()});
        std::ostringstream out, err;
        ASSERT_EQ(RunCli(args, out, err, &zones), 0) << err.str();
        if (update) {
            std::ofstream(kGolden / g.file, std::ios::binary) << out.str();
            continue;
        }
        std::ifstream pinned(kGolden / g.file, std::ios::binary);
        ASSERT_TRUE(pinned) << "no pinned output: run tools/update_golden.sh";
        const std::string expected((std::istreambuf_iterator<char>(pinned)), std::istreambuf_iterator<char>());
        if (out.str() == expected)
            continue;
        // The first line that differs, both ways.
        std::istringstream a(out.str()), b(expected);
        std::string got, want;
        for (int line = 1;; ++line) {
            const bool more = static_cast<bool>(std::getline(a, got));
            const bool wanted = static_cast<bool>(std::getline(b, want));
            if (got != want || more != wanted) {
                ADD_FAILURE() << g.file << " line " << line << "\n now: " << got << "\n was: " << want;
                break;
            }
        }
    }
}

} // namespace
} // namespace dawnrule
