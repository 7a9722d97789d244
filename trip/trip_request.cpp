#include "trip/trip_request.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "locations/daylight_rules.h"
#include "locations/place_clock.h"
#include "trip/path_file.h"
#include "trip/route_path.h"

#include <filesystem>
#include <stdexcept>

namespace dawnrule {

HomeClock ChooseHomeClock(const TripHomeChoice& choice, ZoneDatabase& zones, int year)
{
    HomeClock home = HomeClock::OfOffset(choice.offsetHours);
    if (const ZoneClock* named = choice.zone ? zones.Find(*choice.zone) : nullptr) {
        home = HomeClock::OfZone(*choice.zone, *named, year);
    } else if (choice.place) {
        const PlaceClock place = FindPlaceClock(zones, choice.place->longitude, choice.place->latitude);
        home = place ? HomeClock::OfZone(place.zone->zone, *place.clock, year)
                     : HomeClock::OfOffset(choice.place->gmtOffset);
    }
    home.AddToCaption(choice.note);
    return home;
}

std::optional<TripRules> ReadTripRules(const std::string& folder, std::vector<std::string>& error)
{
    const std::string path = (std::filesystem::path(folder) / kDaylightFileName).string();
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(path);
    } catch (const FileError&) {
        error = {"Cannot open file " + path};
        return std::nullopt;
    }
    const DaylightRulesRead read = ParseDaylightRules(lines);
    for (const DaylightLineProblem& p : read.problems)
        error.push_back(path + " line " + std::to_string(p.line) + ": " + p.reason);
    if (!error.empty())
        return std::nullopt;
    return TripRules{read.rules};
}

TripOutcome PlanTripRequest(const TripRequest& request, ZoneDatabase& zones)
{
    TripOutcome outcome;
    const std::optional<TripRules> rules = ReadTripRules(request.folder, outcome.error);
    if (!rules)
        return outcome;
    try {
        std::vector<TripRoute> routes;
        for (const std::string& name : request.routeNames)
            routes.push_back(ReadTripRoute(request.folder, name));
        const TripPath path = request.source == TripPathSource::kRoutes
                                  ? ChainRoutes(routes, request.from, request.to, request.roadFactor)
                                  : TownsOrFilePath(request);
        const HomeClock home = ChooseHomeClock(request.home, zones, request.options.departDate.year);
        outcome.plan = PlanTrip(path, request.options, *rules, {&zones, &home});
    } catch (const TripPlanError& e) {
        outcome.error = {e.what()};
    } catch (const std::invalid_argument& e) {
        outcome.error = {e.what()};
    }
    return outcome;
}

} // namespace dawnrule
