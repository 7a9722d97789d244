// dawnrule-cli times: one rise/set computation, printed as "rise<TAB>set<TAB>message".
#include "app/cli_commands.h"

#include "app/cli_args.h"
#include "app/zururuz.h"

#include <map>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

ZuruRuzInput ParseTimesArgs(const std::vector<std::string>& args)
{
    std::map<std::string, std::string> values;
    bool military = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--military") {
            military = true;
            continue;
        }
        if (a != "--lon" && a != "--lat" && a != "--offset" && a != "--date")
            throw CliUsageError("unknown argument '" + a + "'");
        if (i + 1 >= args.size())
            throw CliUsageError(a + " needs a value");
        if (!values.emplace(a.substr(2), args[++i]).second)
            throw CliUsageError(a + " given twice");
    }
    for (const char* name : {"lon", "lat", "offset", "date"}) {
        if (!values.count(name))
            throw CliUsageError(std::string("missing --") + name);
    }
    ZuruRuzInput in;
    in.longitude = CliNumber("lon", values["lon"], -180, 180);
    in.latitude = CliNumber("lat", values["lat"], -90, 90);
    in.gmtOffset = CliOffset(values["offset"]);
    const CliDate date = CliDateArg(values["date"]);
    in.year = date.year;
    in.month = date.month;
    in.day = date.day;
    in.military = military;
    return in;
}

} // namespace

int RunTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const ZuruRuzInput in = ParseTimesArgs(args);
    // Like the window's Calc: a place on the equator or the Greenwich meridian is
    // not computed, and every field stays empty.
    ZuruRuzResult r;
    if (in.longitude != 0 && in.latitude != 0)
        r = ComputeZuruRuz(in);
    out << r.riseText.value_or("") << '\t' << r.setText.value_or("") << '\t' << r.message.value_or("") << '\n';
    return 0;
}

} // namespace dawnrule
