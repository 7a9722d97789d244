#include "trip/stop_line.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <filesystem>

namespace dawnrule {

namespace {

constexpr size_t kLongitudeChars = 100;  // the longitude text is cut after this many

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

} // namespace

std::string RouteFilePath(const std::string& folder, const std::string& routeName)
{
    if (routeName.find_first_of("/\\") != std::string::npos || routeName.find("..") != std::string::npos)
        throw ConvertError(Quoted(routeName) + " is not a route name: route files lie in the program's folder");
    const std::filesystem::path file(routeName + ".txt");
    if (folder.empty())
        return file.string();
    return (std::filesystem::path(folder) / file).string();
}

std::string RouteFileProblem(const std::string& routeName, const std::string& path, const std::exception& failure)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return "File:" + routeName + ".txt not found";
    return failure.what();
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

StopLine ReadStopLine(const std::string& line)
{
    const StopLineParts parts = SplitStopLine(line);
    StopLine stop;
    stop.label = parts.label;
    stop.latitude = StrToLatitude(parts.latitude);
    stop.longitude = StrToLongitude(parts.longitude);
    return stop;
}

} // namespace dawnrule
