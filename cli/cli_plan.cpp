// dawnrule-cli plan: the daylight trip plan of an oversize load along route files, as
// aligned text or CSV.
#include "cli/cli_commands.h"

#include "app/local_day.h"
#include "astro/date_text.h"
#include "cli/cli_args.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "locations/daylight_rules.h"
#include "windows/trip_plan.h"
#include "windows/trip_plan_settings.h"
#include "windows/trip_plan_text.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

CliOptions ReadPlanArgs(const std::vector<std::string>& args)
{
    CliOptions parsed = ReadCliOptions(args, {"rest", "csv"},
                                       {"from", "to", "depart", "mph", "hours", "road-factor", "home-zone",
                                        "home-offset", "folder"},
                                       true);
    for (const char* name : {"from", "to", "depart"}) {
        if (!parsed.values.count(name))
            throw CliUsageError(std::string("missing --") + name);
    }
    if (parsed.names.empty())
        throw CliUsageError("no route name given");
    if (parsed.values.count("home-zone") && parsed.values.count("home-offset"))
        throw CliUsageError("--home-zone and --home-offset exclude each other");
    return parsed;
}

// "mm/dd/yyyy" or "mm/dd/yyyy HH:MM" (24-hour).
void ReadDeparture(const std::string& text, TripPlanInput& in)
{
    const auto bad = [&text]() {
        return CliUsageError("--depart: '" + text +
                             "' is not a date \"mm/dd/yyyy\" or a date and time \"mm/dd/yyyy HH:MM\"");
    };
    const std::optional<CivilDate> date = ParseDateText(std::string_view(text).substr(0, kDateTextFormat.size()));
    if (!date)
        throw bad();
    if (!IsLocalDayDate(date->year, date->month, date->day))
        throw CliUsageError("--depart: the plan takes dates from 01/02/1583 to 12/31/9999");
    in.departDate = *date;
    if (text.size() == kDateTextFormat.size())
        return;
    // "HH:MM" after one blank: two digits each.
    const std::string_view time = std::string_view(text).substr(kDateTextFormat.size());
    const bool shaped = time.size() == 6 && time[0] == ' ' && time[3] == ':'
                        && std::all_of(time.begin() + 1, time.end(), [](char c) { return c == ':' || (c >= '0' && c <= '9'); });
    if (!shaped)
        throw bad();
    const std::optional<int> seconds = ReadClockTime(time.substr(1), false);
    if (!seconds)
        throw CliUsageError("--depart: '" + std::string(time.substr(1)) + "' is not a time of day from 00:00 to 23:59");
    in.departMinute = *seconds / 60;
}

} // namespace

int RunPlanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones)
{
    CliOptions parsed = ReadPlanArgs(args);
    auto& v = parsed.values;
    TripPlanInput in;
    in.from = v["from"];
    in.to = v["to"];
    ReadDeparture(v["depart"], in);
    if (v.count("mph"))
        in.mph = CliNumber("mph", v["mph"], kTripMinMph, kTripMaxMph);
    if (v.count("hours"))
        in.hoursPerDay = CliNumber("hours", v["hours"], 0, kTripMaxHours);
    if (v.count("road-factor"))
        in.roadFactor = CliNumber("road-factor", v["road-factor"], kTripMinRoadFactor, kTripMaxRoadFactor);
    in.restSundaysAndHolidays = parsed.Has("rest");

    if (!zones)
        throw CliUsageError("this program has no zone database");
    in.zones = zones;
    std::optional<HomeClock> home;
    if (v.count("home-zone")) {
        const ZoneClock* zone = zones->Find(v["home-zone"]);
        if (!zone)
            throw CliUsageError("--home-zone: the system's zone database does not know '" + v["home-zone"] + "'");
        home = HomeClock::OfZone(v["home-zone"], *zone, in.departDate.year);
    } else {
        home = HomeClock::OfOffset(v.count("home-offset") ? CliNumber("home-offset", v["home-offset"], -12, 14) : 0);
    }
    in.home = &home->Clock();
    in.homeCaption = home->Caption();
    if (!v.count("home-zone") && !v.count("home-offset"))
        in.homeCaption += " (no --home-zone or --home-offset given)";

    const std::string folder = v.count("folder") ? v["folder"] : CliProgramFolder();
    try {
        const std::string rulesPath = (std::filesystem::path(folder) / kDaylightFileName).string();
        std::vector<std::string> ruleLines;
        try {
            ruleLines = ReadTextLines(rulesPath);
        } catch (const FileError&) {
            throw TripPlanError("Cannot open file " + rulesPath);
        }
        const DaylightRulesRead rules = ParseDaylightRules(ruleLines);
        for (const DaylightLineProblem& p : rules.problems)
            WriteCliError(err, "plan", rulesPath + " line " + std::to_string(p.line) + ": " + p.reason);
        if (!rules.problems.empty())
            return 1;
        in.rules = &rules.rules;
        for (const std::string& name : parsed.names)
            in.routes.push_back(ReadTripRoute(folder, name));

        const TripPlan plan = PlanTrip(in);
        for (const std::string& line : parsed.Has("csv") ? TripPlanCsvLines(plan) : TripPlanTextLines(plan))
            out << line << '\n';
    } catch (const TripPlanError& e) {
        WriteCliError(err, "plan", e.what());
        return 1;
    }
    return 0;
}

} // namespace dawnrule
