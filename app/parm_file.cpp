#include "app/parm_file.h"

#include "common/number_text.h"
#include "common/text_file.h"

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

    const auto orZero = [](const std::string& text) { return text.empty() ? std::string("0") : text; };
    return {
        flags,
        v.offsetChosen ? FloatToStr(v.offset) : "0",
        v.offsetChosen ? std::to_string(v.offsetIndex) : "-1",
        orZero(v.homeLongitude),
        orZero(v.homeLatitude),
        FloatToStr(v.homeOffset),
        std::to_string(v.homeOffsetIndex),
    };
}

std::vector<std::string> ReadParmFile(const std::string& path)
{
    std::vector<std::string> lines = ReadTextLines(path);
    lines.resize(kParmLineCount);
    return lines;
}

} // namespace dawnrule
