#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The settings file "Parm.dat" beside the executable: seven lines.
//   1 option flags, 12 characters of "0"/"1" (positions below)
//   2 GMT offset of the main window, shortest decimal form ("0" when none chosen)
//   3 its offset-list index ("-1" when none chosen)
//   4 home longitude text ("0" when empty)
//   5 home latitude text ("0" when empty)
//   6 home GMT offset, shortest decimal form
//   7 home offset-list index
inline constexpr const char* kParmFileName = "Parm.dat";
inline constexpr int kParmLineCount = 7;

// 1-based positions of line 1; the other positions are always "0".
enum ParmFlagPosition : int {
    kFlagCityList = 1,
    kFlagLed = 2,
    kFlagLockOffset = 4,
    kFlagMilitary = 5,
};

// True when the flag at `position` is "1"; positions beyond the text count as "0".
bool ParmFlag(std::string_view flags, int position);

struct ParmValues {
    bool cityList = false;
    bool led = false;
    bool lockOffset = false;
    bool military = false;
    bool offsetChosen = false;  // the offset list shows an entry
    double offset = 0;
    int offsetIndex = -1;
    std::string homeLongitude;  // field texts, as shown
    std::string homeLatitude;
    double homeOffset = 0;
    int homeOffsetIndex = 0;
};

// The seven lines that "Close " writes.
std::vector<std::string> ParmFileLines(const ParmValues& values);

// Reads the file; lines it lacks read as empty text, lines beyond the seventh are
// ignored. Throws FileError when the file cannot be read.
std::vector<std::string> ReadParmFile(const std::string& path);

} // namespace dawnrule
