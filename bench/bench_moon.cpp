// Cost of redrawing the moon picture on a date change, beyond the phase computation:
// UpdatePicture alone for the main window's ms32 msColor picture, and for comparison
// the whole Date write (phase angle plus redraw). Report medians:
//   dawnrule_bench --benchmark_filter=Moon --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "bench_app.h"
#include "controls/tmoon.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window's picture, with its redraw open to the benchmark.
class MainWindowMoon : public dawnrule::TMoon {
public:
    explicit MainWindowMoon(dawnrule::TDateTime date)
        : TMoon(nullptr, date)
    {
        setMoonSize(dawnrule::ms32);
        setMoonStyle(dawnrule::msColor);
        resize(width(), 29);
        setDate(date);
    }
    using TMoon::UpdatePicture;
};

void BM_MoonUpdatePicture(benchmark::State& state)
{
    BenchApplication();
    MainWindowMoon moon(dawnrule::DateTimeOfCalendarDate(2000, 1, 28));
    for (auto _ : state) {
        moon.UpdatePicture();
        benchmark::DoNotOptimize(moon.Picture().constBits());
    }
}
BENCHMARK(BM_MoonUpdatePicture)->Unit(benchmark::kMicrosecond);

void BM_MoonDateWrite(benchmark::State& state)
{
    BenchApplication();
    dawnrule::TDateTime date = dawnrule::DateTimeOfCalendarDate(2000, 1, 1);
    MainWindowMoon moon(date);
    for (auto _ : state) {
        date += 1;
        moon.setDate(date);
        benchmark::DoNotOptimize(moon.Picture().constBits());
    }
}
BENCHMARK(BM_MoonDateWrite)->Unit(benchmark::kMicrosecond);

} // namespace
