#pragma once

#include "trip/trip_plan.h"
#include "windows/route_print.h"

#include <QStringList>

namespace dawnrule {

// What "Print" puts on paper: each page's heading (the plan's first two heading lines,
// its clocks, the stop table's column headings from the second page on; the plan at a
// glance under the first page's heading) and the lines below it, the aligned text of
// `dawnrule-cli plan` after its first three lines.
struct TripPlanPages {
    ReportPageHeading heading;
    QStringList lines;
};
TripPlanPages TripPlanPrintout(const TripPlan& plan);

} // namespace dawnrule
