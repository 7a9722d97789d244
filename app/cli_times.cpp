// dawnrule-cli times: one rise/set computation, printed as "rise<TAB>set<TAB>message".
#include "app/cli_commands.h"

#include "common/number_text.h"
#include "common/errors.h"
#include "app/zururuz.h"

#include <cmath>
#include <map>
#include <optional>
#include <ostream>

namespace dawnrule {

namespace {

double Number(const std::string& name, const std::string& text, double low, double high)
{
    double value = 0;
    try {
        value = StrToFloat(text);
    } catch (const ConvertError& e) {
        throw CliUsageError("--" + name + ": " + e.what());
    }
    if (value < low || value > high)
        throw CliUsageError("--" + name + " must lie between " + FloatToStr(low) + " and " + FloatToStr(high));
    return value;
}

bool IsLeap(int year)
{
    // Julian calendar before 1583, as the computation reads such dates.
    if (year < 1583)
        return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// "mm/dd/yyyy", exactly, naming a real date.
void ParseDate(const std::string& text, ZuruRuzInput& in)
{
    const auto bad = [&text]() { return CliUsageError("--date: '" + text + "' is not a date of the form mm/dd/yyyy"); };
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        throw bad();
    for (const size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text[i] < '0' || text[i] > '9')
            throw bad();
    }
    const int month = std::stoi(text.substr(0, 2));
    const int day = std::stoi(text.substr(3, 2));
    const int year = std::stoi(text.substr(6, 4));
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        throw bad();
    const int last = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    if (day > last)
        throw bad();
    in.year = year;
    in.month = month;
    in.day = day;
}

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
    in.longitude = Number("lon", values["lon"], -180, 180);
    in.latitude = Number("lat", values["lat"], -90, 90);
    in.gmtOffset = Number("offset", values["offset"], -12, 14);
    ParseDate(values["date"], in);
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
