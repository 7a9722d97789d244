#include "app/zururuz.h"

#include "common/vector_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dawnrule {

namespace {

// The computation's own angle constants. P1 is a truncated pi on purpose: the times
// users compare against were made with it.
constexpr double P1 = 3.14159265;
constexpr double P2 = 2 * P1;
constexpr double DR = P1 / 180;
constexpr double K1 = 15 * DR * 1.0027379;  // sidereal rotation per solar hour, rad
constexpr double Z1 = 90.833 * DR;          // zenith distance of the sun's centre at rise/set
constexpr long double kHalfMinute = 1.0L / 120;  // hours, rounds to the nearest minute

// Truncation toward zero, kept as a real.
double Int(double x) { return std::trunc(x); }

int Sign(double x) { return (x > 0) - (x < 0); }

struct RaDec {
    double ra = 0;
    double dec = 0;
};

// Sun's right ascension and declination (radians) at T days from J2000.0;
// tt is centuries from 1900.0.
RaDec SolarRaDec(double t, double tt)
{
    double l = 0.779072 + 0.00273790931 * t;
    double m = 0.993126 + 0.0027377785 * t;
    l = (l - Int(l)) * P2;
    m = (m - Int(m)) * P2;

    const double v = 0.39785 * std::sin(l) - 0.01 * std::sin(l - m) + 0.00333 * std::sin(l + m)
                     - 0.00021 * tt * std::sin(l);
    const double u = 1 - 0.03349 * std::cos(m) - 0.00014 * std::cos(2 * l) + 0.00008 * std::cos(l);
    const double w = -0.0001 - 0.04129 * std::sin(2 * l) + 0.03211 * std::sin(m)
                     + 0.00104 * std::sin(2 * l - m) - 0.00035 * std::sin(2 * l + m)
                     - 0.00008 * tt * std::sin(m);

    RaDec out;
    double s = w / std::sqrt(u - v * v);
    out.ra = l + std::atan(s / std::sqrt(1 - s * s));
    s = v / std::sqrt(u);
    out.dec = std::atan(s / std::sqrt(1 - s * s));
    return out;
}

} // namespace

CalendarJulian CalendarToJulian(double year, double month, double day)
{
    const double g = year >= 1583 ? 1 : 0;  // 0 selects the Julian calendar
    const double d1 = Int(day);
    double f = day - d1 - 0.5;
    double j = -Int(7 * (Int((month + 9) / 12) + year) / 4);
    double j3 = 0;
    if (g == 1) {
        const double s = Sign(month - 9);
        const double a = std::fabs(month - 9);
        j3 = Int(year + s * Int(a / 7));
        j3 = -Int((Int(j3 / 100) + 1) * 3 / 4);
    }
    j = j + Int(275 * month / 9) + d1 + g * j3;
    j = j + 1721027 + 2 * g + 367 * year;
    if (f < 0) {
        f = f + 1;
        j = j - 1;
    }
    return {j, f};
}

std::string FormatEventTime(double t3, bool military)
{
    // A time that is not a number has no clock text (the scan never hands one over).
    if (!std::isfinite(t3))
        return {};
    const double h3 = Int(t3);
    const double m3 = Int(static_cast<double>((t3 - h3) * 60.0L));
    // Hour index H3 of the scan is 12 + H3 on the clock (the scan starts at local
    // noon), taken modulo 24 so that a set just after midnight reads 12:07A / 0007.
    // H3 is reduced to its hour of the day first: exact for any size, so the minutes
    // below never overflow (an unchecked second root can put T3 far outside the day).
    constexpr int kDayMinutes = 24 * 60;
    const double hourOfDay = std::fmod(h3, 24);
    int clock = static_cast<int>(std::fmod((12 + hourOfDay) * 60 + m3, kDayMinutes));
    if (clock < 0)
        clock += kDayMinutes;
    const int hour = clock / 60;
    const int minutes = clock % 60;
    char text[16];
    if (military) {
        std::snprintf(text, sizeof text, "%02d%02d", hour, minutes);
    } else {
        const int shown = hour % 12 == 0 ? 12 : hour % 12;
        std::snprintf(text, sizeof text, "%d:%02d%c", shown, minutes, hour < 12 ? 'A' : 'P');
    }
    return text;
}

ZuruRuzScan ScanZuruRuz(const ZuruRuzInput& in, int firstHour, int endHour)
{
    ClearUpperVectorState(); // full speed after a paint; see common/vector_state.h
    ZuruRuzScan out;
    firstHour = std::clamp(firstHour, 0, kScanHours);
    endHour = std::clamp(endHour, firstHour, kScanHours);

    // 1. Shift the offset so the scan starts at 12:00 local time.
    double tz = in.gmtOffset;
    tz = tz < 0 ? -12 - tz : 12 - tz;
    const double z0 = tz / 24;
    const double l5 = in.longitude / 360;

    // 2., 3. Day number and time arguments.
    const CalendarJulian cj = CalendarToJulian(in.year, in.month, in.day);
    double t = (cj.j - 2451545) + cj.f;
    const double tt = t / 36525 + 1;
    double t0 = t / 36525;

    // 4. Local sidereal time at the window start.
    double q = 24110.5 + 8640184.813 * t0;
    q = q + 86636.6 * z0 + 86400 * l5;
    q = q / 86400;
    q = q - Int(q);
    t0 = q * 360 * DR;
    t = t + z0;

    // 5. Sun at the window start and 24 hours later.
    const RaDec sun1 = SolarRaDec(t, tt);
    RaDec sun2 = SolarRaDec(t + 1, tt);
    if (sun2.ra < sun1.ra)
        sun2.ra += P2;

    // 6. Scan set-up.
    const double s = std::sin(in.latitude * DR);
    const double c = std::cos(in.latitude * DR);
    const double z = std::cos(Z1);
    const double da = sun2.ra - sun1.ra;
    const double dd = sun2.dec - sun1.dec;

    // Right ascension, declination and altitude function at the end of hour c0, each
    // value made by the same operations in the same order whichever hour the scan
    // starts at, so a part of the window gives the whole window's values bit for bit.
    struct HourEnd {
        double a2, d2, h2, v2;
    };
    const auto hourEnd = [&](double c0) {
        const double p = (c0 + 1) / 24;
        const double a2 = sun1.ra + p * da;
        const double d2 = sun1.dec + p * dd;
        const double l0 = t0 + c0 * K1;
        const double l2 = l0 + K1;
        const double h2 = l2 - a2;
        return HourEnd{a2, d2, h2, s * std::sin(d2) + c * std::cos(d2) * std::cos(h2) - z};
    };

    double a0 = sun1.ra;
    double d0 = sun1.dec;
    double v0 = 0;
    if (firstHour > 0) {
        // The values the scan carries into its first hour, as the hour before left them.
        const HourEnd before = hourEnd(firstHour - 1);
        a0 = before.a2;
        d0 = before.d2;
        v0 = before.v2;
    }
    out.lastV2 = v0;

    // 7. Hour scan.
    for (int hour = firstHour; hour < endHour; ++hour) {
        const double c0 = hour;
        const HourEnd end = hourEnd(c0);
        const double l0 = t0 + c0 * K1;
        const double h0 = l0 - a0;
        const double h1 = (end.h2 + h0) / 2;
        const double dm = (end.d2 + d0) / 2;

        if (hour == 0)
            v0 = s * std::sin(d0) + c * std::cos(d0) * std::cos(h0) - z;
        const double v2 = end.v2;

        if (Sign(v0) != Sign(v2)) {
            const double v1 = s * std::sin(dm) + c * std::cos(dm) * std::cos(h1) - z;
            const double qa = 2 * v2 - 4 * v1 + 2 * v0;
            const double qb = 4 * v1 - 3 * v0 - v2;
            double disc = qb * qb - 4 * qa * v0;
            if (disc >= 0) {
                disc = std::sqrt(disc);
                double e;
                if (qa == 0) {
                    e = -v0 / qb;  // the three samples lie on a line
                } else {
                    e = (-qb + disc) / (2 * qa);
                    if (e > 1 || e < 0)
                        e = (-qb - disc) / (2 * qa);
                }
                if (std::isfinite(e)) {
                    // An exact zero at one end still has a direction: up is a rise.
                    ZuruRuzEvent& ev = out.events[out.count++];
                    ev.kind = v0 < v2 ? kRiseEvent : kSetEvent;
                    ev.hour = hour;
                    ev.position = c0 + e;
                    ev.t3 = static_cast<double>(static_cast<long double>(c0) + e + kHalfMinute);
                }
            }
        }
        a0 = end.a2;
        d0 = end.d2;
        v0 = v2;
        out.lastV2 = v2;
    }
    return out;
}

ZuruRuzResult ComputeZuruRuz(const ZuruRuzInput& in)
{
    const ZuruRuzScan scan = ScanZuruRuz(in);
    ZuruRuzResult out;
    out.eventKind = in.eventKind;

    // 7.9 A later event of a kind replaces the earlier one's text.
    bool riseSeen = false;
    bool setSeen = false;
    const ZuruRuzEvent* lastRise = nullptr;
    const ZuruRuzEvent* lastSet = nullptr;
    for (const ZuruRuzEvent& ev : scan.Events()) {
        out.eventKind = ev.kind;
        if (ev.kind == kRiseEvent) {
            riseSeen = true;
            lastRise = &ev;
        } else {
            setSeen = true;
            lastSet = &ev;
        }
    }
    if (lastRise)
        out.riseText = FormatEventTime(lastRise->t3, in.military);
    if (lastSet)
        out.setText = FormatEventTime(lastSet->t3, in.military);

    // 9. Messages.
    out.message = ScanMessage(riseSeen, setSeen, scan.lastV2);
    return out;
}

std::optional<std::string> ScanMessage(bool riseSeen, bool setSeen, double lastV2)
{
    if (riseSeen || setSeen) {
        if (!riseSeen)
            return "No sunrise this date";
        if (!setSeen)
            return "No sunset this date";
        return std::nullopt;
    }
    if (lastV2 != 0)
        return "Sun up or down all day";
    return std::nullopt;
}

} // namespace dawnrule
