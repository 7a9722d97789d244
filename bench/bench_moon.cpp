// Cost of redrawing the moon picture on a date change, beyond the phase computation:
// UpdatePicture alone for the main window's ms32 msColor picture, and for comparison
// the whole Date write (phase angle plus redraw). Report medians:
//   dawnrule_bench --benchmark_filter=Moon --benchmark_repetitions=10 \
//                  --benchmark_report_aggregates_only=true

#include "controls/tmoon.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A QApplication for the widgets, unless the process already has one.
void EnsureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "dawnrule_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

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
    EnsureApplication();
    MainWindowMoon moon(dawnrule::DateTimeOfCalendarDate(2000, 1, 28));
    for (auto _ : state) {
        moon.UpdatePicture();
        benchmark::DoNotOptimize(moon.Picture().constBits());
    }
}
BENCHMARK(BM_MoonUpdatePicture)->Unit(benchmark::kMicrosecond);

void BM_MoonDateWrite(benchmark::State& state)
{
    EnsureApplication();
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
