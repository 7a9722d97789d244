#pragma once

#include <exception>
#include <string>

namespace dawnrule {

// The file of a route: `routeName` + ".txt" in `folder` (the program's folder, where
// "Highways.txt" lies; empty: the current folder), the name used exactly as written (no
// trimming, no case change). Route files lie in that folder only: a name holding "/",
// "\" or ".." names no route, and throws ConvertError "'../x' is not a route name:
// route files lie in the program's folder".
std::string RouteFilePath(const std::string& folder, const std::string& routeName);

// What the Routes report and the plan say of a route file that could not be read at
// `path`: "File:I-40.txt not found" when there is no such file, else what the reader
// said ("Cannot open file <path>": a folder, a pipe, a device, a file over 16 MiB).
std::string RouteFileProblem(const std::string& routeName, const std::string& path, const std::exception& failure);

// A route file's stop line, "  Omaha, NE   [41.26 -95.94]", as the Routes report and the
// trip plan both read it. A line is a stop line when it contains "[": its label is
// everything before the first "[" (blanks kept, the files align their columns with
// them), its coordinates the text between that "[" and the first "]" after it,
// "lat -lon": the latitude up to the first blank, the longitude from the first "-" to
// the end (at most 100 characters); only blanks may stand between the two. Whatever
// follows the "]" is dropped.

// The parts of a stop line, before conversion.
struct StopLineParts {
    std::string label;      // before the first "["
    std::string latitude;   // coordinates up to their first blank
    std::string longitude;  // coordinates from their first "-", at most 100 characters
};

// Splits a line that contains "["; throws ConvertError with the reason when the line
// has no "]" after the "[", its coordinates no blank or no minus sign, or anything but
// blanks between the latitude and the longitude's minus sign.
StopLineParts SplitStopLine(const std::string& line);

struct StopLine {
    std::string label;  // as the line has it, blanks kept
    double latitude = 0;
    double longitude = 0;
};

inline bool IsStopLine(const std::string& line)
{
    return line.find('[') != std::string::npos;
}

// A stop line split and its coordinates read: the latitude within -90..90, the
// longitude within -180..180 (StrToLatitude, StrToLongitude). Throws ConvertError with
// the reason: "'134.85' is not a valid latitude".
StopLine ReadStopLine(const std::string& line);

} // namespace dawnrule
