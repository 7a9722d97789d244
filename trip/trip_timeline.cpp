#include "trip/trip_timeline.h"

#include "astro/holidays.h"
#include "common/number_text.h"

#include <algorithm>

namespace dawnrule {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

int Minutes(std::int64_t utc, std::int64_t rowStart)
{
    return static_cast<int>(FloorDiv(utc - rowStart, 60));
}

} // namespace

std::vector<TimelineRow> TripTimeline(const TripPlan& plan)
{
    std::vector<TimelineRow> rows;
    for (const TripDay& d : plan.days) {
        if (!d.roll)
            continue;
        TimelineRow row;
        row.day = d.day;
        const TripTime& roll = d.roll->time;
        const std::int64_t localDay = FloorDiv(roll.utc + roll.homeOffset, kDaySeconds);
        const std::int64_t start = localDay * kDaySeconds - roll.homeOffset;
        row.date = DateOfDays(static_cast<int>(localDay));

        for (const TripActivity& a : plan.activities) {
            if (a.day != d.day)
                continue;
            row.bars.push_back({a.kind, Minutes(a.start, start), Minutes(a.end, start)});
            if (a.kind != TripActivity::Kind::kDrive)
                continue;
            const TripStopRow& from = plan.rows[a.fromRow];
            const TripStopRow& to = plan.rows[a.toRow];
            for (const TripStopRow* r : {&from, &to}) {
                const bool seen = std::any_of(row.windows.begin(), row.windows.end(),
                                              [r](const TimelineWindow& w) { return w.state == r->state; });
                if (!seen && r->rollFrom && r->parkBy)
                    row.windows.push_back({r->state, Minutes(r->rollFrom->utc, start), Minutes(r->parkBy->utc, start)});
            }
            if (from.state != to.state)
                row.ticks.push_back({Minutes(a.start + (a.end - a.start) / 2, start), to.state});
        }
        for (const TripHold& h : plan.holds) {
            if (h.day == d.day)
                row.holds.push_back({h.flag, Minutes(h.start, start), Minutes(h.end, start), h.note});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace dawnrule
