// The daylight trip plan (PlanTrip) of every shipped route from its first stop to its
// last, and of a 10,000-stop route through the shipped towns. Goals: under 5 ms for a
// shipped route (the longest, I-90, is some 3,000 road miles), under 50 ms for the
// 10,000 stops. The zone database is opened once, as the program keeps it. Report the
// medians:
//   dawnrule_bench --benchmark_filter=TripPlan --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/fixed_offset_clock.h"
#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "locations/city_record.h"
#include "locations/us_states.h"
#include "windows/trip_plan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace dawnrule;

const std::string kData = DAWNRULE_SOURCE_DIR "/data";
constexpr int kSyntheticStops = 10000;

struct Setting {
    QtZoneDatabase zones;
    DaylightRules rules = ParseDaylightRules(ReadTextLines(kData + "/Daylight.txt")).rules;
    FixedOffsetClock home{-6 * 3600};

    TripPlanInput EndToEnd(const TripRoute& route)
    {
        TripPlanInput in;
        in.routes = {route};
        in.from = route.stops.front().name;
        in.to = route.stops.back().name;
        in.departDate = {2026, 1, 15};
        in.rules = &rules;
        in.zones = &zones;
        in.home = &home;
        return in;
    }
};

void Run(benchmark::State& state, const TripPlanInput& in)
{
    size_t rows = 0, days = 0;
    double miles = 0;
    for (auto _ : state) {
        const TripPlan plan = PlanTrip(in);
        rows = plan.rows.size();
        days = plan.days.size();
        miles = plan.totalMiles;
        benchmark::DoNotOptimize(rows);
    }
    state.counters["stops"] = static_cast<double>(in.routes.front().stops.size());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["days"] = static_cast<double>(days);
    state.counters["miles"] = miles;
}

void BM_TripPlanShippedRoute(benchmark::State& state)
{
    const std::vector<std::string> names = ReadTextLines(kData + "/Highways.txt");
    const std::string& name = names.at(static_cast<size_t>(state.range(0)));
    state.SetLabel(name);
    Setting setting;
    Run(state, setting.EndToEnd(ReadTripRoute(kData, name)));
}
BENCHMARK(BM_TripPlanShippedRoute)->DenseRange(0, 40)->MinTime(0.05)->Unit(benchmark::kMillisecond);

// 10,000 towns of the 48 contiguous states from the south up, in bands of half a
// degree of latitude driven west to east and back in turn, so the legs are short
// but for the turns.
TripRoute SyntheticRoute()
{
    struct Town {
        int band;
        double latitude, longitude;
        std::string name;
    };
    std::vector<Town> towns;
    for (const UsState& s : kUsStates) {
        if (s.code == "AK" || s.code == "HI")
            continue;
        for (const std::string& line : ReadTextLines(kData + "/" + StateFileName(s))) {
            const CityRecordValues v = ReadCityRecord(line);
            if (v.latitude && v.longitude)
                towns.push_back({static_cast<int>(std::floor(*v.latitude * 2)), *v.latitude, *v.longitude,
                                 ", " + std::string(s.code)});
        }
    }
    std::sort(towns.begin(), towns.end(), [](const Town& a, const Town& b) {
        if (a.band != b.band)
            return a.band < b.band;
        return a.band % 2 ? a.longitude > b.longitude : a.longitude < b.longitude;
    });
    TripRoute route;
    route.name = "Synthetic";
    for (int i = 0; i < kSyntheticStops; ++i) {
        const Town& t = towns.at(static_cast<size_t>(i));
        route.stops.push_back({"Stop " + std::to_string(i) + t.name, t.name.substr(2), t.latitude, t.longitude});
    }
    return route;
}

void BM_TripPlanSyntheticRoute(benchmark::State& state)
{
    Setting setting;
    Run(state, setting.EndToEnd(SyntheticRoute()));
}
BENCHMARK(BM_TripPlanSyntheticRoute)->Unit(benchmark::kMillisecond);

} // namespace
