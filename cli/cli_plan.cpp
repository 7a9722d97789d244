// dawnrule-cli plan: the daylight trip plan of an oversize load along route files,
// towns or a GPX, CSV or towns file, as aligned text or CSV, and for the driver as GPX
// and iCalendar files.
#include "cli/cli_commands.h"

#include "app/local_day.h"
#include "astro/date_text.h"
#include "cli/cli_args.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "trip/gpx_file.h"
#include "trip/plan_calendar.h"
#include "trip/trip_plan_settings.h"
#include "trip/trip_plan_text.h"
#include "trip/trip_request.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

CliOptions ReadPlanArgs(const std::vector<std::string>& args)
{
    CliOptions parsed = ReadCliOptions(args, {"rest", "csv", "break"},
                                       {"from", "to", "depart", "mph", "hours", "duty", "off", "width", "road-factor",
                                        "home-zone", "home-offset", "folder", "path", "gpx-out", "ics-out"},
                                       true, {"town"});
    const bool path = parsed.values.count("path"), towns = parsed.lists.count("town");
    if (path && towns)
        throw CliUsageError("--path and --town exclude each other");
    if (!parsed.names.empty() && (path || towns))
        throw CliUsageError("route names and --path or --town exclude each other");
    for (const char* name : {"from", "to", "depart"}) {
        if (!parsed.values.count(name) && (parsed.names.size() || std::string_view(name) == "depart"))
            throw CliUsageError(std::string("missing --") + name);
    }
    if (parsed.names.empty() && !path && !towns)
        throw CliUsageError("no route name given, nor --path or --town");
    if (parsed.values.count("home-zone") && parsed.values.count("home-offset"))
        throw CliUsageError("--home-zone and --home-offset exclude each other");
    return parsed;
}

// "mm/dd/yyyy" or "mm/dd/yyyy HH:MM" (24-hour).
void ReadDeparture(const std::string& text, TripOptions& in)
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

// The number of an option, in the plan's ranges (the window's too).
double PlanNumber(const CliOptions& parsed, const TripNumberRange& range, double otherwise)
{
    const std::optional<std::string> text = parsed.Value(range.option);
    if (!text)
        return otherwise;
    try {
        return ReadTripNumber(range, *text);
    } catch (const TripNumberError& e) {
        throw CliUsageError(e.what());
    }
}

} // namespace

int RunPlanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones)
{
    CliOptions parsed = ReadPlanArgs(args);
    auto& v = parsed.values;
    TripRequest request;
    request.routeNames = parsed.names;
    request.from = v["from"];
    request.to = v["to"];
    if (parsed.lists.count("town") || v.count("path")) {
        // Town names are Windows-1252 in the lists; the command line's text is UTF-8.
        request.from = Utf8ToCp1252(request.from);
        request.to = Utf8ToCp1252(request.to);
        request.source = v.count("path") ? TripPathSource::kFile : TripPathSource::kTowns;
        request.pathFile = v["path"];
        for (const std::string& town : parsed.lists["town"]) {
            try {
                request.towns.push_back(ReadTownArg(Utf8ToCp1252(town)));
            } catch (const TripPlanError& e) {
                throw CliUsageError(std::string("--town ") + e.what());
            }
        }
    }
    TripOptions& in = request.options;
    ReadDeparture(v["depart"], in);
    in.mph = PlanNumber(parsed, kTripMphRange, in.mph);
    in.drivingHours = PlanNumber(parsed, kTripHoursRange, in.drivingHours);
    in.dutyHours = PlanNumber(parsed, kTripDutyRange, in.dutyHours);
    in.offHours = PlanNumber(parsed, kTripOffRange, in.offHours);
    if (parsed.Value("width"))
        in.widthFeet = PlanNumber(parsed, kTripWidthRange, 0);
    in.breaks = parsed.Has("break");
    request.roadFactor = PlanNumber(parsed, kTripRoadFactorRange, request.roadFactor);
    in.restSundaysAndHolidays = parsed.Has("rest");

    if (!zones)
        throw CliUsageError("this program has no zone database");
    if (v.count("home-zone")) {
        if (!zones->Find(v["home-zone"]))
            throw CliUsageError("--home-zone: the system's zone database does not know '" + v["home-zone"] + "'");
        request.home.zone = v["home-zone"];
    } else if (v.count("home-offset")) {
        request.home.offsetHours = CliNumber("home-offset", v["home-offset"], -12, 14);
    }
    request.folder = v.count("folder") ? v["folder"] : CliProgramFolder();

    const TripOutcome outcome = PlanTripRequest(request, *zones);
    for (const std::string& line : outcome.error)
        WriteCliError(err, "plan", line);
    if (!outcome.plan)
        return 1;
    try {
        if (v.count("gpx-out"))
            WriteTripPlanGpx(v["gpx-out"], *outcome.plan);
        if (v.count("ics-out"))
            WriteTripPlanIcs(v["ics-out"], *outcome.plan, std::time(nullptr));
    } catch (const FileError& e) {
        WriteCliError(err, "plan", e.what());
        return 1;
    }
    if (parsed.Has("csv")) {
        for (const std::string& line : TripPlanCsvLines(*outcome.plan))
            out << line << "\r\n";  // RFC 4180, as the window's Save CSV writes it
    } else {
        for (const std::string& line : TripPlanTextLines(*outcome.plan))
            out << line << '\n';
    }
    return 0;
}

} // namespace dawnrule
