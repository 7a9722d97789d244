// Paths from towns and tracks. Goals: a recorded track of 100,000 points (a GPX file
// along I-40 from Barstow to Wilmington, some 2,500 miles, a point every 40 yards) read
// and planned in under 1 s, as `dawnrule-cli plan --path` does it (the town index and
// Daylight.txt loaded, the file parsed, the towns within 2 miles found, the plan made);
// the type-ahead of the route builder under 20 ms a keystroke over the 17,288 towns.
// Report the medians:
//   dawnrule_bench --benchmark_filter='GpxTrack|TypeAhead' --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/qt_zone_clock.h"
#include "common/text_file.h"
#include "trip/route_path.h"
#include "trip/town_index.h"
#include "trip/trip_request.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace dawnrule;

const std::string kData = DAWNRULE_SOURCE_DIR "/data";
constexpr int kTrackPoints = 100000;

// The track's GPX file, written once into a scratch folder: the points spread along the
// route's legs by their length, each with an elevation and a time as a GPS logs them.
class TrackFile {
public:
    TrackFile()
    {
        char pattern[] = "/tmp/dawnrule-bench-track-XXXXXX";
        m_folder = ::mkdtemp(pattern);
        const TripRoute route = ReadTripRoute(kData, "I-40");
        std::vector<double> along{0};
        for (size_t i = 1; i < route.stops.size(); ++i) {
            const TripStop &a = route.stops[i - 1], &b = route.stops[i];
            along.push_back(along.back() + GreatCircleMiles(a.latitude, a.longitude, b.latitude, b.longitude));
        }
        std::vector<std::string> lines = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                          "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">",
                                          "<trk><name>I-40</name><trkseg>"};
        size_t leg = 1;
        for (int k = 0; k < kTrackPoints; ++k) {
            const double miles = along.back() * k / (kTrackPoints - 1);
            while (leg + 1 < along.size() && along[leg] < miles)
                ++leg;
            const TripStop &a = route.stops[leg - 1], &b = route.stops[leg];
            const double f = std::min(1.0, (miles - along[leg - 1]) / (along[leg] - along[leg - 1]));
            char line[160];
            std::snprintf(line, sizeof line,
                          "<trkpt lat=\"%.6f\" lon=\"%.6f\"><ele>%.1f</ele><time>2027-01-11T%02d:%02d:%02dZ</time></trkpt>",
                          a.latitude + f * (b.latitude - a.latitude), a.longitude + f * (b.longitude - a.longitude),
                          1000 + 10.0 * (k % 50), k / 3600 % 24, k / 60 % 60, k % 60);
            lines.push_back(line);
        }
        lines.push_back("</trkseg></trk></gpx>");
        m_path = (m_folder / "i40-track.gpx").string();
        WriteTextLines(m_path, lines);
    }
    ~TrackFile() { std::filesystem::remove_all(m_folder); }

    const std::string& Path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::string m_path;
};

void BM_GpxTrackReadAndPlan(benchmark::State& state)
{
    static const TrackFile track;
    QtZoneDatabase zones;
    TripRequest request;
    request.folder = kData;
    request.source = TripPathSource::kFile;
    request.pathFile = track.Path();
    request.options.departDate = {2027, 1, 11};
    size_t stops = 0;
    double miles = 0;
    for (auto _ : state) {
        const TripOutcome outcome = PlanTripRequest(request, zones);
        if (!outcome.plan) {
            state.SkipWithError(outcome.error.front().c_str());
            return;
        }
        stops = outcome.plan->rows.size();
        miles = outcome.plan->totalMiles;
        benchmark::DoNotOptimize(stops);
    }
    state.counters["points"] = kTrackPoints;
    state.counters["rows"] = static_cast<double>(stops);
    state.counters["miles"] = miles;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(track.Path())) / 1e6;
}
BENCHMARK(BM_GpxTrackReadAndPlan)->Unit(benchmark::kMillisecond);

// One keystroke a round: the next beginning of a few names as a dispatcher types them,
// the first ten towns that match.
void BM_TownTypeAhead(benchmark::State& state)
{
    static const TownIndex towns = TownIndex::Load(kData);
    std::vector<std::string> typed;
    for (const std::string name : {"Wichita Falls, TX", "springfield, mo", "San Antonio, TX", "Mc"}) {
        for (size_t n = 1; n <= name.size(); ++n)
            typed.push_back(name.substr(0, n));
    }
    size_t i = 0, found = 0;
    for (auto _ : state) {
        found += towns.Complete(typed[i], 10).size();
        i = (i + 1) % typed.size();
    }
    benchmark::DoNotOptimize(found);
    state.counters["towns"] = static_cast<double>(towns.Towns().size());
}
BENCHMARK(BM_TownTypeAhead)->Unit(benchmark::kMicrosecond);

} // namespace
