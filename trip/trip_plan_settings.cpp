#include "trip/trip_plan_settings.h"

#include "astro/date_text.h"
#include "common/errors.h"
#include "common/number_text.h"


namespace dawnrule {

double ReadTripNumber(const TripNumberRange& range, const std::string& text)
{
    const std::string option = std::string("--") + range.option;
    double value = 0;
    try {
        value = StrToFloat(text);
    } catch (const ConvertError& e) {
        throw TripNumberError(option + ": " + e.what());
    }
    if (range.zeroForNoLimit && value == 0)
        return 0;
    if (!(value >= range.low && value <= range.high)) {
        throw TripNumberError(option + (range.zeroForNoLimit ? " must be 0 for no limit, or lie between "
                                                             : " must lie between ") +
                              FloatToStr(range.low) + " and " + FloatToStr(range.high));
    }
    return value;
}

TripPlanSettingsRead ParseTripPlanSettings(const std::vector<std::string>& lines)
{
    TripPlanSettingsRead read;
    TripPlanSettings& s = read.settings;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            read.problems.push_back(where + "'" + line + "' is not name=value");
            continue;
        }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        const auto number = [&](const TripNumberRange& range, double& into) {
            try {
                into = ReadTripNumber(range, value);
            } catch (const TripNumberError& e) {
                read.problems.push_back(where + e.what() + " (" + name + " keeps " + FloatToStr(into) + ")");
            }
        };
        const auto flag = [&](bool& into) {
            if (value == "0" || value == "1")
                into = value == "1";
            else
                read.problems.push_back(where + name + "=" + value + " is neither 0 nor 1");
        };
        if (name == "from") {
            s.from = value;
        } else if (name == "to") {
            s.to = value;
        } else if (name == "depart") {
            const std::optional<int> seconds = ReadClockTime(value, false);
            if (seconds)
                s.departMinute = *seconds / 60;
            else if (value != "first")
                read.problems.push_back(where + "depart=" + value + " is neither HH:MM nor first");
        } else if (name == "mph") {
            number(kTripMphRange, s.mph);
        } else if (name == "hours") {
            number(kTripHoursRange, s.drivingHours);
        } else if (name == "duty") {
            number(kTripDutyRange, s.dutyHours);
        } else if (name == "off") {
            number(kTripOffRange, s.offHours);
        } else if (name == "break") {
            flag(s.breaks);
        } else if (name == "width") {
            if (!value.empty()) {
                double width = 0;
                number(kTripWidthRange, width);
                if (width > 0)
                    s.widthFeet = width;
            }
        } else if (name == "road-factor") {
            number(kTripRoadFactorRange, s.roadFactor);
        } else if (name == "rest") {
            flag(s.rest);
        }
    }
    return read;
}

std::vector<std::string> TripPlanSettingsLines(const TripPlanSettings& s)
{
    const std::string depart = s.departMinute ? ClockMinutesText(*s.departMinute % (24 * 60)) : "first";
    return {
        "from=" + s.from,
        "to=" + s.to,
        "depart=" + depart,
        "mph=" + FloatToStr(s.mph),
        "hours=" + FloatToStr(s.drivingHours),
        "duty=" + FloatToStr(s.dutyHours),
        "off=" + FloatToStr(s.offHours),
        std::string("break=") + (s.breaks ? "1" : "0"),
        "width=" + (s.widthFeet ? FloatToStr(*s.widthFeet) : std::string()),
        "road-factor=" + FloatToStr(s.roadFactor),
        std::string("rest=") + (s.rest ? "1" : "0"),
    };
}

} // namespace dawnrule
