// dawnrule-cli route: the Routes report for scripts, the same lines as the Routes
// window's "Process" leaves in its report box; with --local, as it leaves them with
// "Local times" checked.
#include "cli/cli_commands.h"

#include "app/calc.h"
#include "cli/cli_args.h"
#include "common/text_file.h"
#include "windows/route_local_times.h"
#include "windows/route_report.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

struct RouteArgs {
    std::string dateText;
    double gmtOffset = 0;
    bool military = false;
    bool local = false;  // --local: each stop's own clock after the home texts
    std::string folder;
    std::vector<std::string> routeNames;
};

RouteArgs ParseRouteArgs(const std::vector<std::string>& args)
{
    const CliOptions options = ReadCliOptions(args, {"military", "local"}, {"date", "offset", "folder"}, true);
    const std::optional<std::string> date = options.Value("date"), offset = options.Value("offset"),
                                     folder = options.Value("folder");
    RouteArgs parsed;
    parsed.military = options.Has("military");
    parsed.local = options.Has("local");
    parsed.routeNames = options.names;
    if (!date)
        throw CliUsageError("missing --date");
    if (!offset)
        throw CliUsageError("missing --offset");
    if (parsed.routeNames.empty())
        throw CliUsageError("no route name given");
    CliDateArg(*date);
    parsed.dateText = *date;
    parsed.gmtOffset = CliOffset(*offset);
    parsed.folder = folder ? *folder : CliProgramFolder();
    return parsed;
}

} // namespace

int RunRouteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones)
{
    const RouteArgs parsed = ParseRouteArgs(args);

    // Where the batch is, so that a message of Calc can name its stop.
    std::string routeFile;
    int lineIndex = 0;
    bool failed = false;

    StopCalc calc(parsed.dateText, parsed.gmtOffset, parsed.military);
    RouteReportOperations operations;
    operations.readLines = ReadTextLines;
    operations.zuruRuzTexts = [&](double latitude, double longitude) {
        std::optional<std::string> message;
        const ResultLabels& labels = calc.Texts(latitude, longitude, message);
        if (message)
            WriteCliError(err, "route", routeFile + " line " + std::to_string(lineIndex + 1) + ": " + *message);
        return RouteRiseSet{labels.rise, labels.set};
    };
    operations.beginRoute = [&](const std::string& name, int) {
        routeFile = name + ".txt";
    };
    operations.step = [&lineIndex](int index) { lineIndex = index; };
    operations.warn = [&](const std::string& message) {
        failed = true;
        WriteCliError(err, "route", message);
    };
    std::optional<RouteLocalClock> local;
    if (parsed.local) {
        if (!zones)
            throw CliUsageError("--local: this program has no zone database");
        local.emplace(*zones, parsed.dateText, parsed.gmtOffset, parsed.military);
        local->UseFor(operations);
    }

    const std::vector<std::string> report = BuildRouteReport(parsed.routeNames, parsed.folder, operations);
    out << parsed.dateText << "\n\n";
    for (const std::string& line : report)
        out << line << '\n';
    return failed ? 1 : 0;
}

} // namespace dawnrule
