#include "windows/route_report.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <exception>
#include <filesystem>

namespace dawnrule {

namespace {

constexpr size_t kLongitudeChars = 100;  // the longitude text is cut after this many

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// "File:I-80.txt", as every warning about a route begins.
std::string FileTag(const std::string& routeName)
{
    return "File:" + routeName + ".txt";
}

} // namespace

std::string RouteFilePath(const std::string& folder, const std::string& routeName)
{
    const std::filesystem::path file(routeName + ".txt");
    if (file.is_absolute() || folder.empty())
        return file.string();
    return (std::filesystem::path(folder) / file).string();
}

std::string RouteStopLine(const std::string& label, const RouteRiseSet& texts)
{
    return label + "  " + texts.rise + "  " + texts.set;
}

StopLineParts SplitStopLine(const std::string& line)
{
    const size_t open = line.find('[');
    const size_t close = line.find(']');
    if (close == std::string::npos)
        throw ConvertError("the '[' has no closing ']'");
    if (close < open)
        throw ConvertError("a ']' comes before the first '['");
    const std::string inner = line.substr(open + 1, close - open - 1);

    const size_t blank = inner.find(' ');
    if (blank == std::string::npos)
        throw ConvertError("no blank between latitude and longitude in " + Quoted(inner));
    if (blank == 0)
        throw ConvertError("the coordinates " + Quoted(inner) + " do not start with the latitude");
    const size_t minus = inner.find('-');
    if (minus == std::string::npos)
        throw ConvertError("no minus sign before the longitude in " + Quoted(inner));
    if (minus > blank && inner.find_first_not_of(' ', blank) != minus)
        throw ConvertError("only blanks may stand between latitude and longitude in " + Quoted(inner));

    StopLineParts parts;
    parts.label = line.substr(0, open);
    parts.latitude = inner.substr(0, blank);
    parts.longitude = inner.substr(minus, kLongitudeChars);
    return parts;
}

std::vector<std::string> BuildRouteReport(const std::vector<std::string>& routeNames, const std::string& folder,
                                          const RouteReportOperations& operations)
{
    std::vector<std::string> report;
    const auto stopped = [&operations] { return operations.stopped && operations.stopped(); };
    for (const std::string& name : routeNames) {
        std::vector<std::string> lines;
        try {
            lines = operations.readLines(RouteFilePath(folder, name));
        } catch (const std::exception&) {
            operations.warn(FileTag(name) + " not found");
            if (stopped())
                return report;
            continue;
        }

        const int count = static_cast<int>(lines.size());
        operations.beginRoute(name, count);
        for (int i = 0; i < count; ++i) {
            operations.step(i);
            const std::string& line = lines[static_cast<size_t>(i)];
            if (line.find('[') == std::string::npos) {
                report.push_back(line);
                continue;
            }
            try {
                const StopLineParts parts = SplitStopLine(line);
                const double latitude = StrToLatitude(parts.latitude);
                const double longitude = StrToLongitude(parts.longitude);
                const RouteRiseSet texts = operations.zuruRuzTexts(latitude, longitude);
                report.push_back(operations.stopLine ? operations.stopLine(parts.label, texts, latitude, longitude)
                                                     : RouteStopLine(parts.label, texts));
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
