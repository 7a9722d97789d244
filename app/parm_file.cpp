#include "app/parm_file.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"

#include <algorithm>

namespace dawnrule {

bool ParmFlag(std::string_view flags, int position)
{
    return position >= 1 && static_cast<size_t>(position) <= flags.size() && flags[position - 1] == '1';
}

std::vector<std::string> ParmFileLines(const ParmValues& v)
{
    std::string flags = "000000000000";
    const auto set = [&flags](int position, bool on) {
        if (on)
            flags[position - 1] = '1';
    };
    set(kFlagCityList, v.cityList);
    set(kFlagLed, v.led);
    set(kFlagLockOffset, v.lockOffset);
    set(kFlagMilitary, v.military);
    set(kFlagLocalZone, v.localZone);
    set(kFlagRouteLocalTimes, v.routeLocalTimes);

    return {
        flags,
        v.offsetChosen ? FloatToStr(v.offset) : "0",
        v.offsetChosen ? std::to_string(v.offsetIndex) : "-1",
        FloatToStr(v.homeLongitude),
        FloatToStr(v.homeLatitude),
        FloatToStr(v.homeOffset),
        std::to_string(v.homeOffsetIndex),
    };
}

namespace {

// Lines 1 to 3 as "Close " writes them: the flags, a number and an integer.
bool MainLinesIntact(const std::vector<std::string>& lines)
{
    if (lines.size() < 3 || lines[0].size() != 12
        || lines[0].find_first_not_of("01") != std::string::npos)
        return false;
    try {
        StrToFloat(lines[1]);
        StrToInt(lines[2]);
    } catch (const ConvertError&) {
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> ParmLinesWithHome(const std::optional<std::vector<std::string>>& fileLines,
                                           const ParmValues& current)
{
    std::vector<std::string> lines = ParmFileLines(current);
    if (fileLines && MainLinesIntact(*fileLines))
        std::copy_n(fileLines->begin(), 3, lines.begin());
    return lines;
}

ParmReading ParseParmLines(const std::vector<std::string>& fileLines)
{
    std::vector<std::string> lines = fileLines;
    lines.resize(kParmLineCount);

    ParmReading r;
    // A bad line keeps its value at `fallback` and leaves its message, the first only.
    const auto read = [&r](auto convert, const std::string& text, auto fallback) {
        try {
            return convert(text);
        } catch (const ConvertError& e) {
            if (!r.error)
                r.error = e.what();
            return fallback;
        }
    };
    const auto number = [](const std::string& t) { return FieldValue(t); };
    const auto integer = [](const std::string& t) { return StrToInt(t); };

    r.flags = lines[0];
    ParmValues& v = r.values;
    v.cityList = ParmFlag(r.flags, kFlagCityList);
    v.led = ParmFlag(r.flags, kFlagLed);
    v.lockOffset = ParmFlag(r.flags, kFlagLockOffset);
    v.military = ParmFlag(r.flags, kFlagMilitary);
    v.localZone = ParmFlag(r.flags, kFlagLocalZone);
    v.routeLocalTimes = ParmFlag(r.flags, kFlagRouteLocalTimes);
    if (v.lockOffset) {
        v.offset = read(number, lines[1], 0.0);
        v.offsetIndex = read(integer, lines[2], -1);
    }
    v.homeLongitude = read(number, lines[3], 0.0);
    v.homeLatitude = read(number, lines[4], 0.0);
    v.homeOffset = read(number, lines[5], 0.0);
    v.homeOffsetIndex = read(integer, lines[6], -1);
    return r;
}

ParmReading ReadParmFile(const std::string& path)
{
    return ParseParmLines(ReadTextLines(path));
}

} // namespace dawnrule
