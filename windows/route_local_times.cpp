#include "windows/route_local_times.h"

#include "app/local_day.h"
#include "app/local_zone.h"
#include "common/number_text.h"
#include "locations/place_zone.h"

#include <optional>

namespace dawnrule {

namespace {

void AppendRight(std::string& line, std::string_view text, std::size_t width)
{
    if (text.size() < width)
        line.append(width - text.size(), ' ');
    line += text;
}

} // namespace

RouteLocalClock::RouteLocalClock(ZoneDatabase& zones, std::string_view dateText, bool military)
    : m_zones(zones)
    , m_military(military)
{
    LocalDayInput in;
    m_dateKnown = LocalDayDateOf(dateText, in);
    m_year = in.year;
    m_month = in.month;
    m_day = in.day;
}

RouteLocalTimes RouteLocalClock::StopTimes(double latitude, double longitude)
{
    RouteLocalTimes out;
    LocalDayInput in;
    in.latitude = FieldHeldValue(latitude);
    in.longitude = FieldHeldValue(longitude);
    const std::optional<PlaceZone> place =
        in.latitude == 0 || in.longitude == 0 ? std::nullopt : FindPlaceZone(in.longitude, in.latitude);
    if (place && (!m_lastClock || place->zone != m_lastZone)) {
        m_lastZone = place->zone;
        m_lastClock = m_zones.Find(place->zone);
    }
    const ZoneClock* clock = place ? m_lastClock : nullptr;
    if (!clock) {
        out.marker = kRouteNoZone;
        return out;
    }
    if (!m_dateKnown) {
        out.marker = kRouteNoLocalDay;
        return out;
    }
    in.year = m_year;
    in.month = m_month;
    in.day = m_day;
    in.military = m_military;
    const LocalDayResult day = ComputeLocalDay(in, *clock);
    if (day.rise)
        out.rise = day.rise->text;
    if (day.set)
        out.set = day.set->text;
    out.abbreviation = ShownAbbreviation(day);
    out.message = day.message.value_or("");
    return out;
}

std::string RouteLocalClock::StopLine(const std::string& label, const RouteRiseSet& home, double latitude,
                                      double longitude)
{
    return RouteLocalStopLine(label, home, StopTimes(latitude, longitude));
}

void RouteLocalClock::UseFor(RouteReportOperations& operations)
{
    operations.stopLine = [this](const std::string& label, const RouteRiseSet& home, double latitude,
                                 double longitude) { return StopLine(label, home, latitude, longitude); };
}

std::string RouteLocalStopLine(const std::string& label, const RouteRiseSet& home, const RouteLocalTimes& local)
{
    std::string line = label;
    line.reserve(label.size() + 5 * kRouteTimeWidth + 32);
    line += "  ";
    AppendRight(line, home.rise, kRouteTimeWidth);
    line += "  ";
    AppendRight(line, home.set, kRouteTimeWidth);
    line += "  ";
    if (!local.marker.empty()) {
        line += local.marker;
        return line;
    }
    AppendRight(line, local.rise.empty() ? kRouteNoEvent : std::string_view(local.rise), kRouteTimeWidth);
    line += "  ";
    AppendRight(line, local.set.empty() ? kRouteNoEvent : std::string_view(local.set), kRouteTimeWidth);
    line += "  ";
    line += local.abbreviation;
    if (!local.message.empty()) {
        if (local.abbreviation.size() < kRouteAbbreviationWidth)
            line.append(kRouteAbbreviationWidth - local.abbreviation.size(), ' ');
        line += "  ";
        line += local.message;
    }
    return line;
}

std::string RouteClocksCaption(double homeOffset)
{
    const double held = FieldHeldValue(homeOffset);
    std::string offset = FormatFixed(held, 1, 1);
    if (offset == "-0.0")
        offset = "0.0";
    else if (held > 0 && offset != "0.0")
        offset = "+" + offset;
    return "home: GMT " + offset + "   local: each stop's zone";
}

} // namespace dawnrule
