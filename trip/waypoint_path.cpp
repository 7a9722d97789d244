#include "trip/waypoint_path.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "locations/us_states.h"

#include <algorithm>

namespace dawnrule {

namespace {

// The state code a name ends in ("Amarillo, TX"), or "".
std::string StateOfName(const std::string& name)
{
    const size_t comma = name.rfind(',');
    if (comma == std::string::npos)
        return {};
    std::string code = name.substr(comma + 1);
    code.erase(0, code.find_first_not_of(' '));
    code.erase(code.find_last_not_of(' ') + 1);
    return code.size() == 2 && StateByCode(code) ? code : std::string();
}

const Town& NearestTown(const TownIndex& towns, const GeoPoint& at, const std::string& what)
{
    const Town* nearest = towns.Nearest(at);
    if (!nearest)
        throw TripPlanError("no town of the state lists to tell the state of " + what);
    return *nearest;
}

TripStop StopAt(const Waypoint& p, const TownIndex& towns, double miles)
{
    TripStop stop{p.name, StateOfName(p.name), p.at.latitude, p.at.longitude, miles};
    if (stop.name.empty())
        stop.name = "near " + NearestTown(towns, p.at, "an unnamed point").Label();
    if (stop.state.empty())
        stop.state = NearestTown(towns, p.at, "'" + stop.name + "'").state;
    return stop;
}

double Between(const GeoPoint& a, const GeoPoint& b)
{
    return GreatCircleMiles(a.latitude, a.longitude, b.latitude, b.longitude);
}

} // namespace

double ReadLegMiles(std::string_view text)
{
    double miles = 0;
    try {
        miles = StrToFloat(text);
    } catch (const ConvertError& e) {
        throw TripPlanError(std::string("the road miles ") + e.what());
    }
    if (!(miles > 0 && miles <= kMaxLegMiles)) {
        std::string shown(text);
        shown.erase(0, shown.find_first_not_of(' '));
        shown.erase(shown.find_last_not_of(' ') + 1);
        throw TripPlanError("the road miles '" + shown + "' do not lie above 0 and up to " + FloatToStr(kMaxLegMiles));
    }
    return miles;
}

std::string MilesFromText(bool someGiven, bool someEstimated, double roadFactor)
{
    const std::string factor = "road factor " + FloatToStr(roadFactor);
    if (!someGiven)
        return factor;
    return someEstimated ? "miles as given, " + factor + " elsewhere" : "miles as given";
}

TripPath PathOfWaypoints(const std::vector<Waypoint>& points, const TownIndex& towns, double roadFactor,
                         const std::string& by)
{
    if (points.size() < 2)
        throw TripPlanError("a path needs two points or more: " + by + " has " + std::to_string(points.size()));
    TripPath path;
    path.by = by;
    bool given = false, estimated = false;
    double miles = 0, sinceStop = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const Waypoint& p = points[i];
        if (i > 0)
            sinceStop += Between(points[i - 1].at, p.at);
        if (!p.stop && i > 0 && i + 1 < points.size())
            continue;
        if (i > 0 && p.miles) {
            miles += *p.miles;
            given = true;
        } else if (i > 0) {
            miles += sinceStop * roadFactor;
            estimated = true;
        }
        sinceStop = 0;
        path.stops.push_back(StopAt(p, towns, miles));
    }
    path.milesFrom = MilesFromText(given, estimated, roadFactor);
    return path;
}

TripPath PathAlongTrack(const std::vector<GeoPoint>& track, const TownIndex& towns, const std::string& by)
{
    if (track.empty())
        throw TripPlanError(by + ": the track has no points");
    if (track.size() < 2)
        throw TripPlanError(by + ": the track has one point: there is no drive");
    double total = 0;
    for (size_t i = 1; i < track.size(); ++i)
        total += Between(track[i - 1], track[i]);
    const Town& first = NearestTown(towns, track.front(), "the track's first point");
    const Town& last = NearestTown(towns, track.back(), "the track's last point");

    TripPath path;
    path.by = by;
    path.milesFrom = "miles along the track";
    path.stops.push_back({"near " + first.Label(), first.state, track.front().latitude, track.front().longitude, 0});
    for (const TownNearLine& near : towns.NearLine(track, kTrackReachMiles)) {
        if (near.town == &first || near.town == &last)
            continue;
        const Town& t = *near.town;
        path.stops.push_back({t.Label(), t.state, t.latitude, t.longitude, std::min(near.alongMiles, total)});
    }
    path.stops.push_back({"near " + last.Label(), last.state, track.back().latitude, track.back().longitude, total});
    return path;
}

TripPath CutPath(const TripPath& path, const std::string& from, const std::string& to)
{
    const auto find = [&path](const std::string& name, size_t start) {
        const std::string wanted = FoldCase(name);
        for (size_t i = start; i < path.stops.size(); ++i) {
            if (FoldCase(path.stops[i].name) == wanted)
                return i;
        }
        return path.stops.size();
    };
    const size_t first = from.empty() ? 0 : find(from, 0);
    if (first == path.stops.size())
        throw TripPlanError("'" + from + "' is not a stop of " + path.by);
    const size_t last = to.empty() ? path.stops.size() - 1 : find(to, first + 1);
    if (last == path.stops.size()) {
        if (find(to, 0) < first || FoldCase(to) == FoldCase(path.stops[first].name))
            throw TripPlanError("'" + to + "' does not come after '" + path.stops[first].name + "' on " + path.by);
        throw TripPlanError("'" + to + "' is not a stop of " + path.by);
    }
    if (last <= first)
        throw TripPlanError("'" + path.stops[last].name + "' does not come after '" + path.stops[first].name +
                            "' on " + path.by);
    TripPath cut = path;
    cut.stops.assign(path.stops.begin() + static_cast<std::ptrdiff_t>(first),
                     path.stops.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    const double start = cut.stops.front().miles;
    for (TripStop& s : cut.stops)
        s.miles -= start;
    return cut;
}

} // namespace dawnrule
