// dawnrule-cli moon: the Sun's and Moon's apparent positions and the phase angle for a
// date, as the moon picture computes them.
//
//   moon --date mm/dd/yyyy[ hh:mm:ss]   (date and time as one argument or two)
//   moon --tdatetime N                  (days since 30 December 1899)

#include "cli/cli_commands.h"

#include "astro/calendar.h"
#include "astro/date_text.h"
#include "astro/sun_moon.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

namespace dawnrule {

namespace {

constexpr std::string_view kUsage = "expected --date \"mm/dd/yyyy[ hh:mm:ss]\" or --tdatetime N";
constexpr double kSecondsPerDay = 86400;

TDateTime ParseDate(std::string_view text)
{
    unsigned month = 0;
    unsigned day = 0;
    unsigned year = 0;
    if (!ReadDateFields(text, month, day, year))
        throw ConvertError("'" + std::string(text) + "' is not a valid date");
    return DateTimeOfCalendarDate(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                  static_cast<std::uint16_t>(day));
}

// hh:mm[:ss] as a fraction of a day.
double ParseTime(std::string_view text)
{
    const std::optional<int> seconds = ReadClockTime(text, true);
    if (!seconds)
        throw ConvertError("'" + std::string(text) + "' is not a valid time");
    return *seconds / kSecondsPerDay;
}

// The moment named by the arguments. The time of day is added to the day number as it is,
// also before 1899, so the astronomy sees the real instant.
TDateTime ParseMoment(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw CliUsageError(std::string(kUsage));
    if (args[0] == "--date" && args.size() <= 3) {
        // A time, when one is given, must be one: "11/09/2005 " is not a date.
        std::string_view date = args[1];
        std::optional<std::string_view> time;
        if (args.size() == 3) {
            time = args[2];
        } else if (const auto space = date.find(' '); space != std::string_view::npos) {
            time = date.substr(space + 1);
            date = date.substr(0, space);
        }
        const TDateTime day = ParseDate(date);
        return time ? day + ParseTime(*time) : day;
    }
    if (args[0] == "--tdatetime" && args.size() == 2) {
        const double n = StrToFloat(args[1]);
        // The days of the years 1 to 9999, the calendar's range.
        static const TDateTime first = DateTimeOfCalendarDate(1, 1, 1);
        static const TDateTime last = DateTimeOfCalendarDate(9999, 12, 31) + 1;
        if (!std::isfinite(n) || n < first || n >= last)
            throw ConvertError("'" + args[1] + "' is outside the dates 01/01/0001 to 12/31/9999");
        return n;
    }
    throw CliUsageError(std::string(kUsage));
}

} // namespace

int RunMoonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&, ZoneDatabase*)
{
    const TDateTime date = ParseMoment(args);

    const SkyPosition sun = SunPosition(date);
    const SkyPosition moon = MoonPosition(date);
    const long double phase = PhaseAngleFromPositions(sun, moon);

    out << std::setprecision(std::numeric_limits<TDateTime>::max_digits10)
        << "tdatetime " << date << '\n'
        << std::setprecision(std::numeric_limits<long double>::max_digits10)
        << "phase_angle " << phase << '\n'
        << "sun_longitude " << sun.EclipticLongitude << '\n'
        << "sun_latitude " << sun.EclipticLatitude << '\n'
        << "sun_distance_km " << sun.DistanceKm << '\n'
        << "moon_longitude " << moon.EclipticLongitude << '\n'
        << "moon_latitude " << moon.EclipticLatitude << '\n'
        << "moon_distance_km " << moon.DistanceKm << '\n';
    return 0;
}

} // namespace dawnrule
