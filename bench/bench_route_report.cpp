// A 10,000-stop route through dawnrule-cli route: reading the file, the main window's
// Calc as the command emulates it, the report lines and their output. Goal: under
// 50 ms. With --local each stop's own local day and zone too (Arg 1; Arg 0 the same
// command without it), on the synthetic route and on one of 10,000 shipped towns, every
// one with a zone. Report the medians:
//   dawnrule_bench --benchmark_filter=RouteReport --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "locations/place_zones_table.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int kStops = 10000;

// A route file laid out as the shipped ones: a title, a state line every 100 stops,
// and stops whose coordinates all differ, so every stop changes both fields.
void WriteLongRoute(const fs::path& folder)
{
    std::ofstream f(folder / "Long.txt", std::ios::binary);
    f << "Long  west to east  9,999 miles\r\n";
    for (int i = 0; i < kStops; ++i) {
        if (i % 100 == 0)
            f << "\r\nState " << i / 100 << "\r\n";
        char line[80];
        std::snprintf(line, sizeof line, "  Town %05d, ST  [%.2f -%.2f]\r\n", i, 25.0 + (i % 2400) * 0.01,
                      67.0 + (i % 5700) * 0.01);
        f << line;
    }
}

void BM_RouteReportCommand(benchmark::State& state)
{
    const QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    WriteLongRoute(folder);
    const std::vector<std::string> args = {"route", "--date", "01/15/2026", "--offset", "-6", "--folder",
                                           folder.string(), "Long"};
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = dawnrule::RunCli(args, out, err);
        if (status != 0 || !err.str().empty())
            state.SkipWithError(("route failed: " + err.str()).c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["stops"] = kStops;
}
BENCHMARK(BM_RouteReportCommand)->Unit(benchmark::kMillisecond);

// The synthetic route and 10,000 shipped towns in the town table's order.
void WriteRoutes(const fs::path& folder)
{
    WriteLongRoute(folder);
    std::ofstream f(folder / "Towns.txt", std::ios::binary);
    f << "Towns  10,000 of them\r\n";
    const size_t step = dawnrule::kPlaceZoneRows.size() / kStops;
    for (int i = 0; i < kStops; ++i) {
        const dawnrule::PlaceZoneRow& row = dawnrule::kPlaceZoneRows[static_cast<size_t>(i) * step];
        char line[80];
        std::snprintf(line, sizeof line, "  Town %05d, ST  [%.2f %.2f]\r\n", i, row.latitude / 100.0,
                      row.longitude / 100.0);
        f << line;
    }
}

void RouteCommand(benchmark::State& state, const std::string& route)
{
    const QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    WriteRoutes(folder);
    dawnrule::QtZoneDatabase zones;
    std::vector<std::string> args = {"route", "--date", "01/15/2026", "--offset", "-6", "--folder",
                                     folder.string(), route};
    if (state.range(0) != 0)
        args.push_back("--local");
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = dawnrule::RunCli(args, out, err, &zones);
        if (status != 0)
            state.SkipWithError(("route failed: " + err.str()).c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["stops"] = kStops;
}

void BM_RouteReportCommandLocal(benchmark::State& state)
{
    RouteCommand(state, "Long");
}
BENCHMARK(BM_RouteReportCommandLocal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RouteReportCommandTowns(benchmark::State& state)
{
    RouteCommand(state, "Towns");
}
BENCHMARK(BM_RouteReportCommandTowns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
