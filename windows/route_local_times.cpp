#include "windows/route_local_times.h"

#include "app/local_day.h"
#include "app/local_zone.h"
#include "common/number_text.h"
#include "locations/place_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

namespace dawnrule {

namespace {

constexpr double kHourSeconds = 3600;
constexpr std::int64_t kDaySeconds = 86400;

void AppendRight(std::string& line, std::string_view text, std::size_t width)
{
    if (text.size() < width)
        line.append(width - text.size(), ' ');
    line += text;
}

std::string_view OrNoEvent(const std::string& text)
{
    return text.empty() ? kRouteNoEvent : std::string_view(text);
}

} // namespace

RouteLocalClock::RouteLocalClock(ZoneDatabase& zones, std::string_view dateText, double homeOffset, bool military)
    : m_zones(zones)
    , m_homeOffsetSeconds(static_cast<int>(std::lround(FieldHeldValue(homeOffset) * kHourSeconds)))
    , m_military(military)
    , m_homeClock(m_homeOffsetSeconds)
{
    LocalDayInput in;
    m_dateKnown = LocalDayDateOf(dateText, in);
    m_year = in.year;
    m_month = in.month;
    m_day = in.day;
    if (m_dateKnown) {
        namespace chrono = std::chrono;
        const chrono::year_month_day date{chrono::year{m_year}, chrono::month{static_cast<unsigned>(m_month)},
                                          chrono::day{static_cast<unsigned>(m_day)}};
        m_dateDays = chrono::sys_days{date}.time_since_epoch().count();
    }
}

RouteLocalTimes RouteLocalClock::StopTimes(double latitude, double longitude, const RouteRiseSet& calc)
{
    RouteLocalTimes out;
    LocalDayInput in;
    in.latitude = FieldHeldValue(latitude);
    in.longitude = FieldHeldValue(longitude);
    const bool computed = in.latitude != 0 && in.longitude != 0;  // as Calc computes
    if (!computed || !m_dateKnown) {
        out.homeRise = calc.rise;
        out.homeSet = calc.set;
        out.homeFromCalc = true;
        out.marker = computed ? kRouteNoLocalDay : kRouteNoZone;
        return out;
    }
    in.year = m_year;
    in.month = m_month;
    in.day = m_day;
    in.military = m_military;

    const ZoneClock* clock = FindPlaceClock(m_zones, in.longitude, in.latitude).clock;
    // Without a zone the stop still gets the date's own events, in the home clock.
    const LocalDayResult day = ComputeLocalDay(in, clock ? *clock : m_homeClock);
    const auto homeText = [this](const LocalEvent& event) {
        std::string text = event.TextAt(m_homeOffsetSeconds, m_military);
        if (FloorDiv(event.utcSeconds + m_homeOffsetSeconds, kDaySeconds) > m_dateDays) {
            text += kRouteNextDayMark;
            m_markedNextDay = true;
        }
        return text;
    };
    if (day.rise)
        out.homeRise = homeText(*day.rise);
    if (day.set) {
        out.homeSet = homeText(*day.set);
        m_markedEveningBefore |= day.set->endsEveningBefore;
    }
    out.message = day.message.value_or("");
    if (!clock) {
        out.marker = kRouteNoZone;
        return out;
    }
    if (day.rise)
        out.rise = day.rise->text;
    if (day.set)
        out.set = day.set->text;
    out.abbreviation = ShownAbbreviation(day);
    return out;
}

std::string RouteLocalClock::StopLine(const std::string& label, const RouteRiseSet& calc, double latitude,
                                      double longitude)
{
    return RouteLocalStopLine(label, StopTimes(latitude, longitude, calc));
}

void RouteLocalClock::UseFor(RouteReportOperations& operations)
{
    operations.stopLine = [this](const std::string& label, const RouteRiseSet& calc, double latitude,
                                 double longitude) { return StopLine(label, calc, latitude, longitude); };
}

std::string RouteLocalStopLine(const std::string& label, const RouteLocalTimes& times)
{
    std::string line = label;
    line.reserve(label.size() + kRouteLocalHeadings.size() + 32);
    line += "  ";
    const auto home = [&](const std::string& text) { return times.homeFromCalc ? std::string_view(text) : OrNoEvent(text); };
    AppendRight(line, home(times.homeRise), kRouteHomeRiseWidth);
    line += "  ";
    AppendRight(line, home(times.homeSet), kRouteHomeSetWidth);
    line += "  ";
    // Without a local day the local columns stay empty: the marker stands under "Zone".
    const bool local = times.marker.empty();
    AppendRight(line, local ? OrNoEvent(times.rise) : std::string_view(), kRouteLocalRiseWidth);
    line += "  ";
    AppendRight(line, local ? OrNoEvent(times.set) : std::string_view(), kRouteLocalSetWidth);
    line += "  ";
    const std::string& zone = local ? times.abbreviation : times.marker;
    line += zone;
    if (!times.message.empty()) {
        if (zone.size() < kRouteAbbreviationWidth)
            line.append(kRouteAbbreviationWidth - zone.size(), ' ');
        line += "  ";
        line += times.message;
    }
    return line;
}

std::string RouteColumnHeadings(std::size_t labelWidth, bool localTimes, const RouteRiseSet& firstStop)
{
    std::string line(labelWidth + 2, ' ');
    if (localTimes) {
        line += kRouteLocalHeadings;
        return line;
    }
    // The plain report pads nothing: "Set" goes where the first stop's set starts.
    std::string rise = "Rise";
    const std::size_t riseWidth = std::max(firstStop.rise.size(), rise.size());
    rise.resize(riseWidth + 2, ' ');
    return line + rise + "Set";
}

std::string GmtOffsetText(double hours)
{
    return "GMT " + FixedOffsetClock::OffsetText(static_cast<int>(std::lround(FieldHeldValue(hours) * 60)) * 60);
}

} // namespace dawnrule
