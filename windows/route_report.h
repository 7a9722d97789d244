#pragma once

#include "trip/stop_line.h"

#include <functional>
#include <string>
#include <vector>

namespace dawnrule {

// The Routes report without any window: route files in, one report line per file line
// out, each stop followed by its rise and set times. The Routes window and
// `dawnrule-cli route` both run it, each with its own way of computing a stop's times
// and of showing progress and warnings.
//
// A route file holds two kinds of line:
// - a stop line (trip/stop_line.h: ReadStopLine, coordinates range-checked) becomes
//   label + "  " + rise + "  " + set;
// - any other line (title, state name, empty line) is copied unchanged.

// A stop's two texts as the main window's rise and set labels hold them after Calc.
struct RouteRiseSet {
    std::string rise;
    std::string set;
};

// What BuildRouteReport asks of its caller. Every member must be set but stopLine.
struct RouteReportOperations {
    // The lines of the file at `path`; throws (FileError) when it cannot be read.
    std::function<std::vector<std::string>(const std::string& path)> readLines;
    // The rise and set texts for a stop, in signed degrees (north and east positive).
    // May throw; the route is then abandoned at that stop.
    std::function<RouteRiseSet(double latitude, double longitude)> zuruRuzTexts;
    // A route file was read: `lineCount` lines follow, announced one by one by step().
    std::function<void(const std::string& routeName, int lineCount)> beginRoute;
    // The 0-based index of the line about to be handled.
    std::function<void(int lineIndex)> step;
    // A route failed; the text says why. Returns once the user has seen it.
    std::function<void(const std::string& message)> warn;
    // Optional: the report line of a stop, given its label, the texts zuruRuzTexts gave
    // and its coordinates; unset, it is RouteStopLine. The local
    // columns of the report set it (windows/route_local_times.h). May throw, as
    // zuruRuzTexts may.
    std::function<std::string(const std::string& label, const RouteRiseSet& texts, double latitude,
                              double longitude)>
        stopLine;
    // Optional: true once the user asked to stop the batch (Cancel on one of its
    // messages); asked after every line and every warning. The report then ends there.
    std::function<bool()> stopped;
};

// The report lines of the routes, in order, without the date line and the empty line
// that head the report box. Each route's file is looked up by RouteFilePath(folder,
// name). A route that fails is warned about once and abandoned where it failed; the
// lines it already gave stay, and the next route follows:
// - a file that is not there: "File:" + name + ".txt not found"; one that cannot be
//   read (a folder, a pipe, a device, too large): the reader's "Cannot open file ...";
//   a name that is no route ("../x", "/srv/x"): "'../x' is not a route name: ...";
// - a bad stop line: "File:" + name + ".txt line N: " + the reason, N counted from 1,
//   for example "File:I-80.txt line 12: '30.41x' is not a valid floating point value"
//   or "File:I-80.txt line 3: '91' is not a valid latitude".
// A file with no lines gives no lines and no warning. A batch the user stopped ends
// where it stood: the lines it gave stay, the routes after it are not read.
std::vector<std::string> BuildRouteReport(const std::vector<std::string>& routeNames, const std::string& folder,
                                          const RouteReportOperations& operations);

// A stop's report line without the local columns: label + "  " + rise + "  " + set.
std::string RouteStopLine(const std::string& label, const RouteRiseSet& texts);

} // namespace dawnrule
