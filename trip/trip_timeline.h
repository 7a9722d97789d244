#pragma once

#include "trip/trip_plan.h"

#include <string>
#include <vector>

namespace dawnrule {

// The plan at a glance, as the Trip Plan window draws it above its tables and on the
// first printed page: a row per duty period on a 24-hour axis of the home clock (from
// the home clock's midnight before the period's first departure), with each state's
// legal window of that day, the driving, the waits, breaks and rests, the closures that
// held the load and the state lines crossed. Times are minutes from the row's midnight;
// a rest that runs past the row's end keeps its true end (the picture cuts it).

struct TimelineBar {
    TripActivity::Kind kind = TripActivity::Kind::kDrive;
    int start = 0, end = 0;
};

struct TimelineWindow {
    std::string state;  // "OK"
    int start = 0, end = 0;
};

struct TimelineHold {
    unsigned flag = kTripCalendar;  // or kTripCurfew
    int start = 0, end = 0;
    std::string note;
};

struct TimelineTick {
    int at = 0;         // the middle of the leg that crosses the line
    std::string state;  // the state entered
};

struct TimelineRow {
    int day = 0;            // the duty period
    CivilDate date;         // the home date of the row's midnight
    std::vector<TimelineWindow> windows;  // the states driven in, in order
    std::vector<TimelineBar> bars;        // in time order
    std::vector<TimelineHold> holds;
    std::vector<TimelineTick> ticks;
};

std::vector<TimelineRow> TripTimeline(const TripPlan& plan);

} // namespace dawnrule
