// The daylight trip plan (PlanTrip) of every shipped route from its first stop to its
// last, and of a 10,000-stop route through the shipped towns. Goals: under 5 ms for a
// shipped route (the longest, I-90, is some 3,000 road miles), under 50 ms for the
// 10,000 stops. The zone database is opened once, as the program keeps it. Report the
// medians:
//   dawnrule_bench --benchmark_filter=TripPlan --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "synthetic_route.h"
#include "trip/route_path.h"
#include "trip/trip_plan.h"
#include "trip/trip_request.h"

#include <benchmark/benchmark.h>

namespace {

using namespace dawnrule;

const std::string kData = DAWNRULE_SOURCE_DIR "/data";
constexpr int kSyntheticStops = 10000;

struct Setting {
    QtZoneDatabase zones;
    TripRules rules = Rules();

    static TripRules Rules()
    {
        std::vector<std::string> error;
        return ReadTripRules(kData, error).value();
    }
    HomeClock home = HomeClock::OfOffset(-6);
    TripOptions options;

    Setting() { options.departDate = {2026, 1, 15}; }
};

void Run(benchmark::State& state, const TripRoute& route)
{
    Setting setting;
    size_t rows = 0, days = 0, stops = 0;
    double miles = 0;
    for (auto _ : state) {  // the path joined and planned, as the loader does it
        const TripPath path = ChainRoutes({route}, route.stops.front().name, route.stops.back().name, 1.1);
        stops = path.stops.size();
        const TripPlan plan = PlanTrip(path, setting.options, setting.rules, {&setting.zones, &setting.home});
        rows = plan.rows.size();
        days = plan.days.size();
        miles = plan.totalMiles;
        benchmark::DoNotOptimize(rows);
    }
    state.counters["stops"] = static_cast<double>(stops);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["days"] = static_cast<double>(days);
    state.counters["miles"] = miles;
}

void BM_TripPlanShippedRoute(benchmark::State& state)
{
    const std::vector<std::string> names = ReadTextLines(kData + "/Highways.txt");
    const std::string& name = names.at(static_cast<size_t>(state.range(0)));
    state.SetLabel(name);
    Run(state, ReadTripRoute(kData, name));
}
BENCHMARK(BM_TripPlanShippedRoute)->DenseRange(0, 40)->MinTime(0.05)->Unit(benchmark::kMillisecond);

void BM_TripPlanSyntheticRoute(benchmark::State& state)
{
    Run(state, bench::SyntheticRoute(kSyntheticStops));
}
BENCHMARK(BM_TripPlanSyntheticRoute)->Unit(benchmark::kMillisecond);

} // namespace
