// Per-call cost of the astronomy behind the moon picture. Report medians, running
// dawnrule_bench with --benchmark_filter=Astro --benchmark_repetitions=10
// --benchmark_report_aggregates_only=true

#include "astro/sun_moon.h"
#include "astro/vsop.h"
#include "astro/vsop87d_earth_table.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// Noon dates spread over 1990 to 2017, so no call sees the same argument twice in a row.
dawnrule::TDateTime NextDate(dawnrule::TDateTime& date)
{
    date += 13.37;
    if (date > 43000)
        date = 33000.5;
    return date;
}

void BM_AstroEarthPosition(benchmark::State& state)
{
    dawnrule::TDateTime date = 33000.5;
    for (auto _ : state) {
        long double L, B, R;
        dawnrule::EarthPosition(NextDate(date), L, B, R);
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(R);
    }
}
BENCHMARK(BM_AstroEarthPosition)->Unit(benchmark::kMicrosecond);

void BM_AstroMoonPosition(benchmark::State& state)
{
    dawnrule::TDateTime date = 33000.5;
    for (auto _ : state)
        benchmark::DoNotOptimize(dawnrule::MoonPosition(NextDate(date)));
}
BENCHMARK(BM_AstroMoonPosition)->Unit(benchmark::kMicrosecond);

void BM_AstroMoonPhaseAngle(benchmark::State& state)
{
    dawnrule::TDateTime date = 33000.5;
    for (auto _ : state)
        benchmark::DoNotOptimize(dawnrule::MoonPhaseAngle(NextDate(date)));
}
BENCHMARK(BM_AstroMoonPhaseAngle)->Unit(benchmark::kMicrosecond);

// The arguments B + C tau of all Earth terms on 13 October 1992.
std::vector<long double> TermArguments()
{
    dawnrule::TVSOPEarth body;
    body.Date = 33890;
    const long double tau = body.Tau();
    std::vector<long double> arguments;
    const auto add = [&](const auto& series) {
        for (const auto& terms : series)
            for (const dawnrule::VSOPTerm& term : terms)
                arguments.push_back(term.B + term.C * tau);
    };
    add(dawnrule::kEarthLongitudeSeries);
    add(dawnrule::kEarthLatitudeSeries);
    add(dawnrule::kEarthRadiusSeries);
    return arguments;
}

// One cosine per Earth term: the series' own against the C library's cosl.
void BM_AstroTermCosineSeries(benchmark::State& state)
{
    const std::vector<long double> arguments = TermArguments();
    for (auto _ : state)
        for (const long double x : arguments)
            benchmark::DoNotOptimize(dawnrule::SeriesCosine(x));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(arguments.size()));
}
BENCHMARK(BM_AstroTermCosineSeries)->Unit(benchmark::kMicrosecond);

void BM_AstroTermCosineCosl(benchmark::State& state)
{
    const std::vector<long double> arguments = TermArguments();
    for (auto _ : state)
        for (const long double x : arguments)
            benchmark::DoNotOptimize(std::cos(x));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(arguments.size()));
}
BENCHMARK(BM_AstroTermCosineCosl)->Unit(benchmark::kMicrosecond);

} // namespace
