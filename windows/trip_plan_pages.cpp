#include "windows/trip_plan_pages.h"

#include "astro/date_text.h"
#include "controls/cp1252_text.h"
#include "trip/trip_plan_text.h"
#include "trip/trip_timeline.h"
#include "windows/trip_timeline_view.h"

#include <algorithm>

namespace dawnrule {

TripPlanPages TripPlanPrintout(const TripPlan& plan)
{
    const TripPlanHeading h = TripPlanHeadingOf(plan);
    TripPlanPages pages;
    ReportPageHeading& heading = pages.heading;
    heading.title = QStringLiteral("Trip plan");
    heading.date = QString::fromStdString(DateText(plan.options.departDate));
    heading.clock = FromCp1252(h.clocks);
    heading.routes = FromCp1252(h.what + "; " + h.pace);
    heading.columns = FromCp1252(TripPlanStopLines(plan).front());
    heading.columnsFrom = 2;  // the first page heads its own tables
    // The plan at a glance heads the first page, as tall as its rows need (half the page at most).
    const std::vector<TimelineRow> rows = TripTimeline(plan);
    const QString homeClock = FromCp1252(plan.homeShort);
    heading.pictureRows = [rows](int lineHeight, int maxRows) {
        const int height = TripTimelineHeight(static_cast<int>(rows.size()), lineHeight);
        return std::min((height + lineHeight - 1) / lineHeight, maxRows / 2);
    };
    heading.picture = [rows, homeClock](QPainter& painter, const QRect& area) {
        PaintTripTimeline(painter, area, rows, homeClock);
    };
    pages.lines << FromCp1252(h.rules);
    for (const std::string& line : TripPlanBodyLines(plan))
        pages.lines << FromCp1252(line);
    return pages;
}

} // namespace dawnrule
