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
    if (const ZoneClock* named = choice.zone ? zones.Find(*choice.zone) : nullptr)
        return HomeClock::OfZone(*choice.zone, *named, year);
    if (choice.place) {
        const PlaceClock place = FindPlaceClock(zones, choice.place->longitude, choice.place->latitude);
        return place ? HomeClock::OfZone(place.zone->zone, *place.clock, year)
                     : HomeClock::OfOffset(choice.place->gmtOffset);
    }
    if (choice.offsetHours)
        return HomeClock::OfOffset(*choice.offsetHours);
    const std::string system = zones.SystemZone();
    if (const ZoneClock* own = system.empty() ? nullptr : zones.Find(system)) {
        HomeClock home = HomeClock::OfZone(system, *own, year);
        home.AddToCaption(" (this computer's zone)");
        return home;
    }
    HomeClock home = HomeClock::OfOffset(0);
    home.AddToCaption(" (this computer names no zone)");
    return home;
}

namespace {

// The lines of a file the program keeps rules in, NUL bytes kept for its reader to refuse.
std::optional<std::vector<std::string>> RuleLines(const std::string& path, std::vector<std::string>& error)
{
    try {
        return ReadEditedTextLines(path);
    } catch (const FileError&) {
        error.push_back("Cannot open file " + path);
        return std::nullopt;
    }
}

template <typename Problem>
void AddProblems(const std::string& path, const std::vector<Problem>& problems, std::vector<std::string>& error)
{
    for (size_t i = 0; i < problems.size() && i < kShownFileProblems; ++i)
        error.push_back(path + " line " + std::to_string(problems[i].line) + ": " + problems[i].reason);
    if (problems.size() > kShownFileProblems) {
        const size_t more = problems.size() - kShownFileProblems;
        error.push_back(path + ": and " + std::to_string(more) + " more line" + (more == 1 ? "" : "s") +
                        " it cannot read");
    }
}

} // namespace

std::optional<TripRules> ReadTripRules(const std::string& folder, std::vector<std::string>& error)
{
    const std::string daylightPath = (std::filesystem::path(folder) / kDaylightFileName).string();
    const std::string curfewPath = (std::filesystem::path(folder) / kCurfewFileName).string();
    TripRules rules;
    if (const auto lines = RuleLines(daylightPath, error)) {
        DaylightRulesRead read = ParseDaylightRules(*lines);
        AddProblems(daylightPath, read.problems, error);
        rules.daylight = read.rules;
    }
    if (const auto lines = RuleLines(curfewPath, error)) {
        CurfewsRead read = ParseCurfews(*lines);
        AddProblems(curfewPath, read.problems, error);
        rules.curfews = std::move(read.curfews);
    }
    if (!error.empty())
        return std::nullopt;
    return rules;
}

TripOutcome PlanTripRequest(const TripRequest& request, ZoneDatabase& zones)
{
    TripOutcome outcome;
    const std::optional<TripRules> rules = ReadTripRules(request.folder, outcome.error);
    if (!rules)
        return outcome;
    const auto cancelled = [&request, &outcome] {
        outcome.cancelled = request.cancel && request.cancel->load();
        return outcome.cancelled;
    };
    try {
        std::vector<TripRoute> routes;
        for (const std::string& name : request.routeNames)
            routes.push_back(ReadTripRoute(request.folder, name));
        const TripPath path = request.source == TripPathSource::kRoutes
                                  ? ChainRoutes(routes, request.from, request.to, request.roadFactor)
                                  : TownsOrFilePath(request);
        if (cancelled())
            return outcome;
        const HomeClock home = ChooseHomeClock(request.home, zones, request.options.departDate.year);
        outcome.plan = PlanTrip(path, request.options, *rules, {&zones, &home});
        if (cancelled())
            outcome.plan.reset();
    } catch (const TripPlanError& e) {
        outcome.error = {e.what()};
    } catch (const std::invalid_argument& e) {
        outcome.error = {e.what()};
    }
    return outcome;
}

} // namespace dawnrule
