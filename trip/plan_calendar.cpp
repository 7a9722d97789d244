#include "trip/plan_calendar.h"

#include "common/cp1252.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "trip/trip_plan_text.h"

#include <libical/ical.h>

#include <cstdio>
#include <memory>

namespace dawnrule {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype Utc(std::int64_t utc)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(utc), 0, icaltimezone_get_utc_timezone());
}

// FNV-1a of the texts that make the plan this plan.
std::string PlanHash(const TripPlan& plan)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::string& text : {plan.from, plan.to, plan.by})
        for (const char ch : text + '\n')
            hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// The stops of a day's drive, from the roll to the park, each on its line.
std::string Legs(const TripPlan& plan, const TripDay& day)
{
    const std::int64_t from = day.roll->time.utc, to = day.park->time.utc;
    const auto within = [&](const std::optional<TripTime>& t) { return t && t->utc >= from && t->utc <= to; };
    std::string text;
    for (const TripStopRow& r : plan.rows) {
        const bool arrives = within(r.arrive) && r.arrive->utc > from;
        const bool departs = within(r.depart) && r.depart->utc < to;
        if (!arrives && !departs)
            continue;
        std::string line = r.stop + ":";
        if (arrives)
            line += " arrive " + StopClockText(*r.arrive);
        if (departs)
            line += std::string(arrives ? "," : "") + " depart " + StopClockText(*r.depart);
        text += line + "\n";
    }
    if (day.flags)
        text += "Flags: " + TripFlagsText(day.flags, ", ") + "\n";
    return text + "The permit governs.";
}

} // namespace

std::string TripPlanIcs(const TripPlan& plan, std::int64_t stampUtc)
{
    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Dawnrule//Daylight trip plan//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const std::string hash = PlanHash(plan);
    for (const TripDay& day : plan.days) {
        if (!day.roll || !day.park)
            continue;
        icalcomponent* event = icalcomponent_new_vevent();
        icalcomponent_add_component(calendar.get(), event);  // the calendar owns it from here
        const std::string uid = "dawnrule-" + hash + "-" + std::to_string(day.roll->time.utc) + "-day" +
                                std::to_string(day.day);
        const std::string stops = Cp1252ToUtf8(day.roll->stop + " to " + day.park->stop);
        const std::string summary = "Day " + std::to_string(day.day) + ": " + stops + ", " +
                                    FormatFixed(day.miles, 1, 1) + " miles";
        icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(Utc(stampUtc)));
        icalcomponent_add_property(event, icalproperty_new_dtstart(Utc(day.roll->time.utc)));
        icalcomponent_add_property(event, icalproperty_new_dtend(Utc(day.park->time.utc)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
        icalcomponent_add_property(event, icalproperty_new_location(stops.c_str()));
        icalcomponent_add_property(event, icalproperty_new_description(Cp1252ToUtf8(Legs(plan, day)).c_str()));
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text ? text : "";
    icalmemory_free_buffer(text);
    return out;
}

void WriteTripPlanIcs(const std::string& path, const TripPlan& plan, std::int64_t stampUtc)
{
    WriteTextLines(path, SplitLines(TripPlanIcs(plan, stampUtc)));
}

} // namespace dawnrule
