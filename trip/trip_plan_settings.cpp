#include "trip/trip_plan_settings.h"

#include "astro/date_text.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <cstdio>

namespace dawnrule {

namespace {

// The number a value holds when it is one within low..high.
std::optional<double> NumberWithin(const std::string& text, double low, double high)
{
    try {
        const double value = StrToFloat(text);
        if (value >= low && value <= high)
            return value;
    } catch (const ConvertError&) {
    }
    return std::nullopt;
}

} // namespace

TripPlanSettings ParseTripPlanSettings(const std::vector<std::string>& lines)
{
    TripPlanSettings s;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (name == "from") {
            s.from = value;
        } else if (name == "to") {
            s.to = value;
        } else if (name == "depart") {
            if (const std::optional<int> seconds = ReadClockTime(value, false))
                s.departMinute = *seconds / 60;
        } else if (name == "mph") {
            s.mph = NumberWithin(value, kTripMinMph, kTripMaxMph).value_or(s.mph);
        } else if (name == "hours") {
            s.hoursPerDay = NumberWithin(value, 0, kTripMaxHours).value_or(s.hoursPerDay);
        } else if (name == "road-factor") {
            s.roadFactor = NumberWithin(value, kTripMinRoadFactor, kTripMaxRoadFactor).value_or(s.roadFactor);
        } else if (name == "rest") {
            s.rest = value == "1";
        }
    }
    return s;
}

std::vector<std::string> TripPlanSettingsLines(const TripPlanSettings& s)
{
    std::string depart = "first";
    if (s.departMinute) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", *s.departMinute / 60 % 24, *s.departMinute % 60);
        depart = text;
    }
    return {
        "from=" + s.from,
        "to=" + s.to,
        "depart=" + depart,
        "mph=" + FloatToStr(s.mph),
        "hours=" + FloatToStr(s.hoursPerDay),
        "road-factor=" + FloatToStr(s.roadFactor),
        std::string("rest=") + (s.rest ? "1" : "0"),
    };
}

} // namespace dawnrule
