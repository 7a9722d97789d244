#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The settings file "Parm.dat" beside the executable: seven lines.
//   1 option flags, 12 characters of "0"/"1" (positions below)
//   2 GMT offset of the main window, shortest decimal form ("0" when none chosen)
//   3 its offset-list index ("-1" when none chosen)
//   4 home longitude ("0" when 0)
//   5 home latitude ("0" when 0)
//   6 home GMT offset, shortest decimal form
//   7 home offset-list index
inline constexpr const char* kParmFileName = "Parm.dat";
inline constexpr int kParmLineCount = 7;

// 1-based positions of line 1; the other positions are always "0". Positions 6 and 7
// came later: a file that predates them holds "0" there, and one written with both
// options off is the same as before them.
enum ParmFlagPosition : int {
    kFlagCityList = 1,
    kFlagLed = 2,
    kFlagLockOffset = 4,
    kFlagMilitary = 5,
    kFlagLocalZone = 6,         // quick menu "Local Zone": Calc in the place's own clock
    kFlagRouteLocalTimes = 7,   // Routes window "Local times": each stop's own clock too
};

// True when the flag at `position` is "1"; positions beyond the text count as "0".
bool ParmFlag(std::string_view flags, int position);

struct ParmValues {
    bool cityList = false;
    bool led = false;
    bool lockOffset = false;
    bool military = false;
    bool localZone = false;
    bool routeLocalTimes = false;
    bool offsetChosen = false;  // the offset list shows an entry
    double offset = 0;
    int offsetIndex = -1;
    double homeLongitude = 0;
    double homeLatitude = 0;
    double homeOffset = 0;
    int homeOffsetIndex = 0;

    bool operator==(const ParmValues&) const = default;
};

// The seven lines that "Close " writes. Every number is written so that
// ParseParmLines reads back exactly the same value.
std::vector<std::string> ParmFileLines(const ParmValues& values);

// The lines that the home window's "Save" writes: the home lines 4 to 7 from
// `current`, and lines 1 to 3 exactly as they stand in the file (`fileLines`, when it
// could be read), so that the run's other options still reach the file only through
// "Close ". Where the file is missing or unreadable (nullopt) or its lines 1 to 3 are
// damaged (line 1 not twelve "0"/"1" characters, line 2 not a number, line 3 not an
// integer, or lines missing), lines 1 to 3 come from `current` too.
std::vector<std::string> ParmLinesWithHome(const std::optional<std::vector<std::string>>& fileLines,
                                           const ParmValues& current);

// The file's lines as the first activation applies them. Each line is read on its
// own: a line that is not a number of its kind keeps that one value at its default
// (offset and home values 0, indexes -1: no entry) and every other line still
// counts, so one damaged line never costs the rest, and the next "Close " writes
// back everything that was read. The message of the first bad line is kept for the
// user ("'x' is not a valid integer value"). Lines 2 and 3 are read only when the
// offset is locked (offsetChosen is left false: it belongs to the writing). Lines the
// file lacks read as empty text; lines beyond the seventh are ignored.
struct ParmReading {
    std::string flags;  // line 1 as it stands
    ParmValues values;
    std::optional<std::string> error;
};
ParmReading ParseParmLines(const std::vector<std::string>& lines);

// Reads the file. Throws FileError when it cannot be read.
ParmReading ReadParmFile(const std::string& path);

} // namespace dawnrule
