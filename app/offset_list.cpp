#include "app/offset_list.h"

namespace dawnrule {

using namespace std::chrono;

const std::array<OffsetEntry, 35> kOffsetList = {{
    {"Eastern         (-5:00)", -5},
    {"Central          (-6:00)", -6},
    {"Mountain      (-7:00)", -7},
    {"Pacific          (-8:00)", -8},
    {"Eastern DT   (-4:00)", -4},
    {"Central DT    (-5:00)", -5},
    {"Mountain DT(-6:00)", -6},
    {"Pacific DT    (-7:00)", -7},
    {"Arizona      (-07:00)", -7},
    {"Alaska       (-9:00)", -9},
    {"Hawaii       (-10:00)", -10},
    {"GMT (-12:00)", -12},
    {"GMT (-11:00)", -11},
    {"GMT (-10:00)", -10},
    {"GMT (-9:00)", -9},
    {"GMT (-8:00)", -8},
    {"GMT (-7:00)", -7},
    {"GMT (-6:00)", -6},
    {"GMT (-5:00)", -5},
    {"GMT (-4:00)", -4},
    {"GMT (-3:00)", -3},
    {"GMT (-2:00)", -2},
    {"GMT (-1:00)", -1},
    {"GMT (0:00)", 0},
    {"GMT (+1:00)", 1},
    {"GMT (+2:00)", 2},
    {"GMT (+3:00)", 3},
    {"GMT (+4:00)", 4},
    {"GMT (+5:00)", 5},
    {"GMT (+6:00)", 6},
    {"GMT (+7:00)", 7},
    {"GMT (+8:00)", 8},
    {"GMT (+9:00)", 9},
    {"GMT (+10:00)", 10},
    {"GMT (+11:00)", 11},
}};

bool IsDaylightEntry(std::string_view text)
{
    return text.find("DT") != std::string_view::npos;
}

DaylightWindow DaylightWindowOf(year y)
{
    if (y >= year(2007))
        return {year_month_day(y / March / Sunday[2]), year_month_day(y / November / Sunday[1])};
    return {year_month_day(y / April / Sunday[1]), year_month_day(y / October / Sunday[last])};
}

bool OffsetMismatch(int index, year_month_day date)
{
    if (!HasDaylightCheck(index))
        return false;
    const DaylightWindow w = DaylightWindowOf(date.year());
    const bool inDaylight = sys_days(w.start) <= sys_days(date) && sys_days(date) <= sys_days(w.end);
    return IsDaylightEntry(kOffsetList[index].text) ? !inDaylight : inDaylight;
}

} // namespace dawnrule
