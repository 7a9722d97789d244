#include "windows/route_report.h"

#include "trip/stop_line.h"

#include <exception>

namespace dawnrule {

namespace {

// "File:I-80.txt", as every warning about a route begins.
std::string FileTag(const std::string& routeName)
{
    return "File:" + routeName + ".txt";
}

} // namespace

std::string RouteStopLine(const std::string& label, const RouteRiseSet& texts)
{
    return label + "  " + texts.rise + "  " + texts.set;
}

std::vector<std::string> BuildRouteReport(const std::vector<std::string>& routeNames, const std::string& folder,
                                          const RouteReportOperations& operations)
{
    std::vector<std::string> report;
    const auto stopped = [&operations] { return operations.stopped && operations.stopped(); };
    for (const std::string& name : routeNames) {
        std::vector<std::string> lines;
        std::string path;
        try {
            path = RouteFilePath(folder, name);
            lines = operations.readLines(path);
        } catch (const std::exception& e) {
            operations.warn(path.empty() ? std::string(e.what()) : RouteFileProblem(name, path, e));
            if (stopped())
                return report;
            continue;
        }

        const int count = static_cast<int>(lines.size());
        operations.beginRoute(name, count);
        for (int i = 0; i < count; ++i) {
            operations.step(i);
            const std::string& line = lines[static_cast<size_t>(i)];
            if (!IsStopLine(line)) {
                report.push_back(line);
                continue;
            }
            try {
                const StopLine stop = ReadStopLine(line);
                const RouteRiseSet texts = operations.zuruRuzTexts(stop.latitude, stop.longitude);
                report.push_back(operations.stopLine
                                     ? operations.stopLine(stop.label, texts, stop.latitude, stop.longitude)
                                     : RouteStopLine(stop.label, texts));
            } catch (const std::exception& e) {
                operations.warn(FileTag(name) + " line " + std::to_string(i + 1) + ": " + e.what());
                break;
            }
            if (stopped())
                return report;
        }
        if (stopped())
            return report;
    }
    return report;
}

} // namespace dawnrule
