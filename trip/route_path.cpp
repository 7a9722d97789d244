#include "trip/route_path.h"

#include "common/number_text.h"
#include "common/text_file.h"
#include "common/words.h"
#include "locations/us_states.h"
#include "trip/stop_line.h"

#include <cctype>
#include <cmath>
#include <exception>
#include <limits>
#include <numbers>
#include <optional>
#include <unordered_map>

namespace dawnrule {

namespace {

constexpr double kMilesPerDegreeLatitude = 6371.0088 / 1.609344 * std::numbers::pi / 180;  // about 69

std::string StateOfLabel(const std::string& name)
{
    const size_t comma = name.rfind(", ");
    const std::string code = comma == std::string::npos ? std::string() : name.substr(comma + 2, 2);
    if (code.size() != 2 || !StateByCode(code))
        throw std::runtime_error("the stop '" + name + "' does not end in \", \" and a state code (\"Amarillo, TX\")");
    return code;
}

std::optional<size_t> FindStop(const TripRoute& route, std::string_view name)
{
    const std::string wanted = AsciiLower(Trimmed(name));
    for (size_t i = 0; i < route.stops.size(); ++i) {
        if (AsciiLower(route.stops[i].name) == wanted)
            return i;
    }
    return std::nullopt;
}

double Between(const TripStop& a, const TripStop& b)
{
    return GreatCircleMiles(a.latitude, a.longitude, b.latitude, b.longitude);
}

// Miles along the route from stop `from` to each stop (great-circle legs; the factor
// does not change which junction is nearest).
std::vector<double> MilesAlong(const TripRoute& route, size_t from)
{
    std::vector<double> miles(route.stops.size(), 0);
    for (size_t i = from + 1; i < route.stops.size(); ++i)
        miles[i] = miles[i - 1] + Between(route.stops[i - 1], route.stops[i]);
    for (size_t i = from; i-- > 0;)
        miles[i] = miles[i + 1] + Between(route.stops[i + 1], route.stops[i]);
    return miles;
}

struct Junction {
    size_t leave;     // index in the route the load is on
    size_t enter;     // index in the next route
    bool sameTown;    // one stop: the next route's copy stands for both
};

std::optional<Junction> FindJunction(const TripRoute& on, size_t entry, const TripRoute& next)
{
    const std::vector<double> along = MilesAlong(on, entry);
    std::unordered_map<std::string, size_t> nextNames;
    for (size_t j = next.stops.size(); j-- > 0;)
        nextNames[AsciiLower(next.stops[j].name)] = j;  // the first of a name wins
    std::optional<Junction> best;
    for (size_t i = 0; i < on.stops.size(); ++i) {
        const auto found = nextNames.find(AsciiLower(on.stops[i].name));
        if (found != nextNames.end() && (!best || along[i] < along[best->leave]))
            best = Junction{i, found->second, true};
    }
    if (best)
        return best;

    double closest = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < on.stops.size(); ++i) {
        const TripStop& a = on.stops[i];
        for (size_t j = 0; j < next.stops.size(); ++j) {
            const TripStop& b = next.stops[j];
            if (std::fabs(a.latitude - b.latitude) * kMilesPerDegreeLatitude > kJunctionReachMiles)
                continue;  // too far north or south to be near
            const double d = Between(a, b);
            if (d <= kJunctionReachMiles &&
                (d < closest || (d == closest && along[i] < along[best->leave]))) {
                closest = d;
                best = Junction{i, j, false};
            }
        }
    }
    return best;
}

// Appends the stops from..to (either way), leaving out `to` itself when !inclusive.
void AppendStops(const TripRoute& route, size_t from, size_t to, bool inclusive, std::vector<TripStop>& out)
{
    const int step = to >= from ? 1 : -1;
    for (size_t i = from; i != to; i = static_cast<size_t>(static_cast<long long>(i) + step))
        out.push_back(route.stops[i]);
    if (inclusive)
        out.push_back(route.stops[to]);
}

} // namespace

TripRoute TripRouteFromLines(const std::string& routeName, const std::vector<std::string>& lines)
{
    TripRoute route;
    route.name = routeName;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsStopLine(lines[i]))
            continue;
        try {
            const StopLine line = ReadStopLine(lines[i]);
            TripStop stop;
            stop.name = Trimmed(line.label);
            stop.latitude = line.latitude;
            stop.longitude = line.longitude;
            stop.state = StateOfLabel(stop.name);
            route.stops.push_back(std::move(stop));
        } catch (const std::exception& e) {
            throw TripPlanError("File:" + routeName + ".txt line " + std::to_string(i + 1) + ": " + e.what());
        }
    }
    return route;
}

TripRoute ReadTripRoute(const std::string& folder, const std::string& routeName)
{
    std::vector<std::string> lines;
    std::string path;
    try {
        path = RouteFilePath(folder, routeName);
        lines = ReadTextLines(path);
    } catch (const std::exception& e) {
        throw TripPlanError(path.empty() ? std::string(e.what()) : RouteFileProblem(routeName, path, e));
    }
    return TripRouteFromLines(routeName, lines);
}

TripPath ChainRoutes(const std::vector<TripRoute>& routes, std::string_view from, std::string_view to,
                     double roadFactor)
{
    if (routes.empty())
        throw TripPlanError("no route given");
    const std::optional<size_t> first = FindStop(routes.front(), from);
    if (!first)
        throw TripPlanError("'" + Trimmed(from) + "' is not a stop of " + routes.front().name);
    const std::optional<size_t> last = FindStop(routes.back(), to);
    if (!last)
        throw TripPlanError("'" + Trimmed(to) + "' is not a stop of " + routes.back().name);

    TripPath path;
    size_t entry = *first;
    for (size_t r = 0; r + 1 < routes.size(); ++r) {
        const std::optional<Junction> j = FindJunction(routes[r], entry, routes[r + 1]);
        if (!j) {
            throw TripPlanError(routes[r].name + " and " + routes[r + 1].name +
                                " do not meet: no town of the same name, no two stops within " +
                                FloatToStr(kJunctionReachMiles) + " miles");
        }
        AppendStops(routes[r], entry, j->leave, !j->sameTown, path.stops);
        entry = j->enter;
    }
    AppendStops(routes.back(), entry, *last, true, path.stops);
    if (path.stops.size() < 2)
        throw TripPlanError("'" + Trimmed(from) + "' and '" + Trimmed(to) + "' are the same stop: there is no drive");

    path.stops.front().miles = 0;
    for (size_t i = 1; i < path.stops.size(); ++i)
        path.stops[i].miles = path.stops[i - 1].miles + Between(path.stops[i - 1], path.stops[i]) * roadFactor;
    for (const TripRoute& r : routes)
        path.by += (path.by.empty() ? "" : ", ") + r.name;
    path.milesFrom = "road factor " + FloatToStr(roadFactor);
    return path;
}

} // namespace dawnrule
