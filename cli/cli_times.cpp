// dawnrule-cli times: one rise/set computation, printed as "rise<TAB>set<TAB>message";
// with --local the place's own local day, "rise<TAB>set<TAB>message<TAB>abbreviation".
#include "cli/cli_commands.h"

#include "app/local_day.h"
#include "app/zururuz.h"
#include "cli/cli_args.h"
#include "common/number_text.h"
#include "locations/place_clock.h"

#include <map>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

struct TimesArgs {
    ZuruRuzInput in;
    bool local = false;                // --local: the place's own zone and local day
    std::optional<std::string> zone;   // --zone NAME instead of the zone from the place
};

TimesArgs ParseTimesArgs(const std::vector<std::string>& args)
{
    const CliOptions options = ReadCliOptions(args, {"military", "local"}, {"lon", "lat", "offset", "date", "zone"}, false);
    std::map<std::string, std::string> values = options.values;
    TimesArgs parsed;
    parsed.in.military = options.Has("military");
    parsed.local = options.Has("local");
    if (parsed.local && values.count("offset"))
        throw CliUsageError("--offset and --local exclude each other: the zone gives the offset");
    if (!parsed.local && values.count("zone"))
        throw CliUsageError("--zone needs --local");
    for (const char* name : {"lon", "lat", "offset", "date"}) {
        if (!values.count(name) && !(parsed.local && name == std::string_view("offset")))
            throw CliUsageError(std::string("missing --") + name);
    }
    ZuruRuzInput& in = parsed.in;
    in.longitude = CliNumber("lon", values["lon"], -180, 180);
    in.latitude = CliNumber("lat", values["lat"], -90, 90);
    if (!parsed.local)
        in.gmtOffset = CliOffset(values["offset"]);
    const CivilDate date = CliDateArg(values["date"]);
    if (parsed.local && !IsLocalDayDate(date.year, date.month, date.day))
        throw CliUsageError("--date: --local computes dates from 01/02/1583 on");
    in.year = date.year;
    in.month = date.month;
    in.day = date.day;
    if (values.count("zone"))
        parsed.zone = values["zone"];
    return parsed;
}

// The clock of --zone, or of the zone of the shipped town nearest the place.
const ZoneClock& ZoneOf(const TimesArgs& args, ZoneDatabase* zones)
{
    if (!zones)
        throw CliUsageError("--local: this program has no zone database");
    if (args.zone) {
        const ZoneClock* clock = zones->Find(*args.zone);
        if (!clock)
            throw CliUsageError("--zone: the system's zone database does not know '" + *args.zone + "'");
        return *clock;
    }
    const PlaceClock place = FindPlaceClock(*zones, args.in.longitude, args.in.latitude);
    if (!place.zone) {
        throw CliUsageError("no time zone known at --lon " + FloatToStr(args.in.longitude) + " --lat " +
                            FloatToStr(args.in.latitude) + ": no town within " + FloatToStr(kPlaceZoneReachKm) +
                            " km (--zone names one)");
    }
    if (!place)
        throw CliUsageError("the system's zone database does not know '" + std::string(place.zone->zone) + "'");
    return *place.clock;
}

void PrintLocalDay(const TimesArgs& args, ZoneDatabase* zones, std::ostream& out)
{
    LocalDayInput in;
    in.longitude = args.in.longitude;
    in.latitude = args.in.latitude;
    in.year = static_cast<int>(args.in.year);
    in.month = static_cast<int>(args.in.month);
    in.day = static_cast<int>(args.in.day);
    in.military = args.in.military;
    const LocalDayResult r = ComputeLocalDay(in, ZoneOf(args, zones));
    out << (r.rise ? r.rise->text : "") << '\t' << (r.set ? r.set->text : "") << '\t' << r.message.value_or("")
        << '\t' << r.Abbreviation() << '\n';
}

} // namespace

int RunTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&, ZoneDatabase* zones)
{
    const TimesArgs parsed = ParseTimesArgs(args);
    // Like the window's Calc: a place on the equator or the Greenwich meridian is
    // not computed, and every field stays empty.
    if (parsed.in.longitude == 0 || parsed.in.latitude == 0) {
        out << (parsed.local ? "\t\t\t\n" : "\t\t\n");
        return 0;
    }
    if (parsed.local) {
        PrintLocalDay(parsed, zones, out);
        return 0;
    }
    const ZuruRuzResult r = ComputeZuruRuz(parsed.in);
    out << r.riseText.value_or("") << '\t' << r.setText.value_or("") << '\t' << r.message.value_or("") << '\n';
    return 0;
}

} // namespace dawnrule
