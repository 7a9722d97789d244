// Cost of a local-zone Calc: the zone of the place from the town table, the zone's clock
// from the system's zone database (QTimeZone through QtZoneClock), and the local day's
// rise and set with their conversions. Report medians:
//   dawnrule_bench --benchmark_filter='LocalZone|ZoneStretch' --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/local_day.h"
#include "app/qt_zone_clock.h"
#include "bench_app.h"
#include "locations/place_clock.h"
#include "locations/place_zones_table.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using namespace dawnrule;

// Places near towns all over the table (typed coordinates 1 km or so off a town, so the
// nearest-town search runs, not only the exact match) and dates from 2005 to 2030: a
// different place and date on every call.
struct Place {
    double longitude, latitude;
};

std::vector<Place> Places()
{
    std::vector<Place> places;
    for (size_t i = 0; i < kPlaceZoneRows.size(); i += 7) {
        const PlaceZoneRow& row = kPlaceZoneRows[i];
        places.push_back({row.longitude / 100.0 + (i % 3) * 0.01, row.latitude / 100.0 - (i % 2) * 0.01});
    }
    return places;
}

LocalDayInput NextInput(const std::vector<Place>& places, size_t i)
{
    LocalDayInput in;
    in.longitude = places[i % places.size()].longitude;
    in.latitude = places[i % places.size()].latitude;
    in.year = 2005 + static_cast<int>(i % 26);
    in.month = 1 + static_cast<int>(i % 12);
    in.day = 1 + static_cast<int>(i % 28);
    in.military = i % 2 == 0;
    return in;
}

LocalDayResult LocalZoneCalc(QtZoneDatabase& zones, const LocalDayInput& in)
{
    const PlaceClock place = FindPlaceClock(zones, in.longitude, in.latitude);
    return place ? ComputeLocalDay(in, *place.clock) : LocalDayResult{};
}

// The whole path, the zone database warmed up (each zone opened, each year's stretch read
// once: what every Calc after the first of a zone and year costs).
void BM_LocalZoneCalc(benchmark::State& state)
{
    const std::vector<Place> places = Places();
    QtZoneDatabase zones;
    for (size_t i = 0; i < places.size() * 4; ++i)
        LocalZoneCalc(zones, NextInput(places, i));
    size_t i = 0;
    for (auto _ : state) {
        LocalDayResult r = LocalZoneCalc(zones, NextInput(places, i++));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_LocalZoneCalc);

// The same right after a line painted into a QImage, as the window paints before Calc
// (see bench_after_paint.cpp); only the computation is timed.
void BM_LocalZoneCalc_AfterPaint(benchmark::State& state)
{
    BenchApplication();
    const std::vector<Place> places = Places();
    QtZoneDatabase zones;
    for (size_t i = 0; i < places.size() * 4; ++i)
        LocalZoneCalc(zones, NextInput(places, i));
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    size_t i = 0;
    for (auto _ : state) {
        {
            QPainter painter(&image);
            painter.drawLine(0, 0, 63, 32);
        }
        const auto start = std::chrono::steady_clock::now();
        LocalDayResult r = LocalZoneCalc(zones, NextInput(places, i++));
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(r);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_LocalZoneCalc_AfterPaint)->UseManualTime();

// What the first Calc of a zone in a new year adds: reading that stretch of the zone's
// history from QTimeZone (its offset at the start and its transitions).
void BM_ZoneStretchRead(benchmark::State& state)
{
    QtZoneDatabase zones;
    const ZoneClock& clock = *zones.Find("America/Chicago");
    // 300 stretches from 1970 to 2288, more than a clock keeps: every one is read anew.
    constexpr std::int64_t kStretch = std::int64_t{1} << 25;
    std::int64_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(clock.OffsetAt(n++ % 300 * kStretch + kStretch / 2));
}
BENCHMARK(BM_ZoneStretchRead);

} // namespace
